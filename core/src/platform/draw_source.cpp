#include "quorvane/platform/draw_source.h"

#include <algorithm>

namespace quorvane {

DrawSource::~DrawSource() {
    // Bytes that were never used must not stay behind in memory; the volatile
    // stores keep the compiler from dropping the wipe.
    volatile unsigned char* bytes = buffer_.data();
    for (std::size_t i = 0; i < buffer_.size(); ++i) bytes[i] = 0;
}

void DrawSource::refill() {
    filled_ = bytes_.fill(buffer_);
    position_ = 0;
    if (filled_ == 0) throw RandomSourceFailure();
}

int DrawSource::draw(int bound) {
    const int limit = rejection_limit(bound);
    for (;;) {
        const int byte = next_byte();
        if (byte < limit) return 1 + byte % bound;
    }
}

}  // namespace quorvane
