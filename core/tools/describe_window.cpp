// Prints the main window's description as JSON: what an outside driver needs to find
// and use each control (client rectangle, kind, style, binding, tab order).
#include <iostream>
#include <string>
#include <string_view>

#include "quorvane/ui/window_description.h"

namespace {

using quorvane::CommandKind;
using quorvane::ControlKind;

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

std::string_view kind_name(ControlKind kind) {
    switch (kind) {
        case ControlKind::edit_box:
            return "edit_box";
        case ControlKind::button:
            return "button";
        case ControlKind::label:
            return "label";
        case ControlKind::group_box:
            return "group_box";
    }
    return "";
}

std::string_view command_name(CommandKind kind) {
    switch (kind) {
        case CommandKind::generate:
            return "generate";
        case CommandKind::copy:
            return "copy";
        case CommandKind::batch_copy:
            return "batch_copy";
        case CommandKind::open_web_page:
            return "open_web_page";
    }
    return "";
}

}  // namespace

int main() {
    const auto& window = quorvane::main_window();
    std::cout << "{\n  \"caption\": " << quoted(window.caption)
              << ",\n  \"outer_width\": " << window.outer_width
              << ",\n  \"outer_height\": " << window.outer_height
              << ",\n  \"web_page_url\": " << quoted(quorvane::web_page_url)
              << ",\n  \"controls\": [\n";
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        const auto& control = window.controls[i];
        const auto rect = quorvane::client_rect(window, control);
        std::cout << "    {\"name\": " << quoted(control.name) << ", \"kind\": \""
                  << kind_name(control.kind) << "\", \"style\": " << quoted(control.style->name)
                  << ", \"left\": " << rect.left << ", \"top\": " << rect.top
                  << ", \"width\": " << rect.width << ", \"height\": " << rect.height
                  << ", \"text\": " << quoted(control.initial_text);
        if (control.click)
            std::cout << ", \"click\": {\"command\": \"" << command_name(control.click->kind)
                      << "\", \"box\": " << quoted(control.click->box) << "}";
        std::cout << "}" << (i + 1 < window.controls.size() ? "," : "") << "\n";
    }
    std::cout << "  ],\n  \"tab_order\": [";
    const auto order = quorvane::tab_order(window);
    for (std::size_t i = 0; i < order.size(); ++i)
        std::cout << (i ? ", " : "") << quoted(order[i]->name);
    std::cout << "]\n}\n";
}
