#pragma once

#include <QWidget>
#include <memory>
#include <string_view>

#include "controls.h"
#include "desktop_platform.h"
#include "quorvane/platform/random_bytes.h"
#include "quorvane/ui/window_description.h"

namespace quorvane::qt {

// The program's one window, built from the core's description and nothing else.
class MainWindow : public QWidget {
  public:
    explicit MainWindow(const WindowDescription& description);

    // Builds the controls, their stacking, keys and commands, and places the window;
    // false when a control cannot be made.
    bool create();

    // The control of that name in the description, or nullptr.
    QWidget* control(std::string_view name) const;

  protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void set_up_frame();
    QWidget* create_control(const ControlEntry& entry);
    void stack_controls();
    void set_up_keys();
    void bind_commands();
    void keep_outer_size();

    const WindowDescription& description_;
    ControlsByName controls_;
    DesktopPlatform platform_;
    std::unique_ptr<RandomBytes> random_;
    QSize frame_size_{0, 0};  // what the window manager's frame adds to the client size
};

}  // namespace quorvane::qt
