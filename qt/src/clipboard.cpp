#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "text_conversion.h"

namespace quorvane::qt {

void set_clipboard_text(std::string_view utf8) {
    auto* data = new QMimeData;
    // Qt offers text/plain and UTF8_STRING from this; some programs ask by charset.
    data->setText(to_qstring(utf8));
    data->setData(QStringLiteral("text/plain;charset=utf-8"),
                  QByteArray(utf8.data(), static_cast<qsizetype>(utf8.size())));
    data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

}  // namespace quorvane::qt
