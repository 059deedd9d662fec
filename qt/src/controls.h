#pragma once

#include <functional>
#include <map>
#include <string_view>

#include "quorvane/ui/window_description.h"

class QWidget;

namespace quorvane::qt {

// The window's controls by their names in the description.
using ControlsByName = std::map<std::string_view, QWidget*, std::less<>>;

// Makes the widget for one control of the description inside its parent, at its
// bounds, with its style and initial text. The caller decides the stacking.
QWidget* make_control(const ControlEntry& entry, QWidget& parent);

}  // namespace quorvane::qt
