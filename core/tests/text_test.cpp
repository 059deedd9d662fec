#include "quorvane/platform/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace quorvane {
namespace {

TEST(TextToInteger, ReadsTheNumberItsLeadingDigitsForm) {
    const struct {
        std::string text;
        std::int32_t expected;
    } cases[] = {
        {"16", 16},
        {" 16", 16},
        {"\t\r\n\v\f16", 16},
        {"16ab", 16},
        {"1 6", 1},
        {"", 0},
        {"ab", 0},
        {"-", 0},
        {"+7", 7},
        {"-3", -3},
        {"--3", 0},
        {"+-3", 0},
        {"- 3", 0},
        {"007", 7},
        {"4294967312", 16},         // 2^32 + 16 wraps to 16
        {"2147483648", INT32_MIN},  // 2^31
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"１６", 16},       // full-width digits
        {"－５", -5},       // full-width minus
        {"＋８", 8},        // full-width plus
        {"\u3000１6", 16},  // ideographic space is a blank
        {"1２3", 123},      // half and full width mixed
        {"１６个", 16},     // a Chinese character ends the digits
        {"个16", 0},        // and is no blank before them
        {"1٣", 1},          // digits of other scripts are not digits
        {"１６ab", 16},
        {"Ａ1", 0},  // full-width letters are letters
        {"\xff"
         "1",
         0},  // a malformed byte stops the number
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(text_to_integer(c.text), c.expected);
    }
}

TEST(TextLength, CountsOneForAsciiAndTwoForEveryOtherCharacter) {
    EXPECT_EQ(text_length(""), 0);
    EXPECT_EQ(text_length("ab"), 2);
    EXPECT_EQ(text_length("密码"), 4);
    EXPECT_EQ(text_length("a密b"), 4);
    EXPECT_EQ(text_length("１"), 2);
    EXPECT_EQ(text_length("😀"), 2);
}

TEST(RightPart, KeepsTheLastUnitsOfAText) {
    const struct {
        std::string text;
        std::int64_t n;
        std::string expected;
    } cases[] = {
        {"abc", 5, "abc"},   {"abc", 3, "abc"}, {"abc", 2, "bc"},     {"abc", 0, ""},
        {"abc", -1, ""},     {"", 4, ""},       {"a密码", 4, "密码"}, {"a密码", 5, "a密码"},
        {"a密码", 3, "码"},  // half of 密 cannot be kept
        {"密码b", 3, "码b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " / " + std::to_string(c.n));
        EXPECT_EQ(right_part(c.text, c.n), c.expected);
    }
}

}  // namespace
}  // namespace quorvane
