#include <algorithm>

#include "quorvane/ui/window_description.h"

namespace quorvane {

const ControlEntry* find_control(const WindowDescription& window, std::string_view name) {
    const auto found = std::ranges::find(window.controls, name, &ControlEntry::name);
    return found == window.controls.end() ? nullptr : &*found;
}

Rect client_rect(const WindowDescription& window, const ControlEntry& control) {
    Rect rect = control.bounds;
    for (const ControlEntry* parent = find_control(window, control.parent); parent != nullptr;
         parent = find_control(window, parent->parent)) {
        rect.left += parent->bounds.left;
        rect.top += parent->bounds.top;
    }
    return rect;
}

std::vector<const ControlEntry*> tab_order(const WindowDescription& window) {
    std::vector<const ControlEntry*> order;
    for (auto it = window.controls.rbegin(); it != window.controls.rend(); ++it)
        if (it->tab_stop) order.push_back(&*it);
    std::ranges::stable_sort(order, {}, &ControlEntry::tab_index);
    return order;
}

Point centred_position(const WindowDescription& window, int screen_width, int screen_height) {
    return {(screen_width - window.outer_width) / 2, (screen_height - window.outer_height) / 2};
}

bool accepts_typed_character(const Style& style, char32_t character) {
    if (!style.digits_and_minus_only || character < U' ') return true;
    return (character >= U'0' && character <= U'9') || character == U'-';
}

}  // namespace quorvane
