#include <windows.h>
// bcrypt.h uses the types of windows.h, so it must come second.
#include <bcrypt.h>

#include <algorithm>
#include <climits>

#include "quorvane/platform/random_bytes.h"

namespace quorvane {
namespace {

// The system-preferred generator, the one Windows itself uses for keys.
class WindowsRandomBytes final : public RandomBytes {
  public:
    std::size_t fill(std::span<unsigned char> bytes) override {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const auto chunk =
                static_cast<ULONG>(std::min<std::size_t>(bytes.size() - done, ULONG_MAX));
            if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, bytes.data() + done, chunk,
                                                BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
                return 0;
            done += chunk;
        }
        return done;
    }
};

}  // namespace

std::unique_ptr<RandomBytes> make_system_random_bytes() {
    return std::make_unique<WindowsRandomBytes>();
}

}  // namespace quorvane
