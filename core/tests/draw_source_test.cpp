#include "quorvane/platform/draw_source.h"

#include <gtest/gtest.h>

#include "support/scripted_random_bytes.h"

namespace quorvane {
namespace {

using testing::ScriptedRandomBytes;

TEST(DrawSource, MapsAcceptedBytesOntoOneToBound) {
    ScriptedRandomBytes bytes({0, 9, 10, 249, 88, 177});
    DrawSource source(bytes);
    EXPECT_EQ(source.draw(10), 1);
    EXPECT_EQ(source.draw(10), 10);
    EXPECT_EQ(source.draw(10), 1);
    EXPECT_EQ(source.draw(10), 10);  // 249 is the last byte below 250
    EXPECT_EQ(source.draw(89), 89);
    EXPECT_EQ(source.draw(89), 89);  // 177 = 89 + 88
}

TEST(DrawSource, RejectsTheBytesThatWouldFavourLowDraws) {
    // 256 = 2 * 89 + 78: bytes 178 and up would make draws 1 to 78 more likely.
    ScriptedRandomBytes bytes({178, 255, 200, 5});
    DrawSource source(bytes);
    EXPECT_EQ(source.draw(89), 6);
    EXPECT_EQ(bytes.used(), 4u);
}

TEST(DrawSource, EveryDrawIsEquallyLikelyOverTheAcceptedBytes) {
    std::vector<unsigned char> every_byte(256);
    for (std::size_t b = 0; b < every_byte.size(); ++b)
        every_byte[b] = static_cast<unsigned char>(b);
    for (const int bound : {10, 26, 28, 36, 62, 63, 89}) {
        SCOPED_TRACE(bound);
        ScriptedRandomBytes bytes(every_byte);
        DrawSource source(bytes);
        std::vector<int> counts(static_cast<std::size_t>(bound) + 1);
        for (int i = 0; i < DrawSource::rejection_limit(bound); ++i) {
            const int r = source.draw(bound);
            ASSERT_GE(r, 1);
            ASSERT_LE(r, bound);
            ++counts[static_cast<std::size_t>(r)];
        }
        for (int r = 1; r <= bound; ++r)
            EXPECT_EQ(counts[static_cast<std::size_t>(r)], 256 / bound) << r;
        // The bytes left over are exactly the rejected ones: no draw can end.
        EXPECT_THROW(source.draw(bound), RandomSourceFailure);
    }
}

TEST(DrawSource, OneFillServesManyDraws) {
    ScriptedRandomBytes bytes(std::vector<unsigned char>(5000, 3));
    DrawSource source(bytes);
    for (int i = 0; i < 5000; ++i) ASSERT_EQ(source.draw(10), 4);
    EXPECT_EQ(bytes.calls, 1);
}

TEST(DrawSource, ThrowsWhenTheSourceHasNoMoreBytes) {
    ScriptedRandomBytes bytes({1}, 1);
    DrawSource source(bytes);
    EXPECT_EQ(source.draw(10), 2);
    EXPECT_THROW(source.draw(10), RandomSourceFailure);
}

}  // namespace
}  // namespace quorvane
