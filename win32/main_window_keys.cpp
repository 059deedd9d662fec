// The keys that the main window takes before its controls: Tab and Shift+Tab move through
// the tab order, Esc closes, Enter and F1 do nothing (an accumulator keeps Enter).
#include <algorithm>

#include "main_window.h"

namespace quorvane::win32 {
namespace {

bool is_down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool MainWindow::translate_key(const MSG& message) {
    if (message.message != WM_KEYDOWN || hwnd_ == nullptr) return false;
    if (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)) return false;
    if (is_down(VK_CONTROL) || is_down(VK_MENU)) return false;
    const bool shift = is_down(VK_SHIFT);
    switch (message.wParam) {
        case VK_TAB:
            move_focus(shift ? -1 : 1);
            return true;
        case VK_ESCAPE:
            if (shift || !description_.esc_closes) return false;
            SendMessageW(hwnd_, WM_CLOSE, 0, 0);
            return true;
        case VK_RETURN: {
            if (shift || description_.enter_moves_focus) return false;
            const ControlEntry* focused = controls_.entry_of_window(GetFocus());
            const bool takes_line_breaks = focused != nullptr &&
                                           focused->kind == ControlKind::edit_box &&
                                           focused->style->multi_line;
            return !takes_line_breaks;
        }
        case VK_F1:
            return !shift && !description_.f1_opens_help;
    }
    return false;
}

void MainWindow::move_focus(int step) {
    if (tab_order_.empty()) return;
    const auto size = static_cast<std::ptrdiff_t>(tab_order_.size());
    const auto current = std::ranges::find(tab_order_, GetFocus()) - tab_order_.begin();
    const std::ptrdiff_t next = current == size ? 0 : ((current + step) % size + size) % size;
    HWND target = tab_order_[static_cast<std::size_t>(next)];
    // Keyboard use shows the focus rectangles, as in dialogs.
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    SetFocus(target);
    if (controls_.entry_of_window(target)->kind == ControlKind::edit_box)
        SendMessageW(target, EM_SETSEL, 0, -1);
}

}  // namespace quorvane::win32
