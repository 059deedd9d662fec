#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "base_window.h"
#include "control_windows.h"
#include "fonts.h"
#include "quorvane/platform/random_bytes.h"
#include "quorvane/ui/window_description.h"
#include "window_platform.h"

namespace quorvane::win32 {

// The program's one window, built from the core's window description.
class MainWindow : public BaseWindow<MainWindow> {
  public:
    explicit MainWindow(const WindowDescription& description);

    // Creates the window with all its controls, centred on the screen, and shows it.
    bool create(int show_command);

    // The keys the window handles for all its controls before they see them; true when
    // the message was used up. Called by the message loop for every message.
    bool translate_key(const MSG& message);

    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);

  private:
    LRESULT on_create();
    LRESULT on_command(WPARAM wparam);
    LRESULT on_activate(WPARAM wparam, LPARAM lparam);
    LRESULT on_set_focus();
    LRESULT on_destroy();
    LRESULT on_control_colour(HDC dc, HWND control);

    bool create_controls();
    void stack_controls();
    void move_focus(int step);
    void force_outer_size();

    const WindowDescription& description_;
    Fonts fonts_;
    ControlWindows controls_;
    std::vector<HWND> tab_order_;
    HWND focus_to_restore_ = nullptr;
    std::unique_ptr<RandomBytes> random_;
    WindowPlatform platform_;
};

}  // namespace quorvane::win32
