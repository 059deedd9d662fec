#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "quorvane/ui/commands.h"

namespace quorvane {

enum class ControlKind { edit_box, button, label, group_box };
enum class Alignment { left, centre, right };

// How a kind of control looks and takes input.
struct Style {
    std::string_view name;
    int font_pixel_height;  // 0: the platform's default control font
    Alignment alignment;
    bool multi_line;  // "\r\n" stays a line break, Enter inserts one
    bool sunken_edge;
    bool white_background;       // black on white; otherwise black on the button face
    bool digits_and_minus_only;  // typed characters from space up are filtered
};

// clang-format off
namespace styles {
//                                   name               font  alignment          multi  sunken white  digits
inline constexpr Style single_line_box{"single-line box", 16, Alignment::centre, false, true,  true,  false};
inline constexpr Style number_box{     "number box",      16, Alignment::centre, false, true,  true,  true};
inline constexpr Style accumulator_box{"accumulator box", 0,  Alignment::left,   true,  true,  true,  false};
inline constexpr Style row_label{      "row label",       16, Alignment::right,  false, false, false, false};
inline constexpr Style centred_label{  "centred label",   16, Alignment::centre, false, false, false, false};
inline constexpr Style plain_button{   "plain button",    0,  Alignment::centre, true,  false, false, false};
inline constexpr Style large_button{   "large button",    35, Alignment::centre, true,  false, false, false};
inline constexpr Style group_frame{    "group frame",     0,  Alignment::left,   false, false, false, false};
}  // namespace styles
// clang-format on

struct Rect {
    int left, top, width, height;
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct ControlEntry {
    std::string_view name;
    ControlKind kind;
    std::string_view parent;  // empty: the window itself
    Rect bounds;              // relative to the parent's client area
    std::string_view initial_text;
    const Style* style;
    bool tab_stop;
    int tab_index;
    std::optional<Command> click;
};

struct WindowDescription {
    std::string_view caption;
    std::string_view icon_resource;
    int outer_width;
    int outer_height;
    bool resizable;
    bool minimise_box;
    bool maximise_box;
    bool esc_closes;
    bool enter_moves_focus;
    bool f1_opens_help;
    std::span<const ControlEntry> controls;  // stacking order: earlier lies above later
};

const WindowDescription& main_window();

// The control of that name, or nullptr.
const ControlEntry* find_control(const WindowDescription& window, std::string_view name);

// Where a control lies in the window's client area, its parents' offsets added.
Rect client_rect(const WindowDescription& window, const ControlEntry& control);

// The focus order of Tab: the tab stops sorted by tab index, equal indices in the
// reverse order of the control table.
std::vector<const ControlEntry*> tab_order(const WindowDescription& window);

// Top-left corner of the window centred on a screen of that size, truncated toward zero.
struct Point {
    int x, y;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};
Point centred_position(const WindowDescription& window, int screen_width, int screen_height);

// Whether a box of this style takes a typed character; below space everything passes.
bool accepts_typed_character(const Style& style, char32_t character);

}  // namespace quorvane
