#pragma once

#include <windows.h>

#include "quorvane/ui/window_description.h"

namespace quorvane::win32 {

// Gives an edit box what its style asks beyond the system's EDIT class: a single-line box
// shows its line centred vertically, and a number box drops typed characters that its
// style does not accept (pasted text still goes in as it is).
bool add_edit_box_behaviour(HWND edit_box, const Style& style);

}  // namespace quorvane::win32
