// Both generations with the system's random generator: only reachable entries occur,
// and each occurs as often as uniform draws make it.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "quorvane/engine/character_tables.h"
#include "quorvane/engine/generation.h"
#include "support/memory_platform.h"

namespace quorvane {
namespace {

using testing::MemoryPlatform;

// Upper bound of the chi-square statistic that uniform draws pass with probability
// 1 - 6e-8 (Wilson-Hilferty; z = 5.3), so ten categories in two generations raise a
// false alarm less than once in a million runs.
double chi_square_limit(int degrees_of_freedom) {
    const double k = degrees_of_freedom;
    const double z = 5.3;
    return k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3);
}

// Checks one category's sample: reachable characters only, counts as uniform draws give.
void expect_uniform_over_reachable(const std::string& sample, std::string_view reachable) {
    std::map<char, double> weight;  // an entry may stand in the table twice
    for (const char c : reachable) weight[c] += 1.0 / static_cast<double>(reachable.size());
    std::map<char, double> counts;
    for (const char c : sample) {
        ASSERT_TRUE(weight.contains(c)) << "unreachable character '" << c << "'";
        ++counts[c];
    }
    double chi_square = 0;
    for (const auto& [c, p] : weight) {
        const double expected = p * static_cast<double>(sample.size());
        chi_square += std::pow(counts[c] - expected, 2) / expected;
    }
    EXPECT_LT(chi_square, chi_square_limit(static_cast<int>(weight.size()) - 1));
}

std::string without_line_breaks(std::string text) {
    std::erase(text, '\r');
    std::erase(text, '\n');
    return text;
}

class SecureGeneration : public ::testing::Test {
  protected:
    MemoryPlatform window;
    std::unique_ptr<RandomBytes> random = make_system_random_bytes();
};

TEST_F(SecureGeneration, SingleDrawsAreUniformOverReachableEntries) {
    window.write(length_box, "200000");
    ASSERT_EQ(run_single_generation(window, *random), RunOutcome::done);
    for (std::size_t k = 0; k < category_count; ++k) {
        SCOPED_TRACE(result_boxes[k]);
        const Category& category = categories[k];
        expect_uniform_over_reachable(
            window.read(result_boxes[k]),
            category.table.substr(0, static_cast<std::size_t>(category.draw_bound)));
    }
}

TEST_F(SecureGeneration, BatchDrawsAreUniformOverReachableEntries) {
    window.write(length_box, "1000");
    window.write(count_box, "200");
    ASSERT_EQ(run_batch_generation(window, *random), RunOutcome::done);
    for (std::size_t k = 0; k < category_count; ++k) {
        SCOPED_TRACE(accumulators[k]);
        const Category& category = categories[k];
        expect_uniform_over_reachable(
            without_line_breaks(window.read(accumulators[k])),
            category.table.substr(0, static_cast<std::size_t>(category.draw_bound)));
    }
}

TEST_F(SecureGeneration, CategoriesHoldWhatTheirRowsPromise) {
    window.write(length_box, "20000");
    ASSERT_EQ(run_single_generation(window, *random), RunOutcome::done);
    const auto has_any = [](const std::string& text, std::string_view characters) {
        return text.find_first_of(characters) != std::string::npos;
    };
    const std::string symbols(tables::SYMBOLS);
    EXPECT_TRUE(has_any(window.read("编辑框4"), "|"));
    EXPECT_FALSE(has_any(window.read("编辑框7"), "|"));
    EXPECT_FALSE(has_any(window.read("编辑框8"), "|"));
    EXPECT_FALSE(has_any(window.read("编辑框9"), "/<>?;:[]{}|"));
    EXPECT_TRUE(has_any(window.read("编辑框9"), "~!@#$%^&*()_+-=,."));
    EXPECT_TRUE(has_any(window.read("编辑框9"), tables::LOWER));
    EXPECT_TRUE(has_any(window.read("编辑框9"), tables::UPPER));
    EXPECT_FALSE(has_any(window.read("编辑框10"), symbols));
    EXPECT_TRUE(has_any(window.read("编辑框10"), tables::LOWER));
    EXPECT_TRUE(has_any(window.read("编辑框10"), tables::UPPER));
}

TEST_F(SecureGeneration, TwoRunsGiveDifferentPasswords) {
    ASSERT_EQ(run_single_generation(window, *random), RunOutcome::done);
    const auto first = window.snapshot();
    ASSERT_EQ(run_single_generation(window, *random), RunOutcome::done);
    // Even the 16 digits of 编辑框1 repeat only once in 10^16 runs.
    for (const auto box : result_boxes)
        EXPECT_NE(window.read(box), first.at(std::string(box))) << box;
}

}  // namespace
}  // namespace quorvane
