#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>

#include "quorvane/platform/random_bytes.h"

namespace quorvane {

// Thrown by DrawSource when its random bytes fail; a run that sees it writes no password.
struct RandomSourceFailure : std::runtime_error {
    RandomSourceFailure() : std::runtime_error("random source failed") {}
};

// Buffers random bytes so that one call to the source serves many draws.
// A draw from 1 to bound is exactly uniform: bytes at or above the largest multiple
// of bound that fits in a byte are rejected, and the rest map to 1 + byte % bound.
class DrawSource {
  public:
    explicit DrawSource(RandomBytes& bytes) : bytes_(bytes) {}
    DrawSource(const DrawSource&) = delete;
    DrawSource& operator=(const DrawSource&) = delete;
    ~DrawSource();  // wipes the bytes it did not hand out

    int draw(int bound);

    // The next raw byte; the engine's lookup tables apply the same rejection rule.
    unsigned char next_byte() {
        if (position_ == filled_) refill();
        return buffer_[position_++];
    }

    // Largest multiple of bound within 0..255, the first byte value that is rejected.
    static constexpr int rejection_limit(int bound) { return 256 - 256 % bound; }

  private:
    void refill();

    RandomBytes& bytes_;
    std::array<unsigned char, 16384> buffer_{};
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
};

}  // namespace quorvane
