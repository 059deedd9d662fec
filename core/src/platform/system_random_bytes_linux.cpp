#include <sys/random.h>

#include <cerrno>

#include "quorvane/platform/random_bytes.h"

namespace quorvane {
namespace {

// getrandom(2) blocks only until the kernel's generator has been seeded once at boot.
class LinuxRandomBytes final : public RandomBytes {
  public:
    std::size_t fill(std::span<unsigned char> bytes) override {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t got = getrandom(bytes.data() + done, bytes.size() - done, 0);
            if (got < 0) {
                if (errno == EINTR) continue;
                return 0;
            }
            done += static_cast<std::size_t>(got);
        }
        return done;
    }
};

}  // namespace

std::unique_ptr<RandomBytes> make_system_random_bytes() {
    return std::make_unique<LinuxRandomBytes>();
}

}  // namespace quorvane
