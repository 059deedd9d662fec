#pragma once

#include <windows.h>

#include <string_view>

namespace quorvane::win32 {

// Replaces the clipboard's content with this text as CF_UNICODETEXT, marked to stay out of
// clipboard history, cloud clipboard and clipboard monitors. Gives up silently when
// another program keeps the clipboard open for longer than about 100 ms.
void set_clipboard_text(HWND owner, std::wstring_view text);

}  // namespace quorvane::win32
