#include "quorvane/platform/draw_source.h"

#include <algorithm>

namespace quorvane {

DrawSource::~DrawSource() {
    // The bytes that made passwords must not stay behind in freed memory; volatile
    // stores keep the compiler from dropping the wipe.
    volatile unsigned char* bytes = buffer_.data();
    for (std::size_t i = 0; i < buffer_.size(); ++i) bytes[i] = 0;
}

std::span<const unsigned char> DrawSource::next_chunk() {
    if (buffer_.empty())
        buffer_.resize(first_chunk);
    else if (buffer_.size() < largest_chunk)
        buffer_.resize(std::min(buffer_.size() * 2, largest_chunk));
    const std::size_t filled = bytes_.fill(buffer_);
    if (filled == 0) throw RandomSourceFailure();
    return std::span(buffer_).first(filled);
}

}  // namespace quorvane
