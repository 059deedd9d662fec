#include "quorvane/engine/generation.h"

#include <algorithm>
#include <array>
#include <string>

#include "quorvane/engine/character_tables.h"
#include "quorvane/platform/draw_source.h"
#include "quorvane/platform/text.h"

namespace quorvane {
namespace {

// For one category, the character each random byte draws, or 0 for a byte that is
// thrown away; one lookup replaces a modulo per character.
using ByteMap = std::array<char, 256>;

constexpr std::array<ByteMap, category_count> make_byte_maps() {
    std::array<ByteMap, category_count> maps{};
    for (std::size_t k = 0; k < category_count; ++k) {
        for (int byte = 0; byte < 256; ++byte) {
            const int r = DrawSource::draw_of_byte(categories[k].draw_bound,
                                                   static_cast<unsigned char>(byte));
            maps[k][static_cast<std::size_t>(byte)] = r == 0 ? '\0' : categories[k].entry(r);
        }
    }
    return maps;
}

constexpr std::array<ByteMap, category_count> byte_maps = make_byte_maps();

// Draws characters from a DrawSource's chunks. Kept as a local object, its pointers can
// live in registers: the characters a run writes cannot alias them.
class CharacterDraws {
  public:
    explicit CharacterDraws(DrawSource& source) : source_(source) {}

    char draw(const ByteMap& map) {
        for (;;) {
            if (next_ == end_) {
                const auto chunk = source_.next_chunk();
                next_ = chunk.data();
                end_ = next_ + chunk.size();
            }
            if (const char c = map[*next_++]) return c;
        }
    }

  private:
    DrawSource& source_;
    const unsigned char* next_ = nullptr;
    const unsigned char* end_ = nullptr;
};

using BoxTexts = std::array<std::string, category_count>;

// Writes each box once; a run builds its texts in memory first.
void write_boxes(ControlTexts& texts, const std::array<std::string_view, category_count>& boxes,
                 const BoxTexts& contents) {
    for (std::size_t k = 0; k < category_count; ++k) texts.write(boxes[k], contents[k]);
}

void clear_boxes(ControlTexts& texts, const std::array<std::string_view, category_count>& boxes) {
    write_boxes(texts, boxes, BoxTexts{});
}

}  // namespace

RunOutcome run_single_generation(ControlTexts& texts, RandomBytes& random) {
    const std::int64_t length = text_to_integer(texts.read(length_box));
    const std::string prefix = texts.read(prefix_box);
    // The prefix takes the place of the first characters drawn: of the `length`
    // characters drawn per category only the last `kept` stay.
    const std::int64_t kept = std::max<std::int64_t>(0, length - text_length(prefix));
    if (static_cast<std::int64_t>(prefix.size()) + kept > max_box_text_bytes)
        return RunOutcome::too_large;

    BoxTexts results;
    for (std::string& result : results) {
        result.reserve(prefix.size() + static_cast<std::size_t>(kept));
        result = prefix;
    }
    try {
        DrawSource source(random);
        CharacterDraws draws(source);
        const std::int64_t dropped = length - kept;
        for (std::int64_t position = 0; position < length; ++position) {
            for (std::size_t k = 0; k < category_count; ++k) {
                const char c = draws.draw(byte_maps[k]);
                if (position >= dropped) results[k].push_back(c);
            }
        }
    } catch (const RandomSourceFailure&) {
        clear_boxes(texts, result_boxes);
        return RunOutcome::random_failure;
    }
    write_boxes(texts, result_boxes, results);
    return RunOutcome::done;
}

RunOutcome run_batch_generation(ControlTexts& texts, RandomBytes& random) {
    const std::int64_t length = std::max<std::int32_t>(0, text_to_integer(texts.read(length_box)));
    const std::int64_t count = std::max<std::int32_t>(0, text_to_integer(texts.read(count_box)));
    // Both factors stay below 2^31, so the product cannot overflow 64 bits.
    const std::int64_t box_bytes = count * (length + 2);
    if (box_bytes > max_box_text_bytes) return RunOutcome::too_large;

    BoxTexts batches;
    std::array<char*, category_count> boxes{};
    for (std::size_t k = 0; k < category_count; ++k) {
        batches[k].resize(static_cast<std::size_t>(box_bytes));
        boxes[k] = batches[k].data();
    }
    try {
        DrawSource source(random);
        CharacterDraws draws(source);
        std::size_t at = 0;  // the same offset in every box
        for (std::int64_t password = 0; password < count; ++password) {
            for (std::int64_t position = 0; position < length; ++position, ++at) {
                for (std::size_t k = 0; k < category_count; ++k)
                    boxes[k][at] = draws.draw(byte_maps[k]);
            }
            for (char* box : boxes) {
                box[at] = '\r';
                box[at + 1] = '\n';
            }
            at += 2;
        }
    } catch (const RandomSourceFailure&) {
        clear_boxes(texts, accumulators);
        return RunOutcome::random_failure;
    }
    write_boxes(texts, accumulators, batches);
    return RunOutcome::done;
}

}  // namespace quorvane
