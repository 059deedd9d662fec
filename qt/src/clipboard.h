#pragma once

#include <string_view>

namespace quorvane::qt {

// Replaces the clipboard's content with this one plain UTF-8 text, marked as a secret
// so that clipboard managers which honour the mark keep no history of it.
void set_clipboard_text(std::string_view utf8);

}  // namespace quorvane::qt
