#pragma once

#include <windows.h>

#include "fonts.h"
#include "quorvane/ui/window_description.h"

namespace quorvane::win32 {

// Creates one control of the window description inside its parent window, visible, with
// its text, font and style; nullptr when the system refuses.
HWND create_control(const ControlEntry& control, HWND parent, int id, Fonts& fonts);

}  // namespace quorvane::win32
