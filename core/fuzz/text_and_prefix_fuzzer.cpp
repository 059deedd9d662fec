// Checks text to integer and the single generation with its prefix against a plain model
// that works the way a Chinese Windows does: on code page 936 bytes, reading and writing
// each box once per character.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "quorvane/engine/character_tables.h"
#include "quorvane/engine/generation.h"
#include "quorvane/platform/text.h"
#include "support/memory_platform.h"
#include "support/scripted_random_bytes.h"

namespace {

using quorvane::testing::MemoryPlatform;
using quorvane::testing::ScriptedRandomBytes;

// One text in both encodings.
struct Text {
    std::string utf8;
    std::string cp936;
};

// Characters outside ASCII that matter to numbers, or stand for any other Chinese text.
struct Wide {
    const char* utf8;
    const char* cp936;
};
constexpr std::array<Wide, 19> wide_characters{{
    {"\u3000", "\xA1\xA1"}, {"＋", "\xA3\xAB"}, {"－", "\xA3\xAD"}, {"０", "\xA3\xB0"},
    {"１", "\xA3\xB1"},     {"２", "\xA3\xB2"}, {"３", "\xA3\xB3"}, {"４", "\xA3\xB4"},
    {"５", "\xA3\xB5"},     {"６", "\xA3\xB6"}, {"７", "\xA3\xB7"}, {"８", "\xA3\xB8"},
    {"９", "\xA3\xB9"},     {"Ａ", "\xA3\xC1"}, {"～", "\xA1\xAB"}, {"★", "\xA1\xEF"},
    {"￥", "\xA3\xA4"},     {"个", "\xB8\xF6"}, {"密", "\xC3\xDC"},
}};

// Reads a text of up to `limit` characters: bytes below 0x80 stand for themselves,
// the others pick a wide character. A zero byte ends the text.
Text take_text(const std::uint8_t*& data, const std::uint8_t* end, std::size_t limit) {
    Text text;
    for (std::size_t n = 0; n < limit && data < end; ++n) {
        const std::uint8_t byte = *data++;
        if (byte == 0) break;
        if (byte < 0x80) {
            text.utf8 += static_cast<char>(byte);
            text.cp936 += static_cast<char>(byte);
        } else {
            const Wide& wide = wide_characters[byte % wide_characters.size()];
            text.utf8 += wide.utf8;
            text.cp936 += wide.cp936;
        }
    }
    return text;
}

// The two passes of a Chinese Windows program: fold full-width pairs, then parse.
std::int32_t model_text_to_integer(const std::string& cp936) {
    std::string folded;
    for (std::size_t i = 0; i < cp936.size(); ++i) {
        const auto lead = static_cast<std::uint8_t>(cp936[i]);
        if (lead < 0x80) {
            folded += cp936[i];
            continue;
        }
        if (i + 1 == cp936.size()) break;
        const auto trail = static_cast<std::uint8_t>(cp936[++i]);
        if (lead == 0xA1 && trail == 0xA1)
            folded += ' ';
        else if (lead == 0xA1 && trail == 0xAB)
            folded += '~';
        else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF))
            folded += '*';
        else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            folded += static_cast<char>(trail - 0x80);
        else {
            folded += static_cast<char>(lead);
            folded += static_cast<char>(trail);
        }
    }
    std::size_t i = 0;
    while (i < folded.size() && (folded[i] == ' ' || (folded[i] >= '\t' && folded[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
    std::uint32_t value = 0;
    for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i)
        value = value * 10 + static_cast<std::uint32_t>(folded[i] - '0');
    return static_cast<std::int32_t>(negative ? 0U - value : value);
}

// The single generation as a Chinese Windows program runs it, box texts in code page 936.
// Returns the ten results, or nothing when the random bytes run out.
std::vector<std::string> model_single_generation(const Text& length, const Text& prefix,
                                                 const std::vector<std::uint8_t>& random) {
    std::vector<std::string> boxes(quorvane::category_count);
    const std::int32_t n = model_text_to_integer(length.cp936);
    std::size_t next = 0;
    for (std::int32_t position = 0; position < n; ++position) {
        for (std::size_t k = 0; k < boxes.size(); ++k) {
            const auto& category = quorvane::categories[k];
            int r = 0;
            while (r == 0) {
                if (next == random.size()) return {};
                const int byte = random[next++];
                if (byte < 256 - 256 % category.draw_bound) r = 1 + byte % category.draw_bound;
            }
            std::string text = boxes[k];
            text += category.table[static_cast<std::size_t>(r - 1)];
            boxes[k] = text;
        }
    }
    const auto kept = static_cast<std::int64_t>(n) - static_cast<std::int64_t>(prefix.cp936.size());
    for (std::string& box : boxes) {
        const std::string drawn = box;
        const std::string right =
            kept <= 0
                ? ""
                : drawn.substr(drawn.size() -
                               std::min<std::size_t>(static_cast<std::size_t>(kept), drawn.size()));
        box = prefix.utf8 + right;  // compared in UTF-8: the drawn part is ASCII
    }
    return boxes;
}

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t* const end = data + size;
    const Text length = take_text(data, end, 24);
    check(quorvane::text_to_integer(length.utf8) == model_text_to_integer(length.cp936));

    const Text prefix = take_text(data, end, 24);
    check(quorvane::text_length(prefix.utf8) == static_cast<std::int64_t>(prefix.cp936.size()));
    const std::int32_t n = model_text_to_integer(length.cp936);
    if (n > 64) return 0;  // the model's cost grows with the square of the length

    const std::vector<std::uint8_t> random(data, end);
    MemoryPlatform window;
    window.write(quorvane::length_box, length.utf8);
    window.write(quorvane::prefix_box, prefix.utf8);
    ScriptedRandomBytes bytes(random);
    const auto outcome = quorvane::run_single_generation(window, bytes);
    const auto expected = model_single_generation(length, prefix, random);
    check(outcome ==
          (expected.empty() ? quorvane::RunOutcome::random_failure : quorvane::RunOutcome::done));
    for (std::size_t k = 0; k < quorvane::category_count; ++k)
        check(window.read(quorvane::result_boxes[k]) == (expected.empty() ? "" : expected[k]));
    check(window.read(quorvane::length_box) == length.utf8);
    check(window.read(quorvane::prefix_box) == prefix.utf8);
    return 0;
}
