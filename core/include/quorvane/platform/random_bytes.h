#pragma once

#include <cstddef>
#include <memory>
#include <span>

namespace quorvane {

// A source of random bytes. fill() writes up to bytes.size() bytes from the start of
// bytes and returns how many it wrote; 0 means that no more can be had.
class RandomBytes {
  public:
    virtual ~RandomBytes() = default;
    virtual std::size_t fill(std::span<unsigned char> bytes) = 0;
};

// The operating system's cryptographically secure generator.
std::unique_ptr<RandomBytes> make_system_random_bytes();

}  // namespace quorvane
