#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "quorvane/ui/window_description.h"

namespace quorvane::win32 {

// The window handle of each control of the description, found by name, by handle or by
// control identifier. The identifier of the control in row i of the table is i + 1.
class ControlWindows {
  public:
    explicit ControlWindows(const WindowDescription& description)
        : description_(description), windows_(description.controls.size(), nullptr) {}

    static int id_of(std::size_t row) { return static_cast<int>(row) + 1; }

    void set(std::size_t row, HWND window) { windows_[row] = window; }
    HWND at(std::size_t row) const { return windows_[row]; }
    // nullptr for a name that is not in the table.
    HWND by_name(std::string_view name) const;
    // The entry of a control identifier or of a control window; nullptr for any other.
    const ControlEntry* entry_of_id(int id) const;
    const ControlEntry* entry_of_window(HWND window) const;

  private:
    const WindowDescription& description_;
    std::vector<HWND> windows_;
};

}  // namespace quorvane::win32
