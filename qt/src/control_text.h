#pragma once

#include <string>
#include <string_view>

class QWidget;

namespace quorvane::qt {

// A control's text as the commands see it: UTF-8, with a multi-line box's line breaks
// as "\r\n", so that what is written into an accumulator reads back byte for byte.
std::string read_control_text(const QWidget& control);

// Replaces the control's whole text; "\r\n" starts a new line in multi-line controls.
void write_control_text(QWidget& control, std::string_view text);

}  // namespace quorvane::qt
