#pragma once

#include <windows.h>

namespace quorvane::win32 {

// A group box that holds controls: it passes their notifications (clicks, colours) on to
// its own parent and fills its inside with the button face, which the BUTTON class leaves
// to the parent.
bool add_group_box_behaviour(HWND group_box);

}  // namespace quorvane::win32
