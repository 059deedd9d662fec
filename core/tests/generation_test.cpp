// The single and the batch generation over an in-memory window with scripted random bytes.
#include "quorvane/engine/generation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quorvane/engine/character_tables.h"
#include "quorvane/platform/text.h"
#include "support/memory_platform.h"
#include "support/scripted_random_bytes.h"

namespace quorvane {
namespace {

using testing::MemoryPlatform;
using testing::ScriptedRandomBytes;

// Two rounds of one byte per category: the first picks entry b + 1, the second the
// last entry each category can reach (63 of 64, 89 of 100), or wraps round to the first.
const std::vector<unsigned char> two_rounds = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                               15, 25, 26, 27, 35, 35, 62, 62, 88, 61};
const std::array<std::string, category_count> first_round = {"0", "b", "C", "#", "4",
                                                             "5", "6", "7", "8", "9"};
const std::array<std::string, category_count> second_round = {"5", "z", "A", "|", "z",
                                                              "Z", "}", "}", ".", "Z"};

// Position i of every category draws byte i, so result box 1 spells out the positions.
std::vector<unsigned char> positions_script(int positions) {
    std::vector<unsigned char> script;
    for (int i = 0; i < positions; ++i)
        script.insert(script.end(), category_count, static_cast<unsigned char>(i));
    return script;
}

// Every box whose name is not in `written` is as it was.
void expect_only_written(const MemoryPlatform& before, const MemoryPlatform& after,
                         const std::array<std::string_view, category_count>& written) {
    auto expected = before.snapshot();
    auto actual = after.snapshot();
    for (const auto box : written) {
        expected.erase(std::string(box));
        actual.erase(std::string(box));
    }
    EXPECT_EQ(actual, expected);
}

TEST(SingleGeneration, DrawsPositionByPositionAndWithinAPositionCategoryByCategory) {
    MemoryPlatform window;
    window.write(length_box, "2");
    ScriptedRandomBytes bytes(two_rounds);
    ASSERT_EQ(run_single_generation(window, bytes), RunOutcome::done);
    for (std::size_t k = 0; k < category_count; ++k)
        EXPECT_EQ(window.read(result_boxes[k]), first_round[k] + second_round[k])
            << result_boxes[k];
}

TEST(SingleGeneration, BytesThatWouldFavourLowDrawsAreThrownAway) {
    MemoryPlatform window;
    window.write(length_box, "1");
    // Category 1 (bound 10) skips 250 and 255; category 9 (bound 89) skips 178 and 255.
    ScriptedRandomBytes bytes({250, 255, 3, 0, 0, 0, 0, 0, 0, 0, 178, 255, 88, 0});
    ASSERT_EQ(run_single_generation(window, bytes), RunOutcome::done);
    EXPECT_EQ(window.read("编辑框1"), "3");
    EXPECT_EQ(window.read("编辑框9"), ".");
    EXPECT_EQ(window.read("编辑框10"), "0");
}

TEST(SingleGeneration, PrefixTakesThePlaceOfTheFirstCharactersDrawn) {
    const struct {
        std::string length, prefix, expected_box1;
    } cases[] = {
        {"4", "", "0123"},
        {"4", "ab", "ab23"},
        {"6", "密码", "密码45"},        // two Chinese characters count 4
        {"8", "abcdefgh", "abcdefgh"},  // prefix as long as the password
        {"5", "abcdefgh", "abcdefgh"},  // longer: the prefix alone, not cut
        {"0", "x", "x"},
        {"", "x", "x"},
        {"abc", "x", "x"},
        {"-3", "x", "x"},
        {"-3", "", ""},
        {" 4", "", "0123"},
        {"4ab", "", "0123"},
        {"４", "", "0123"},  // full-width digit, as pasted
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("length '" + c.length + "', prefix '" + c.prefix + "'");
        MemoryPlatform window;
        window.write(length_box, c.length);
        window.write(prefix_box, c.prefix);
        const MemoryPlatform before = window;
        ScriptedRandomBytes bytes(positions_script(8));
        ASSERT_EQ(run_single_generation(window, bytes), RunOutcome::done);
        EXPECT_EQ(window.read(result_boxes[0]), c.expected_box1);
        for (const auto box : result_boxes) {
            EXPECT_EQ(window.read(box).substr(0, c.prefix.size()), c.prefix) << box;
            EXPECT_EQ(text_length(window.read(box)), text_length(c.expected_box1)) << box;
        }
        expect_only_written(before, window, result_boxes);  // inputs and accumulators stay
    }
}

TEST(SingleGeneration, ReplacesThePasswordsOfTheRunBefore) {
    MemoryPlatform window;
    window.write(length_box, "2");
    ScriptedRandomBytes first(positions_script(2));
    ASSERT_EQ(run_single_generation(window, first), RunOutcome::done);
    window.write(length_box, "0");
    ScriptedRandomBytes second({});
    ASSERT_EQ(run_single_generation(window, second), RunOutcome::done);
    for (const auto box : result_boxes) EXPECT_EQ(window.read(box), "") << box;
}

TEST(BatchGeneration, WritesOnePasswordPerLineInDrawOrder) {
    MemoryPlatform window;
    window.write(length_box, "1");
    window.write(count_box, "2");
    window.write(prefix_box, "pp");  // batches carry no prefix
    const MemoryPlatform before = window;
    ScriptedRandomBytes bytes(two_rounds);
    ASSERT_EQ(run_batch_generation(window, bytes), RunOutcome::done);
    for (std::size_t k = 0; k < category_count; ++k)
        EXPECT_EQ(window.read(accumulators[k]), first_round[k] + "\r\n" + second_round[k] + "\r\n")
            << accumulators[k];
    expect_only_written(before, window, accumulators);  // result boxes and inputs stay
}

TEST(BatchGeneration, TextHoldsCountTimesLengthPlusLineBreakBytes) {
    const struct {
        std::string length, count;
        std::size_t lines, line_length;
    } cases[] = {
        {"16", "10", 10, 16}, {"0", "3", 3, 0},   {"16", "0", 0, 0}, {"16", "-2", 0, 0},
        {"16", "", 0, 0},     {"16", "ab", 0, 0}, {"-5", "2", 2, 0}, {"3", "１２", 12, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("length '" + c.length + "', count '" + c.count + "'");
        MemoryPlatform window;
        window.write(length_box, c.length);
        window.write(count_box, c.count);
        ScriptedRandomBytes bytes(std::vector<unsigned char>(4000, 0));
        ASSERT_EQ(run_batch_generation(window, bytes), RunOutcome::done);
        std::string expected;
        for (std::size_t line = 0; line < c.lines; ++line)
            expected += std::string(c.line_length, '0') + "\r\n";
        EXPECT_EQ(window.read(accumulators[0]), expected);
        for (const auto box : accumulators)
            EXPECT_EQ(window.read(box).size(), expected.size()) << box;
    }
}

TEST(GenerationLimits, RunsThatWouldPassSixteenMebibytesChangeNothing) {
    const struct {
        std::string length, count, prefix;
        bool batch;
    } cases[] = {
        {"16777217", "", "", false},
        {"16777216", "", "密", false},  // 3 bytes of prefix + 16777214 drawn
        {"2147483647", "", "", false},
        {"14", "1048577", "", true},             // 16 bytes a line
        {"2147483647", "2147483647", "", true},  // the product needs 62 bits
        {"16777215", "1", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length + " x " + c.count + (c.batch ? " batch" : " single"));
        MemoryPlatform window;
        window.write(length_box, c.length);
        window.write(count_box, c.count);
        window.write(prefix_box, c.prefix);
        window.write(result_boxes[0], "old password");
        window.write(accumulators[0], "old batch\r\n");
        const auto before = window.snapshot();
        ScriptedRandomBytes bytes({});
        const RunOutcome outcome =
            c.batch ? run_batch_generation(window, bytes) : run_single_generation(window, bytes);
        EXPECT_EQ(outcome, RunOutcome::too_large);
        EXPECT_EQ(window.snapshot(), before);
        EXPECT_EQ(bytes.calls, 0);
    }
}

TEST(GenerationLimits, RunsOfExactlySixteenMebibytesGoAhead) {
    // A source that fails at once shows the size check was passed.
    MemoryPlatform window;
    window.write(length_box, "14");
    window.write(count_box, "1048576");
    ScriptedRandomBytes batch_bytes({});
    EXPECT_EQ(run_batch_generation(window, batch_bytes), RunOutcome::random_failure);

    window.write(length_box, "16777215");
    window.write(prefix_box, "a密");  // 4 bytes, 3 units: 16777212 drawn characters kept
    ScriptedRandomBytes single_bytes({});
    EXPECT_EQ(run_single_generation(window, single_bytes), RunOutcome::random_failure);
}

TEST(GenerationFailure, AFailingSourceLeavesNoPasswordBehind) {
    MemoryPlatform window;
    for (std::size_t k = 0; k < category_count; ++k) {
        window.write(result_boxes[k], "old password");
        window.write(accumulators[k], "old batch\r\n");
    }
    const MemoryPlatform before = window;
    // Enough bytes for part of the first password only.
    ScriptedRandomBytes single_bytes(std::vector<unsigned char>(25, 0), 5);
    EXPECT_EQ(run_single_generation(window, single_bytes), RunOutcome::random_failure);
    for (const auto box : result_boxes) EXPECT_EQ(window.read(box), "") << box;
    expect_only_written(before, window, result_boxes);

    ScriptedRandomBytes batch_bytes(std::vector<unsigned char>(25, 0), 5);
    EXPECT_EQ(run_batch_generation(window, batch_bytes), RunOutcome::random_failure);
    for (const auto box : accumulators) EXPECT_EQ(window.read(box), "") << box;
}

}  // namespace
}  // namespace quorvane
