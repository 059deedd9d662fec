#include "control_text.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "text_conversion.h"

namespace quorvane::qt {
namespace {

const QString crlf = QStringLiteral("\r\n");
const QString lf = QStringLiteral("\n");

// Qt keeps a line break as one character; the commands' texts end lines with "\r\n".
QString with_qt_line_breaks(QString text) { return text.replace(crlf, lf); }

}  // namespace

std::string read_control_text(const QWidget& control) {
    if (const auto* line_box = qobject_cast<const QLineEdit*>(&control))
        return to_utf8(line_box->text());
    if (const auto* text_box = qobject_cast<const QPlainTextEdit*>(&control)) {
        // The raw text keeps every character as typed; blocks are separated by U+2029.
        QString text = text_box->document()->toRawText();
        return to_utf8(text.replace(QChar::ParagraphSeparator, crlf));
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return to_utf8(button->text().replace(lf, crlf));
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return to_utf8(label->text());
    if (const auto* group = qobject_cast<const QGroupBox*>(&control))
        return to_utf8(group->title());
    return {};
}

void write_control_text(QWidget& control, std::string_view text) {
    if (auto* line_box = qobject_cast<QLineEdit*>(&control)) {
        line_box->setText(to_qstring(text));
    } else if (auto* text_box = qobject_cast<QPlainTextEdit*>(&control)) {
        text_box->setPlainText(with_qt_line_breaks(to_qstring(text)));
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setText(with_qt_line_breaks(to_qstring(text)));
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(to_qstring(text));
    } else if (auto* group = qobject_cast<QGroupBox*>(&control)) {
        group->setTitle(to_qstring(text));
    }
}

}  // namespace quorvane::qt
