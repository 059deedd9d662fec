#pragma once

#include <cstdint>

#include "quorvane/platform/control_texts.h"
#include "quorvane/platform/random_bytes.h"

namespace quorvane {

enum class RunOutcome {
    done,
    too_large,       // a box's text would pass max_box_text_bytes; nothing was changed
    random_failure,  // the random source failed; the run's output boxes were emptied
};

// The most bytes a run writes into one box.
inline constexpr std::int64_t max_box_text_bytes = 16 * 1024 * 1024;

// Fills the ten result boxes with one password each, of the length in the length box,
// each starting with the prefix and cut at the front to keep that length.
RunOutcome run_single_generation(ControlTexts& texts, RandomBytes& random);

// Fills the ten accumulators with as many passwords as the count box says, of the
// length in the length box, each followed by "\r\n". The prefix is not used.
RunOutcome run_batch_generation(ControlTexts& texts, RandomBytes& random);

}  // namespace quorvane
