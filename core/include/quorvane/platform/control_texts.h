#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// The texts of the window's controls, reached by control name. All texts are UTF-8;
// a control that holds nothing reads as the empty text.
class ControlTexts {
  public:
    virtual ~ControlTexts() = default;
    virtual std::string read(std::string_view control) const = 0;
    virtual void write(std::string_view control, std::string_view text) = 0;
};

}  // namespace quorvane
