#pragma once

class QString;

namespace quorvane::qt {

// Replaces the clipboard's content with this one plain text, marked as a secret so that
// clipboard managers which honour the mark keep no history of it.
void set_clipboard_text(const QString& text);

}  // namespace quorvane::qt
