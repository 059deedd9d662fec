#include "quorvane/ui/window_description.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "quorvane/engine/character_tables.h"

namespace quorvane {
namespace {

const WindowDescription& window = main_window();

TEST(WindowDescription, HoldsSixtyUniquelyNamedControlsOfTheirKinds) {
    std::map<ControlKind, int> kinds;
    std::set<std::string_view> names;
    for (const ControlEntry& control : window.controls) {
        ++kinds[control.kind];
        EXPECT_TRUE(names.insert(control.name).second) << "duplicate " << control.name;
        EXPECT_TRUE(control.parent.empty() || find_control(window, control.parent) != nullptr)
            << control.name;
        EXPECT_EQ(control.tab_stop,
                  control.kind == ControlKind::edit_box || control.kind == ControlKind::button)
            << control.name;
        EXPECT_EQ(control.click.has_value(), control.kind == ControlKind::button) << control.name;
    }
    EXPECT_EQ(window.controls.size(), 60u);
    EXPECT_EQ(kinds[ControlKind::edit_box], 23);
    EXPECT_EQ(kinds[ControlKind::button], 22);
    EXPECT_EQ(kinds[ControlKind::label], 14);
    EXPECT_EQ(kinds[ControlKind::group_box], 1);
}

TEST(WindowDescription, EveryBoxTheEngineUsesIsAnEditBox) {
    std::vector<std::string_view> boxes{length_box, prefix_box, count_box};
    boxes.insert(boxes.end(), result_boxes.begin(), result_boxes.end());
    boxes.insert(boxes.end(), accumulators.begin(), accumulators.end());
    for (const auto box : boxes) {
        const ControlEntry* control = find_control(window, box);
        ASSERT_NE(control, nullptr) << box;
        EXPECT_EQ(control->kind, ControlKind::edit_box) << box;
    }
}

TEST(WindowDescription, TabOrderRunsThroughTheFortyFiveTabStops) {
    const std::vector<std::string_view> expected = {
        "编辑框1",  "编辑框2",  "编辑框3",  "编辑框5",     "编辑框7",     "编辑框_密码位数",
        "编辑框4",  "编辑框6",  "编辑框9",  "编辑框8",     "编辑框10",    "按钮1",
        "按钮2",    "按钮3",    "按钮4",    "按钮5",       "按钮6",       "按钮7",
        "按钮8",    "按钮9",    "按钮10",   "编辑框_前缀", "按钮_生成",   "按钮11",
        "按钮21",   "按钮20",   "按钮19",   "按钮18",      "按钮17",      "按钮16",
        "按钮15",   "按钮14",   "按钮13",   "按钮12",      "编辑框_批量", "编辑框11",
        "编辑框12", "编辑框13", "编辑框16", "编辑框15",    "编辑框14",    "编辑框19",
        "编辑框18", "编辑框17", "编辑框20"};
    std::vector<std::string_view> actual;
    for (const ControlEntry* control : tab_order(window)) actual.push_back(control->name);
    EXPECT_EQ(actual, expected);
}

TEST(WindowDescription, EachRowsButtonsServeTheCategoryItsLabelNames) {
    // Row, copy button, batch button, the result box they copy or the accumulator of the same
    // category.
    const struct {
        std::string_view copy_button, result_box, batch_button, accumulator;
    } rows[] = {
        {"按钮1", "编辑框1", "按钮12", "编辑框11"},  {"按钮2", "编辑框2", "按钮13", "编辑框12"},
        {"按钮3", "编辑框3", "按钮14", "编辑框13"},  {"按钮4", "编辑框4", "按钮15", "编辑框14"},
        {"按钮5", "编辑框5", "按钮16", "编辑框15"},  {"按钮6", "编辑框6", "按钮17", "编辑框16"},
        {"按钮7", "编辑框10", "按钮18", "编辑框20"}, {"按钮8", "编辑框7", "按钮19", "编辑框17"},
        {"按钮9", "编辑框8", "按钮20", "编辑框18"},  {"按钮10", "编辑框9", "按钮21", "编辑框19"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.copy_button);
        EXPECT_EQ(find_control(window, row.copy_button)->click,
                  (Command{CommandKind::copy, row.result_box}));
        EXPECT_EQ(find_control(window, row.batch_button)->click,
                  (Command{CommandKind::batch_copy, row.accumulator}));
        // The copy button, the box and the label of a row share one line of the window.
        EXPECT_EQ(find_control(window, row.copy_button)->bounds.top,
                  find_control(window, row.result_box)->bounds.top);
    }
    EXPECT_EQ(find_control(window, "按钮_生成")->click, (Command{CommandKind::generate, {}}));
    EXPECT_EQ(find_control(window, "按钮11")->click, (Command{CommandKind::open_web_page, {}}));
}

TEST(WindowDescription, AccumulatorsLieOutsideTheWindow) {
    for (const auto box : accumulators) {
        const ControlEntry& control = *find_control(window, box);
        EXPECT_TRUE(control.parent.empty()) << box;
        EXPECT_GE(client_rect(window, control).left, window.outer_width) << box;
        EXPECT_TRUE(control.style->multi_line) << box;
    }
}

TEST(WindowDescription, ChildrenOfTheGroupBoxAreOffsetByItsCorner) {
    EXPECT_EQ(client_rect(window, *find_control(window, "编辑框1")), (Rect{257, 40, 180, 24}));
    EXPECT_EQ(client_rect(window, *find_control(window, "按钮12")), (Rect{552, 40, 104, 24}));
    int children = 0;
    for (const ControlEntry& control : window.controls) children += control.parent == "分组框1";
    EXPECT_EQ(children, 39);
}

TEST(WindowPlacement, CentresOnTheScreenTruncatingTowardZero) {
    EXPECT_EQ(centred_position(window, 1920, 1080), (Point{618, 300}));
    EXPECT_EQ(centred_position(window, 1024, 768), (Point{170, 144}));
    EXPECT_EQ(centred_position(window, 640, 480), (Point{-21, 0}));  // -21.5 toward zero
}

TEST(NumberBoxFilter, TakesDigitsMinusAndControlCharactersOnly) {
    const Style& number = *find_control(window, length_box)->style;
    const Style& prefix = *find_control(window, prefix_box)->style;
    EXPECT_EQ(find_control(window, count_box)->style, &number);
    for (const char32_t c : {U'0', U'9', U'-', U'\b', U'\x16', U'\r'})
        EXPECT_TRUE(accepts_typed_character(number, c)) << static_cast<unsigned>(c);
    for (const char32_t c : {U'a', U' ', U'+', U'.', U'１', U'密', U'\x7F'})
        EXPECT_FALSE(accepts_typed_character(number, c)) << static_cast<unsigned>(c);
    for (const char32_t c : {U'a', U' ', U'密'})
        EXPECT_TRUE(accepts_typed_character(prefix, c)) << static_cast<unsigned>(c);
}

}  // namespace
}  // namespace quorvane
