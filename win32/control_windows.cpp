#include "control_windows.h"

#include <algorithm>

namespace quorvane::win32 {

HWND ControlWindows::by_name(std::string_view name) const {
    const auto& controls = description_.controls;
    const auto found = std::ranges::find(controls, name, &ControlEntry::name);
    return found == controls.end() ? nullptr
                                   : windows_[static_cast<std::size_t>(found - controls.begin())];
}

const ControlEntry* ControlWindows::entry_of_id(int id) const {
    const int row = id - 1;
    if (row < 0 || static_cast<std::size_t>(row) >= description_.controls.size()) return nullptr;
    return &description_.controls[static_cast<std::size_t>(row)];
}

const ControlEntry* ControlWindows::entry_of_window(HWND window) const {
    if (window == nullptr) return nullptr;
    const auto found = std::ranges::find(windows_, window);
    return found == windows_.end()
               ? nullptr
               : &description_.controls[static_cast<std::size_t>(found - windows_.begin())];
}

}  // namespace quorvane::win32
