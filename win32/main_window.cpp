#include "main_window.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <string_view>

#include "control_factory.h"
#include "utf16_text.h"

namespace quorvane::win32 {
namespace {

constexpr wchar_t window_class_name[] = L"QuorvaneMainWindow";

DWORD window_style(const WindowDescription& description) {
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (description.minimise_box) style |= WS_MINIMIZEBOX;
    if (description.maximise_box) style |= WS_MAXIMIZEBOX;
    if (description.resizable) style |= WS_THICKFRAME;
    return style;
}

HICON load_icon(const std::wstring& name, int size_metric) {
    const int size = GetSystemMetrics(size_metric);
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_ICON, size,
                                         size, LR_DEFAULTCOLOR));
}

bool register_window_class(const WindowDescription& description) {
    const std::wstring icon = to_utf16(description.icon_resource);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = MainWindow::window_procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hIcon = load_icon(icon, SM_CXICON);
    window_class.hIconSm = load_icon(icon, SM_CXSMICON);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = window_class_name;
    return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// How many parents stand between a control and the window.
int depth(const WindowDescription& description, const ControlEntry& control) {
    int levels = 0;
    for (const ControlEntry* parent = find_control(description, control.parent); parent != nullptr;
         parent = find_control(description, parent->parent))
        ++levels;
    return levels;
}

}  // namespace

MainWindow::MainWindow(const WindowDescription& description)
    : description_(description), controls_(description), platform_(hwnd_, controls_) {}

bool MainWindow::create(int show_command) {
    random_ = make_system_random_bytes();
    if (!random_ || !register_window_class(description_)) return false;
    const Point position = centred_position(description_, GetSystemMetrics(SM_CXSCREEN),
                                            GetSystemMetrics(SM_CYSCREEN));
    CreateWindowExW(0, window_class_name, to_utf16(description_.caption).c_str(),
                    window_style(description_), position.x, position.y, description_.outer_width,
                    description_.outer_height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (hwnd_ == nullptr) return false;
    force_outer_size();
    ShowWindow(hwnd_, show_command);
    UpdateWindow(hwnd_);
    return true;
}

LRESULT MainWindow::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            return on_create();
        case WM_COMMAND:
            return on_command(wparam);
        case WM_ACTIVATE:
            return on_activate(wparam, lparam);
        case WM_SETFOCUS:
            return on_set_focus();
        case WM_DESTROY:
            return on_destroy();
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return on_control_colour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    }
    return default_handling(message, wparam, lparam);
}

LRESULT MainWindow::on_create() {
    if (!create_controls()) return -1;
    stack_controls();
    for (const ControlEntry* control : tab_order(description_))
        tab_order_.push_back(controls_.by_name(control->name));
    return 0;
}

// Parents before their children; each control with its table row's identifier.
bool MainWindow::create_controls() {
    std::vector<std::size_t> rows(description_.controls.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    std::ranges::stable_sort(
        rows, {}, [&](std::size_t row) { return depth(description_, description_.controls[row]); });
    for (const std::size_t row : rows) {
        const ControlEntry& control = description_.controls[row];
        HWND parent = control.parent.empty() ? hwnd_ : controls_.by_name(control.parent);
        HWND created = parent != nullptr
                           ? create_control(control, parent, ControlWindows::id_of(row), fonts_)
                           : nullptr;
        if (created == nullptr) return false;
        controls_.set(row, created);
    }
    return true;
}

// Siblings lie in the order of the table, the first one on top.
void MainWindow::stack_controls() {
    std::map<std::string_view, HWND> lowest_so_far;
    for (std::size_t row = 0; row < description_.controls.size(); ++row) {
        const auto [placed, first] =
            lowest_so_far.try_emplace(description_.controls[row].parent, HWND_TOP);
        SetWindowPos(controls_.at(row), placed->second, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        placed->second = controls_.at(row);
    }
}

// The frame's size depends on the system's metrics; the outer size must not.
void MainWindow::force_outer_size() {
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    if (outer.right - outer.left != description_.outer_width ||
        outer.bottom - outer.top != description_.outer_height)
        SetWindowPos(hwnd_, nullptr, outer.left, outer.top, description_.outer_width,
                     description_.outer_height, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT MainWindow::on_command(WPARAM wparam) {
    const ControlEntry* control = controls_.entry_of_id(LOWORD(wparam));
    if (HIWORD(wparam) == BN_CLICKED && control != nullptr &&
        control->kind == ControlKind::button && control->click)
        run_command(*control->click, platform_, *random_);
    return 0;
}

// The focus goes back where it was when the window was last deactivated.
LRESULT MainWindow::on_activate(WPARAM wparam, LPARAM lparam) {
    if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (controls_.entry_of_window(focus) != nullptr) focus_to_restore_ = focus;
    }
    return default_handling(WM_ACTIVATE, wparam, lparam);
}

LRESULT MainWindow::on_set_focus() {
    if (focus_to_restore_ != nullptr)
        SetFocus(focus_to_restore_);
    else if (!tab_order_.empty())
        SetFocus(tab_order_.front());
    return 0;
}

// Black text, on white where the style asks for it and on the button face elsewhere.
LRESULT MainWindow::on_control_colour(HDC dc, HWND control) {
    const ControlEntry* entry = controls_.entry_of_window(control);
    const bool white = entry != nullptr && entry->style->white_background;
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, white ? RGB(255, 255, 255) : GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(white ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))
                                           : GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT MainWindow::on_destroy() {
    PostQuitMessage(0);
    return 0;
}

}  // namespace quorvane::win32
