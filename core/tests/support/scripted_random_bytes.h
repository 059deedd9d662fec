#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "quorvane/platform/random_bytes.h"

namespace quorvane::testing {

// Hands out a fixed sequence of bytes, in pieces of at most `piece` bytes, then fails.
// A byte b below a bound's rejection limit draws 1 + b % bound, so byte r - 1 draws r.
class ScriptedRandomBytes final : public RandomBytes {
  public:
    explicit ScriptedRandomBytes(std::vector<unsigned char> script, std::size_t piece = SIZE_MAX)
        : script_(std::move(script)), piece_(piece) {}

    std::size_t fill(std::span<unsigned char> bytes) override {
        ++calls;
        const std::size_t count = std::min({bytes.size(), script_.size() - used_, piece_});
        std::copy_n(script_.begin() + static_cast<std::ptrdiff_t>(used_), count, bytes.begin());
        used_ += count;
        return count;
    }

    std::size_t used() const { return used_; }
    int calls = 0;

  private:
    std::vector<unsigned char> script_;
    std::size_t used_ = 0;
    std::size_t piece_;
};

// The bytes that make the given draws (each from 1 to its bound) come out in order.
inline std::vector<unsigned char> bytes_for_draws(const std::vector<int>& draws) {
    std::vector<unsigned char> bytes;
    for (const int r : draws) bytes.push_back(static_cast<unsigned char>(r - 1));
    return bytes;
}

}  // namespace quorvane::testing
