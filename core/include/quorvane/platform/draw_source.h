#pragma once

#include <cstddef>
#include <span>
#include <stdexcept>
#include <vector>

#include "quorvane/platform/random_bytes.h"

namespace quorvane {

// Thrown by DrawSource when its random bytes fail; a run that sees it writes no password.
struct RandomSourceFailure : std::runtime_error {
    RandomSourceFailure() : std::runtime_error("random source failed") {}
};

// Random bytes for the draws of one run, taken from the source in chunks so that one
// call serves many draws. Chunks start small, for short runs, and grow.
//
// A draw from 1 to bound is made from one byte and is exactly uniform: bytes at or above
// rejection_limit(bound), the largest multiple of bound that fits in a byte, are thrown
// away, and each other byte b draws 1 + b % bound.
class DrawSource {
public:
    explicit DrawSource(RandomBytes& bytes) : bytes_(bytes) {}
    DrawSource(const DrawSource&) = delete;
    DrawSource& operator=(const DrawSource&) = delete;
    ~DrawSource();  // wipes the random bytes it held

    // The next chunk of fresh bytes, never empty; throws RandomSourceFailure.
    std::span<const unsigned char> next_chunk();

    static constexpr int rejection_limit(int bound) { return 256 - 256 % bound; }

    // The draw a byte makes, or 0 for a byte that is thrown away.
    static constexpr int draw_of_byte(int bound, unsigned char byte) {
        return byte < rejection_limit(bound) ? 1 + byte % bound : 0;
    }

private:
    static constexpr std::size_t first_chunk = 256;
    static constexpr std::size_t largest_chunk = 64 * 1024;

    RandomBytes& bytes_;
    std::vector<unsigned char> buffer_;
};

}  // namespace quorvane
