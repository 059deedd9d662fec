// Speed of both generations against what their output costs at the least: the random
// bytes they consume from the system generator plus writing the text once; and against
// pwgen making the same number of characters in a process of its own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "quorvane/engine/character_tables.h"
#include "quorvane/engine/generation.h"
#include "support/memory_platform.h"

namespace quorvane {
namespace {

using testing::MemoryPlatform;

// Passes the system generator through, counting the bytes taken.
class CountingRandomBytes final : public RandomBytes {
  public:
    std::size_t fill(std::span<unsigned char> bytes) override {
        const std::size_t got = system_->fill(bytes);
        taken += got;
        return got;
    }
    std::size_t taken = 0;

  private:
    std::unique_ptr<RandomBytes> system_ = make_system_random_bytes();
};

std::int64_t output_bytes(const MemoryPlatform& window,
                          const std::array<std::string_view, category_count>& boxes) {
    std::int64_t bytes = 0;
    for (const auto box : boxes) bytes += static_cast<std::int64_t>(window.read(box).size());
    return bytes;
}

using Run = RunOutcome (*)(ControlTexts&, RandomBytes&);
using Boxes = std::array<std::string_view, category_count>;

// Runs a generation over and over with the system generator; reports the bytes it
// writes and the random bytes it takes per run.
void measure_runs(benchmark::State& state, Run run, const Boxes& boxes,
                  std::initializer_list<std::pair<std::string_view, std::string>> inputs) {
    MemoryPlatform window;
    for (const auto& [box, text] : inputs) window.write(box, text);
    CountingRandomBytes random;
    for (auto _ : state) {
        if (run(window, random) != RunOutcome::done) state.SkipWithError("run failed");
    }
    state.SetBytesProcessed(output_bytes(window, boxes) * state.iterations());
    state.counters["random_bytes_per_run"] =
        static_cast<double>(random.taken) / static_cast<double>(state.iterations());
}

void BM_SingleGeneration(benchmark::State& state) {
    measure_runs(state, run_single_generation, result_boxes,
                 {{length_box, std::to_string(state.range(0))}});
}
BENCHMARK(BM_SingleGeneration)->Arg(16)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Batch of 100,000 passwords of 16 characters: 1.8 MB per box, 18 MB in all.
void BM_BatchGeneration(benchmark::State& state) {
    measure_runs(state, run_batch_generation, accumulators,
                 {{length_box, "16"}, {count_box, "100000"}});
}
BENCHMARK(BM_BatchGeneration)->Unit(benchmark::kMillisecond);

// The floor for the batch above: as many random bytes as it consumes, read from the
// system generator straight into ten new texts of its size, each written once into
// its box. New memory is part of the floor: on a virtual machine it can cost as much
// as the random bytes.
void BM_BatchFloor_RandomBytesIntoNewTextsWrittenOnce(benchmark::State& state) {
    MemoryPlatform window;
    window.write(length_box, "16");
    window.write(count_box, "100000");
    CountingRandomBytes measured;
    run_batch_generation(window, measured);
    const std::size_t random_bytes_per_box = measured.taken / category_count;
    const std::size_t box_bytes = window.read(accumulators[0]).size();

    auto system = make_system_random_bytes();
    for (auto _ : state) {
        for (const auto box : accumulators) {
            std::string text(box_bytes, '\0');
            const std::span<unsigned char> bytes(reinterpret_cast<unsigned char*>(text.data()),
                                                 std::min(random_bytes_per_box, box_bytes));
            for (std::size_t done = 0; done < bytes.size(); done += 65536)
                system->fill(
                    bytes.subspan(done, std::min<std::size_t>(65536, bytes.size() - done)));
            window.write(box, text);
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(box_bytes * category_count) *
                            state.iterations());
}
BENCHMARK(BM_BatchFloor_RandomBytesIntoNewTextsWrittenOnce)->Unit(benchmark::kMillisecond);

// pwgen -s (secure, fully random) making 1,000,000 passwords of 16 characters: the
// 16 million password characters of the batch above, as a whole process.
void BM_Pwgen_SameCharacters(benchmark::State& state) {
    for (auto _ : state) {
        if (std::system("pwgen -s -1 16 1000000 > /dev/null") != 0)
            state.SkipWithError("pwgen failed");
    }
    state.SetBytesProcessed(17'000'000 * state.iterations());  // 16 characters and "\n" each
}
BENCHMARK(BM_Pwgen_SameCharacters)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quorvane

BENCHMARK_MAIN();
