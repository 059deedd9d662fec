// The Windows side of the clipboard, for the end-to-end tests:
//   clipboard_tool hold MILLISECONDS  keeps the clipboard open, as a clipboard manager does
//                                     for a moment; prints "held" once it has it
//   clipboard_tool read               prints the clipboard as JSON: its Unicode text and
//                                     the registered formats on it with their bytes
// Text goes out as \u escapes, so the output is ASCII whatever the locale.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

bool open_clipboard() {
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(10);
    }
    return false;
}

std::string json_text(const wchar_t* text) {
    std::string out = "\"";
    for (; *text != L'\0'; ++text) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(*text));
        out += escaped;
    }
    return out + "\"";
}

std::string json_bytes(HANDLE data) {
    std::string out = "\"";
    const auto* bytes = static_cast<const unsigned char*>(GlobalLock(data));
    const SIZE_T size = GlobalSize(data);
    for (SIZE_T i = 0; bytes != nullptr && i < size; ++i) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", bytes[i]);
        out += hex;
    }
    if (bytes != nullptr) GlobalUnlock(data);
    return out + "\"";
}

int hold(DWORD milliseconds) {
    if (!open_clipboard()) return 1;
    std::puts("held");
    std::fflush(stdout);
    Sleep(milliseconds);
    CloseClipboard();
    return 0;
}

int read() {
    if (!open_clipboard()) return 1;
    std::string out = "{\"text\": ";
    HANDLE text = GetClipboardData(CF_UNICODETEXT);
    const auto* characters =
        text != nullptr ? static_cast<const wchar_t*>(GlobalLock(text)) : nullptr;
    out += characters != nullptr ? json_text(characters) : "null";
    if (characters != nullptr) GlobalUnlock(text);
    out += ", \"registered_formats\": {";
    bool first = true;
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        wchar_t name[256] = {};
        if (format < 0xC000 || GetClipboardFormatNameW(format, name, 256) == 0) continue;
        HANDLE data = GetClipboardData(format);
        out += std::string(first ? "" : ", ") + json_text(name) + ": " +
               (data ? json_bytes(data) : "null");
        first = false;
    }
    CloseClipboard();
    out += "}}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wcscmp(argv[1], L"hold") == 0)
        return hold(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    if (argc == 2 && std::wcscmp(argv[1], L"read") == 0) return read();
    std::fputs("usage: clipboard_tool hold MILLISECONDS | clipboard_tool read\n", stderr);
    return 2;
}
