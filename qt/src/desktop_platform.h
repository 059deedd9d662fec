#pragma once

#include <QWidget>

#include "controls.h"
#include "quorvane/ui/platform.h"

namespace quorvane::qt {

// What the commands need from the desktop: the window's controls by name, the
// clipboard, the default browser and an error box over the window.
class DesktopPlatform : public Platform {
  public:
    DesktopPlatform(QWidget& window, const ControlsByName& controls);

    std::string read(std::string_view control) const override;
    void write(std::string_view control, std::string_view text) override;
    void set_clipboard_text(std::string_view text) override;
    void open_web_page(std::string_view url) override;
    void show_error(std::string_view caption, std::string_view message) override;

  private:
    QWidget* find(std::string_view control) const;

    QWidget& window_;
    const ControlsByName& controls_;
};

}  // namespace quorvane::qt
