#pragma once

#include <windows.h>

#include "control_windows.h"
#include "quorvane/ui/platform.h"

namespace quorvane::win32 {

// What the commands need, done with the main window's controls, the clipboard, the shell
// and message boxes.
class WindowPlatform final : public Platform {
  public:
    WindowPlatform(const HWND& owner, const ControlWindows& controls)
        : owner_(owner), controls_(controls) {}

    std::string read(std::string_view control) const override;
    void write(std::string_view control, std::string_view text) override;
    void set_clipboard_text(std::string_view text) override;
    void open_web_page(std::string_view url) override;
    void show_error(std::string_view caption, std::string_view message) override;

  private:
    const HWND& owner_;  // the main window, once it exists
    const ControlWindows& controls_;
};

// An error box captioned and worded in UTF-8, owned by owner (which may be nullptr).
void show_error_box(HWND owner, std::string_view caption, std::string_view message);

}  // namespace quorvane::win32
