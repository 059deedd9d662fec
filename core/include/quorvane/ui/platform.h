#pragma once

#include <string_view>

#include "quorvane/platform/control_texts.h"

namespace quorvane {

// What a front-end supplies to the commands: its controls' texts and the desktop's services.
class Platform : public ControlTexts {
  public:
    // Replaces the clipboard's content with this one plain text; failures stay silent.
    virtual void set_clipboard_text(std::string_view text) = 0;
    // Opens the address in the default browser without waiting; failures stay silent.
    virtual void open_web_page(std::string_view url) = 0;
    // Shows an error box and returns when the user has dismissed it.
    virtual void show_error(std::string_view caption, std::string_view message) = 0;
};

}  // namespace quorvane
