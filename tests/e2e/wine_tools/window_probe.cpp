// Looks at the program's windows from outside, as an accessibility tool would, and prints
// them as JSON: every visible top-level window of the desktop with its caption, class,
// outer and client rectangles in screen coordinates, the control that has the keyboard
// focus in its thread, and its child windows with their classes, rectangles and texts.
// Text goes out as \u escapes, so the output is ASCII whatever the locale.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string json_text(const std::wstring& text) {
    std::string out = "\"";
    for (const wchar_t unit : text) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(unit));
        out += escaped;
    }
    return out + "\"";
}

std::string json_rect(const RECT& rect) {
    return "[" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " +
           std::to_string(rect.right - rect.left) + ", " + std::to_string(rect.bottom - rect.top) +
           "]";
}

std::wstring class_of(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

// WM_GETTEXT reaches into the other process, so edit boxes give their current text.
std::wstring text_of(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(copied);
    return text;
}

RECT client_on_screen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

std::string describe(HWND top) {
    RECT outer{};
    GetWindowRect(top, &outer);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &thread);
    std::string out =
        "{\"caption\": " + json_text(text_of(top)) + ", \"class\": " + json_text(class_of(top)) +
        ", \"outer\": " + json_rect(outer) + ", \"client\": " + json_rect(client_on_screen(top)) +
        ", \"active\": " + (thread.hwndActive == top ? "true" : "false") + ", \"children\": [";
    std::vector<HWND> children;
    EnumChildWindows(
        top,
        [](HWND child, LPARAM found) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    for (std::size_t i = 0; i < children.size(); ++i) {
        RECT rect{};
        GetWindowRect(children[i], &rect);
        out += std::string(i ? ", " : "") + "{\"class\": " + json_text(class_of(children[i])) +
               ", \"rect\": " + json_rect(rect) + ", \"text\": " + json_text(text_of(children[i])) +
               ", \"focused\": " + (thread.hwndFocus == children[i] ? "true" : "false") + "}";
    }
    return out + "]}";
}

}  // namespace

int wmain() {
    std::vector<HWND> tops;
    EnumWindows(
        [](HWND window, LPARAM found) {
            if (IsWindowVisible(window))
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tops));
    std::string out = "[";
    for (std::size_t i = 0; i < tops.size(); ++i) out += (i ? ",\n " : "") + describe(tops[i]);
    out += "]\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
