// The main window as data: one row per control, in stacking order (an earlier row lies
// above every later sibling). Both front-ends build their windows from this table alone.
#include <array>

#include "quorvane/ui/window_description.h"

namespace quorvane {
namespace {

using K = ControlKind;
constexpr std::string_view window = "";
constexpr std::string_view group = "分组框1";

constexpr Command copy(std::string_view box) { return {CommandKind::copy, box}; }
constexpr Command batch_copy(std::string_view accumulator) {
    return {CommandKind::batch_copy, accumulator};
}
constexpr Command generate{CommandKind::generate, {}};
constexpr Command open_web_page{CommandKind::open_web_page, {}};

constexpr std::string_view batch_text = "批量生成并复制";
constexpr std::string_view copy_text = "复制";

// Each copy and batch button serves the category its row's label names: rows 7 to 10
// show 编辑框10, 编辑框7, 编辑框8 and 编辑框9, and their batches come from the same categories.
// One control a line, as a table.
// clang-format off
constexpr std::array<ControlEntry, 60> controls{{
    {"编辑框20", K::edit_box, window, {704, 432, 312, 16}, "", &styles::accumulator_box, true, 0, {}},
    {"编辑框17", K::edit_box, window, {704, 296, 150, 128}, "", &styles::accumulator_box, true, 0, {}},
    {"编辑框18", K::edit_box, window, {864, 296, 150, 128}, "", &styles::accumulator_box, true, 0, {}},
    {"编辑框19", K::edit_box, window, {1024, 296, 150, 128}, "", &styles::accumulator_box, true, 0, {}},
    {"编辑框14", K::edit_box, window, {704, 160, 150, 128}, "", &styles::accumulator_box, true, 0, {}},
    {"编辑框15", K::edit_box, window, {864, 160, 150, 128}, "", &styles::accumulator_box, true, 0, {}},
    {"编辑框16", K::edit_box, window, {1024, 160, 150, 128}, "", &styles::accumulator_box, true, 0, {}},
    {"编辑框13", K::edit_box, window, {1024, 24, 150, 128}, "", &styles::accumulator_box, true, 0, {}},
    {"编辑框12", K::edit_box, window, {864, 24, 150, 128}, "", &styles::accumulator_box, true, 0, {}},
    {"编辑框11", K::edit_box, window, {704, 24, 150, 128}, "", &styles::accumulator_box, true, 0, {}},
    {"标签_密码位数3", K::label, group, {602, 320, 26, 24}, "个", &styles::centred_label, false, 0, {}},
    {"标签_密码位数2", K::label, group, {424, 320, 90, 24}, "批量生成：", &styles::row_label, false, 0, {}},
    {"编辑框_批量", K::edit_box, group, {519, 320, 73, 24}, "10", &styles::number_box, true, 0, {}},
    {"按钮12", K::button, window, {552, 40, 104, 24}, batch_text, &styles::plain_button, true, 0, batch_copy("编辑框11")},
    {"按钮13", K::button, window, {552, 72, 104, 24}, batch_text, &styles::plain_button, true, 0, batch_copy("编辑框12")},
    {"按钮14", K::button, window, {552, 104, 104, 24}, batch_text, &styles::plain_button, true, 0, batch_copy("编辑框13")},
    {"按钮15", K::button, window, {552, 135, 104, 24}, batch_text, &styles::plain_button, true, 0, batch_copy("编辑框14")},
    {"按钮16", K::button, window, {552, 164, 104, 24}, batch_text, &styles::plain_button, true, 0, batch_copy("编辑框15")},
    {"按钮17", K::button, window, {552, 192, 104, 24}, batch_text, &styles::plain_button, true, 0, batch_copy("编辑框16")},
    {"按钮18", K::button, window, {552, 220, 104, 24}, batch_text, &styles::plain_button, true, 0, batch_copy("编辑框20")},
    {"按钮19", K::button, window, {552, 248, 104, 24}, batch_text, &styles::plain_button, true, 0, batch_copy("编辑框17")},
    {"按钮20", K::button, window, {552, 274, 104, 24}, batch_text, &styles::plain_button, true, 0, batch_copy("编辑框18")},
    {"按钮21", K::button, window, {552, 304, 104, 24}, batch_text, &styles::plain_button, true, 0, batch_copy("编辑框19")},
    {"按钮11", K::button, group, {8, 40, 88, 72}, "网页版\r\n\r\n（别人的）", &styles::plain_button, true, 0, open_web_page},
    {"按钮_生成", K::button, group, {16, 360, 624, 56}, "生成", &styles::large_button, true, 0, generate},
    {"标签_密码位数1", K::label, group, {8, 320, 130, 24}, "密码前缀设置：", &styles::row_label, false, 0, {}},
    {"编辑框_前缀", K::edit_box, group, {143, 320, 65, 24}, "", &styles::single_line_box, true, 0, {}},
    {"按钮10", K::button, group, {424, 289, 104, 24}, copy_text, &styles::plain_button, true, 0, copy("编辑框9")},
    {"按钮9", K::button, group, {424, 258, 104, 24}, copy_text, &styles::plain_button, true, 0, copy("编辑框8")},
    {"按钮8", K::button, group, {424, 232, 104, 24}, copy_text, &styles::plain_button, true, 0, copy("编辑框7")},
    {"按钮7", K::button, group, {424, 205, 104, 24}, copy_text, &styles::plain_button, true, 0, copy("编辑框10")},
    {"按钮6", K::button, group, {424, 176, 104, 24}, copy_text, &styles::plain_button, true, 0, copy("编辑框6")},
    {"按钮5", K::button, group, {424, 148, 104, 24}, copy_text, &styles::plain_button, true, 0, copy("编辑框5")},
    {"按钮4", K::button, group, {424, 119, 104, 24}, copy_text, &styles::plain_button, true, 0, copy("编辑框4")},
    {"按钮3", K::button, group, {424, 88, 104, 24}, copy_text, &styles::plain_button, true, 0, copy("编辑框3")},
    {"按钮2", K::button, group, {424, 56, 104, 24}, copy_text, &styles::plain_button, true, 0, copy("编辑框2")},
    {"按钮1", K::button, group, {424, 24, 104, 24}, copy_text, &styles::plain_button, true, 0, copy("编辑框1")},
    {"编辑框10", K::edit_box, group, {241, 205, 180, 24}, "", &styles::single_line_box, true, 0, {}},
    {"标签10", K::label, group, {6, 205, 230, 24}, "数字大小写字母混合密码：", &styles::row_label, false, 0, {}},
    {"标签8", K::label, group, {7, 258, 230, 24}, "数字大写字母符号混合密码：", &styles::row_label, false, 0, {}},
    {"编辑框8", K::edit_box, group, {242, 258, 180, 24}, "", &styles::single_line_box, true, 0, {}},
    {"标签9", K::label, group, {7, 289, 230, 24}, "数字大小写字母符号混合密码：", &styles::row_label, false, 0, {}},
    {"编辑框9", K::edit_box, group, {242, 289, 180, 24}, "", &styles::single_line_box, true, 0, {}},
    {"标签7", K::label, group, {6, 176, 230, 24}, "数字大写字母混合密码：", &styles::row_label, false, 0, {}},
    {"编辑框6", K::edit_box, group, {241, 176, 180, 24}, "", &styles::single_line_box, true, 0, {}},
    {"标签6", K::label, group, {6, 119, 230, 24}, "纯特殊符号密码：", &styles::row_label, false, 0, {}},
    {"编辑框4", K::edit_box, group, {241, 119, 180, 24}, "", &styles::single_line_box, true, 0, {}},
    {"标签_密码位数", K::label, group, {224, 320, 115, 24}, "设置密码位数：", &styles::row_label, false, 0, {}},
    {"编辑框_密码位数", K::edit_box, group, {344, 320, 73, 24}, "16", &styles::number_box, true, 0, {}},
    {"标签5", K::label, group, {6, 232, 230, 24}, "数字小写字母符号混合密码：", &styles::row_label, false, 0, {}},
    {"标签4", K::label, group, {6, 148, 230, 24}, "数字小写字母混合密码：", &styles::row_label, false, 0, {}},
    {"标签3", K::label, group, {6, 88, 230, 24}, "纯大写字母密码：", &styles::row_label, false, 0, {}},
    {"标签2", K::label, group, {6, 56, 230, 24}, "纯小写字母密码：", &styles::row_label, false, 0, {}},
    {"标签1", K::label, group, {6, 24, 230, 24}, "纯数字密码：", &styles::row_label, false, 0, {}},
    {"编辑框7", K::edit_box, group, {241, 232, 180, 24}, "", &styles::single_line_box, true, 0, {}},
    {"编辑框5", K::edit_box, group, {241, 148, 180, 24}, "", &styles::single_line_box, true, 0, {}},
    {"编辑框3", K::edit_box, group, {241, 88, 180, 24}, "", &styles::single_line_box, true, 0, {}},
    {"编辑框2", K::edit_box, group, {241, 56, 180, 24}, "", &styles::single_line_box, true, 0, {}},
    {"编辑框1", K::edit_box, group, {241, 24, 180, 24}, "", &styles::single_line_box, true, 0, {}},
    {"分组框1", K::group_box, window, {16, 16, 656, 432}, "", &styles::group_frame, false, 0, {}},
}};
// clang-format on

constexpr WindowDescription description{
    .caption = "Quorvane",
    .icon_resource = "DEFAULT_ICON",
    .outer_width = 683,
    .outer_height = 480,
    .resizable = false,
    .minimise_box = true,
    .maximise_box = false,
    .esc_closes = true,
    .enter_moves_focus = false,
    .f1_opens_help = false,
    .controls = controls,
};

}  // namespace

const WindowDescription& main_window() { return description; }

}  // namespace quorvane
