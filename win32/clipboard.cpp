#include "clipboard.h"

#include <cstring>
#include <string>

namespace quorvane::win32 {
namespace {

// Clipboard managers open the clipboard for a moment after each change.
constexpr int open_attempts = 10;
constexpr DWORD pause_between_attempts_ms = 10;

bool open_clipboard(HWND owner) {
    for (int attempt = 0; attempt < open_attempts; ++attempt) {
        if (attempt > 0) Sleep(pause_between_attempts_ms);
        if (OpenClipboard(owner)) return true;
    }
    return false;
}

// Hands a copy of the bytes to the clipboard, which then owns the memory.
void set_data(UINT format, const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (memory == nullptr) return;
    void* locked = GlobalLock(memory);
    if (locked == nullptr) {
        GlobalFree(memory);
        return;
    }
    std::memcpy(locked, bytes, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) GlobalFree(memory);
}

void set_dword(const wchar_t* format_name, DWORD value) {
    const UINT format = RegisterClipboardFormatW(format_name);
    if (format != 0) set_data(format, &value, sizeof value);
}

}  // namespace

void set_clipboard_text(HWND owner, std::wstring_view text) {
    if (!open_clipboard(owner)) return;
    EmptyClipboard();
    std::wstring terminated(text);
    set_data(CF_UNICODETEXT, terminated.c_str(), (terminated.size() + 1) * sizeof(wchar_t));
    // Windows' clipboard history, cloud clipboard and monitors honour these formats.
    set_dword(L"ExcludeClipboardContentFromMonitorProcessing", 0);
    set_dword(L"CanIncludeInClipboardHistory", 0);
    set_dword(L"CanUploadToCloudClipboard", 0);
    CloseClipboard();
}

}  // namespace quorvane::win32
