#include "window_keys.h"

#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace quorvane::qt {

WindowKeys::WindowKeys(QWidget& window, std::vector<QWidget*> focus_order,
                       QSet<QWidget*> keep_enter)
    : QObject(&window),
      window_(window),
      focus_order_(std::move(focus_order)),
      keep_enter_(std::move(keep_enter)) {}

void WindowKeys::watch(QWidget& control) { control.installEventFilter(this); }

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    return handle(*static_cast<QWidget*>(watched), *static_cast<QKeyEvent*>(event));
}

bool WindowKeys::handle(QWidget& control, const QKeyEvent& key) {
    // The keypad modifier only tells where Enter was pressed.
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Backtab ||
        (key.key() == Qt::Key_Tab && modifiers == Qt::ShiftModifier)) {
        move_focus(control, -1);
        return true;
    }
    if (modifiers != Qt::NoModifier) return false;
    switch (key.key()) {
        case Qt::Key_Tab:
            move_focus(control, 1);
            return true;
        case Qt::Key_Escape:
            window_.close();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return !keep_enter_.contains(&control);
        default:
            return false;
    }
}

void WindowKeys::move_focus(QWidget& from, int step) {
    const auto found = std::ranges::find(focus_order_, &from);
    if (found == focus_order_.end()) return;
    const auto count = static_cast<std::ptrdiff_t>(focus_order_.size());
    const std::ptrdiff_t next = ((found - focus_order_.begin()) + step + count) % count;
    focus_order_[static_cast<std::size_t>(next)]->setFocus(step > 0 ? Qt::TabFocusReason
                                                                    : Qt::BacktabFocusReason);
}

}  // namespace quorvane::qt
