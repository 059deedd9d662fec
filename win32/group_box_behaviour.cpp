#include "group_box_behaviour.h"

#include <commctrl.h>

namespace quorvane::win32 {
namespace {

LRESULT CALLBACK group_box_procedure(HWND group_box, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return SendMessageW(GetParent(group_box), message, wparam, lparam);
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(group_box, &client);
            FillRect(reinterpret_cast<HDC>(wparam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(group_box, group_box_procedure, 0);
            break;
    }
    return DefSubclassProc(group_box, message, wparam, lparam);
}

}  // namespace

bool add_group_box_behaviour(HWND group_box) {
    return SetWindowSubclass(group_box, group_box_procedure, 0, 0);
}

}  // namespace quorvane::win32
