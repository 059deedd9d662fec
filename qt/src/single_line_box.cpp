#include "single_line_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <limits>

namespace quorvane::qt {

SingleLineBox::SingleLineBox(const Style& style, QWidget* parent)
    : QLineEdit(parent), style_(style) {
    // The commands write texts of any length into result boxes.
    setMaxLength(std::numeric_limits<int>::max());
}

QString SingleLineBox::accepted_part(const QString& typed) const {
    QString accepted;
    for (const char32_t character : typed.toUcs4())
        if (accepts_typed_character(style_, character))
            accepted += QString::fromUcs4(&character, 1);
    return accepted;
}

void SingleLineBox::keyPressEvent(QKeyEvent* event) {
    // Control characters (Backspace) and shortcuts such as Ctrl+V always pass.
    const bool shortcut = event->modifiers().testFlag(Qt::ControlModifier);
    if (!shortcut && accepted_part(event->text()) != event->text()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SingleLineBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString accepted = accepted_part(event->commitString());
    if (accepted == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

}  // namespace quorvane::qt
