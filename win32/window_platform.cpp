#include "window_platform.h"

#include <shellapi.h>

#include <string>

#include "clipboard.h"
#include "utf16_text.h"

namespace quorvane::win32 {

std::string WindowPlatform::read(std::string_view control) const {
    HWND window = controls_.by_name(control);
    if (window == nullptr) return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return to_utf8(text);
}

void WindowPlatform::write(std::string_view control, std::string_view text) {
    if (HWND window = controls_.by_name(control)) SetWindowTextW(window, to_utf16(text).c_str());
}

void WindowPlatform::set_clipboard_text(std::string_view text) {
    win32::set_clipboard_text(owner_, to_utf16(text));
}

void WindowPlatform::open_web_page(std::string_view url) {
    ShellExecuteW(nullptr, L"open", to_utf16(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void WindowPlatform::show_error(std::string_view caption, std::string_view message) {
    show_error_box(owner_, caption, message);
}

void show_error_box(HWND owner, std::string_view caption, std::string_view message) {
    MessageBoxW(owner, to_utf16(message).c_str(), to_utf16(caption).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace quorvane::win32
