#include "quorvane/ui/commands.h"

#include <gtest/gtest.h>

#include <string>

#include "quorvane/engine/character_tables.h"
#include "quorvane/ui/messages.h"
#include "quorvane/ui/window_description.h"
#include "support/memory_platform.h"
#include "support/scripted_random_bytes.h"

namespace quorvane {
namespace {

using testing::MemoryPlatform;
using testing::ScriptedRandomBytes;

void click(std::string_view button, MemoryPlatform& window, RandomBytes& random) {
    run_command(*find_control(main_window(), button)->click, window, random);
}

class Commands : public ::testing::Test {
  protected:
    MemoryPlatform window;
    std::unique_ptr<RandomBytes> random = make_system_random_bytes();
};

TEST_F(Commands, CopyBeforeAnyGenerationCopiesTheEmptyText) {
    click("按钮1", window, *random);
    EXPECT_EQ(window.clipboard, std::vector<std::string>{""});
}

TEST_F(Commands, CopyTakesWhatTheBoxHoldsNowWithoutGenerating) {
    click("按钮_生成", window, *random);
    window.write("编辑框10", "edited by hand");
    click("按钮7", window, *random);
    EXPECT_EQ(window.clipboard, std::vector<std::string>{"edited by hand"});
}

TEST_F(Commands, GenerateFillsTheRowsWithTheDefaultLength) {
    click("按钮_生成", window, *random);
    for (const auto box : result_boxes) EXPECT_EQ(window.read(box).size(), 16u) << box;
    EXPECT_TRUE(window.clipboard.empty());
    EXPECT_TRUE(window.errors.empty());
}

TEST_F(Commands, EachBatchButtonCopiesItsRowsCategory) {
    // Row labels, top to bottom, and the characters their batches may hold.
    const struct {
        std::string_view button, row_label;
        std::string_view allowed;
    } rows[] = {
        {"按钮12", "纯数字密码：", tables::DIGITS},
        {"按钮13", "纯小写字母密码：", tables::LOWER},
        {"按钮14", "纯大写字母密码：", tables::UPPER},
        {"按钮15", "纯特殊符号密码：", tables::SYMBOLS},
        {"按钮16", "数字小写字母混合密码：", tables::DIGITS_LOWER},
        {"按钮17", "数字大写字母混合密码：", tables::DIGITS_UPPER},
        {"按钮18", "数字大小写字母混合密码：", tables::ALNUM_62},
        {"按钮19", "数字小写字母符号混合密码：",
         "0123456789abcdefghijklmnopqrstuvwxyz~!@#$%^&*()_+-=,./<>?;:[]{}"},
        {"按钮20", "数字大写字母符号混合密码：",
         "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ~!@#$%^&*()_+-=,./<>?;:[]{}"},
        {"按钮21", "数字大小写字母符号混合密码：",
         "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ~!@#$%^&*()_+-=,."},
    };
    const auto& controls = main_window().controls;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.row_label);
        // The batch button stands on the label's line (window and group box tops differ by 16).
        const auto label = std::ranges::find(controls, row.row_label, &ControlEntry::initial_text);
        ASSERT_NE(label, controls.end());
        const ControlEntry& button = *find_control(main_window(), row.button);
        EXPECT_NEAR(client_rect(main_window(), button).top, client_rect(main_window(), *label).top,
                    1);

        window.write(length_box, "200");
        click(row.button, window, *random);
        ASSERT_EQ(window.clipboard.size(), 1u);
        const std::string batch = window.clipboard.back();
        window.clipboard.clear();
        EXPECT_EQ(batch.size(), 10u * 202u);
        std::string characters = batch;
        std::erase(characters, '\r');
        std::erase(characters, '\n');
        EXPECT_EQ(characters.find_first_not_of(row.allowed), std::string::npos) << batch;
        // 2000 draws reach every allowed character except with negligible odds.
        for (const char c : row.allowed) EXPECT_NE(characters.find(c), std::string::npos) << c;
    }
}

TEST_F(Commands, DefaultBatchIsTenLinesOfSixteen) {
    window.write(prefix_box, "ab");
    click("按钮_生成", window, *random);
    const auto results = window.snapshot();
    click("按钮12", window, *random);
    ASSERT_EQ(window.clipboard.size(), 1u);
    const std::string& batch = window.clipboard[0];
    ASSERT_EQ(batch.size(), 180u);
    for (std::size_t line = 0; line < 10; ++line) {
        EXPECT_EQ(batch.substr(line * 18 + 16, 2), "\r\n");
        EXPECT_EQ(batch.substr(line * 18, 16).find_first_not_of(tables::DIGITS), std::string::npos);
    }
    for (const auto box : result_boxes) EXPECT_EQ(window.read(box), results.at(std::string(box)));
}

TEST_F(Commands, TooLargeRunsReportAnErrorAndCopyNothing) {
    window.write(length_box, "2000000000");
    click("按钮_生成", window, *random);
    click("按钮12", window, *random);
    ASSERT_EQ(window.errors.size(), 2u);
    for (const auto& [caption, message] : window.errors) {
        EXPECT_EQ(caption, messages::error_caption);
        EXPECT_EQ(message, messages::too_large);
    }
    EXPECT_TRUE(window.clipboard.empty());
    EXPECT_EQ(window.read("编辑框1"), "");
}

TEST_F(Commands, AFailingRandomSourceIsReportedAndNothingIsCopied) {
    ScriptedRandomBytes broken({});
    click("按钮_生成", window, broken);
    click("按钮21", window, broken);
    ASSERT_EQ(window.errors.size(), 2u);
    EXPECT_EQ(window.errors[0].second, messages::random_failure);
    EXPECT_TRUE(window.clipboard.empty());
}

TEST_F(Commands, WebPageButtonOpensAnHttpsSiteAtItsRoot) {
    click("按钮11", window, *random);
    ASSERT_EQ(window.opened_urls.size(), 1u);
    const std::string& url = window.opened_urls[0];
    EXPECT_TRUE(url.starts_with("https://")) << url;
    EXPECT_EQ(url.find('/', 8), url.size() - 1) << url;
    EXPECT_EQ(url.find('?'), std::string::npos) << url;
}

}  // namespace
}  // namespace quorvane
