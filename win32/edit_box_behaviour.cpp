#include "edit_box_behaviour.h"

#include <commctrl.h>

namespace quorvane::win32 {
namespace {

int line_height(HWND edit_box) {
    HDC dc = GetDC(edit_box);
    const auto previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit_box, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(edit_box, dc);
    return metrics.tmHeight;
}

// Shrinks the client area to one line in the middle; the strips above and below become
// non-client area, painted in the box's background colour.
void centre_client_area(HWND edit_box, RECT& client) {
    const int spare = (client.bottom - client.top) - line_height(edit_box);
    if (spare <= 0) return;
    client.top += spare / 2;
    client.bottom -= spare - spare / 2;
}

void paint_strips(HWND edit_box) {
    RECT outer{};
    GetWindowRect(edit_box, &outer);
    RECT client{};
    GetClientRect(edit_box, &client);
    MapWindowPoints(edit_box, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -outer.left, -outer.top);
    // Between the sunken edge and the line, above and below it.
    const int edge = GetSystemMetrics(SM_CYEDGE);
    const RECT strips[] = {
        {client.left, edge, client.right, client.top},
        {client.left, client.bottom, client.right, outer.bottom - outer.top - edge}};
    HDC dc = GetWindowDC(edit_box);
    auto background = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(edit_box), WM_CTLCOLOREDIT,
                                                            reinterpret_cast<WPARAM>(dc),
                                                            reinterpret_cast<LPARAM>(edit_box)));
    if (background == nullptr) background = GetSysColorBrush(COLOR_WINDOW);
    for (const RECT& strip : strips) FillRect(dc, &strip, background);
    ReleaseDC(edit_box, dc);
}

LRESULT CALLBACK edit_box_procedure(HWND edit_box, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR, DWORD_PTR reference) {
    const auto& style = *reinterpret_cast<const Style*>(reference);
    switch (message) {
        case WM_CHAR:
            if (!accepts_typed_character(style, static_cast<char32_t>(wparam))) return 0;
            break;
        case WM_NCCALCSIZE: {
            const LRESULT result = DefSubclassProc(edit_box, message, wparam, lparam);
            if (!style.multi_line) {
                auto& client = wparam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0]
                                      : *reinterpret_cast<RECT*>(lparam);
                centre_client_area(edit_box, client);
            }
            return result;
        }
        case WM_NCPAINT: {
            const LRESULT result = DefSubclassProc(edit_box, message, wparam, lparam);
            if (!style.multi_line) paint_strips(edit_box);
            return result;
        }
        case WM_SETFONT: {
            // A new font may change the line's height, and so the client area.
            const LRESULT result = DefSubclassProc(edit_box, message, wparam, lparam);
            SetWindowPos(
                edit_box, nullptr, 0, 0, 0, 0,
                SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit_box, edit_box_procedure, 0);
            break;
    }
    return DefSubclassProc(edit_box, message, wparam, lparam);
}

}  // namespace

bool add_edit_box_behaviour(HWND edit_box, const Style& style) {
    return SetWindowSubclass(edit_box, edit_box_procedure, 0, reinterpret_cast<DWORD_PTR>(&style));
}

}  // namespace quorvane::win32
