#include "control_factory.h"

#include "edit_box_behaviour.h"
#include "group_box_behaviour.h"
#include "utf16_text.h"

namespace quorvane::win32 {
namespace {

struct WindowClassAndStyle {
    const wchar_t* class_name;
    DWORD style;
    DWORD extended_style;
};

DWORD edit_alignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::left:
            return ES_LEFT;
        case Alignment::centre:
            return ES_CENTER;
        case Alignment::right:
            return ES_RIGHT;
    }
    return ES_LEFT;
}

DWORD label_alignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::left:
            return SS_LEFT;
        case Alignment::centre:
            return SS_CENTER;
        case Alignment::right:
            return SS_RIGHT;
    }
    return SS_LEFT;
}

WindowClassAndStyle class_and_style(const ControlEntry& control) {
    const Style& style = *control.style;
    const DWORD edge = style.sunken_edge ? WS_EX_CLIENTEDGE : 0;
    switch (control.kind) {
        case ControlKind::edit_box: {
            const DWORD lines =
                style.multi_line ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL : ES_AUTOHSCROLL;
            return {L"EDIT", edit_alignment(style.alignment) | lines, edge};
        }
        case ControlKind::button:
            return {L"BUTTON",
                    BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | (style.multi_line ? BS_MULTILINE : 0u),
                    edge};
        case ControlKind::label:
            // SS_CENTERIMAGE centres a single line of text vertically.
            return {L"STATIC", label_alignment(style.alignment) | SS_CENTERIMAGE | SS_NOPREFIX,
                    edge};
        case ControlKind::group_box:
            return {L"BUTTON", BS_GROUPBOX, edge};
    }
    return {L"STATIC", 0, 0};
}

bool add_behaviour(const ControlEntry& control, HWND created) {
    switch (control.kind) {
        case ControlKind::edit_box:
            // The text may be as long as memory allows, as with SetWindowTextW.
            SendMessageW(created, EM_SETLIMITTEXT, 0, 0);
            return add_edit_box_behaviour(created, *control.style);
        case ControlKind::group_box:
            return add_group_box_behaviour(created);
        case ControlKind::button:
        case ControlKind::label:
            return true;
    }
    return true;
}

}  // namespace

HWND create_control(const ControlEntry& control, HWND parent, int id, Fonts& fonts) {
    const auto [class_name, style, extended_style] = class_and_style(control);
    const DWORD common =
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (control.tab_stop ? WS_TABSTOP : 0u);
    const Rect& bounds = control.bounds;
    HWND created = CreateWindowExW(
        extended_style, class_name, to_utf16(control.initial_text).c_str(), style | common,
        bounds.left, bounds.top, bounds.width, bounds.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (created == nullptr) return nullptr;
    HFONT font = fonts.of_pixel_height(control.style->font_pixel_height);
    if (font == nullptr || !add_behaviour(control, created)) {
        DestroyWindow(created);
        return nullptr;
    }
    SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return created;
}

}  // namespace quorvane::win32
