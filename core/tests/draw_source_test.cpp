#include "quorvane/platform/draw_source.h"

#include <gtest/gtest.h>

#include "support/scripted_random_bytes.h"

namespace quorvane {
namespace {

using testing::ScriptedRandomBytes;

TEST(DrawOfByte, MapsAcceptedBytesOntoOneToBoundAndThrowsTheRestAway) {
    const struct {
        int bound;
        unsigned char byte;
        int expected;
    } cases[] = {
        {10, 0, 1},    {10, 9, 10},  {10, 10, 1},   {10, 249, 10}, {10, 250, 0},  {10, 255, 0},
        {89, 88, 89},  {89, 89, 1},  {89, 177, 89}, {89, 178, 0},  {63, 251, 63}, {63, 252, 0},
        {28, 251, 28}, {28, 252, 0}, {62, 247, 62}, {62, 248, 0},  {26, 233, 26}, {26, 234, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.bound) + " / " + std::to_string(c.byte));
        EXPECT_EQ(DrawSource::draw_of_byte(c.bound, c.byte), c.expected);
    }
}

TEST(DrawOfByte, EveryDrawIsMadeByEquallyManyBytes) {
    for (const int bound : {10, 26, 28, 36, 62, 63, 89}) {
        SCOPED_TRACE(bound);
        std::vector<int> bytes_per_draw(static_cast<std::size_t>(bound) + 1);
        for (int byte = 0; byte < 256; ++byte)
            ++bytes_per_draw[static_cast<std::size_t>(
                DrawSource::draw_of_byte(bound, static_cast<unsigned char>(byte)))];
        EXPECT_EQ(bytes_per_draw[0], 256 % bound);  // thrown away
        for (int r = 1; r <= bound; ++r)
            EXPECT_EQ(bytes_per_draw[static_cast<std::size_t>(r)], 256 / bound) << r;
    }
}

TEST(DrawSource, ChunksStartSmallAndGrowToSixtyFourKibibytes) {
    ScriptedRandomBytes bytes(std::vector<unsigned char>(300'000, 7));
    DrawSource source(bytes);
    std::vector<std::size_t> sizes;
    for (int i = 0; i < 10; ++i) sizes.push_back(source.next_chunk().size());
    EXPECT_EQ(sizes, (std::vector<std::size_t>{256, 512, 1024, 2048, 4096, 8192, 16384, 32768,
                                               65536, 65536}));
    EXPECT_EQ(bytes.calls, 10);
}

TEST(DrawSource, HandsOutShortFillsAndThrowsWhenTheSourceIsDry) {
    ScriptedRandomBytes bytes({1, 2, 3}, 2);
    DrawSource source(bytes);
    EXPECT_EQ(source.next_chunk().size(), 2u);
    const auto last = source.next_chunk();
    ASSERT_EQ(last.size(), 1u);
    EXPECT_EQ(last[0], 3);
    EXPECT_THROW(source.next_chunk(), RandomSourceFailure);
}

}  // namespace
}  // namespace quorvane
