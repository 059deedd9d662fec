#pragma once

#include <array>
#include <string_view>

namespace quorvane {

// The character tables. Entry order matters: a draw r picks entry r (1-based).
// Every mixed table is the plain tables one after the other.
namespace tables {
inline constexpr std::string_view DIGITS = "0123456789";
inline constexpr std::string_view LOWER = "abcdefghijklmnopqrstuvwxyz";
inline constexpr std::string_view UPPER = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::string_view SYMBOLS = "~!@#$%^&*()_+-=,./<>?;:[]{}|";
inline constexpr std::string_view DIGITS_LOWER = "0123456789abcdefghijklmnopqrstuvwxyz";
inline constexpr std::string_view DIGITS_UPPER = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::string_view DIGITS_LOWER_SYMBOLS =
    "0123456789abcdefghijklmnopqrstuvwxyz~!@#$%^&*()_+-=,./<>?;:[]{}|";
inline constexpr std::string_view DIGITS_UPPER_SYMBOLS =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ~!@#$%^&*()_+-=,./<>?;:[]{}|";
// The digits stand twice in a row here: 100 entries.
inline constexpr std::string_view MIXED_100 =
    "01234567890123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "~!@#$%^&*()_+-=,./<>?;:[]{}|";
inline constexpr std::string_view ALNUM_62 =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
}  // namespace tables

// A category: its table and the draw bound B, so that draws 1..B pick its entries.
// Where B is smaller than the table, the entries past B never occur.
struct Category {
    std::string_view table;
    int draw_bound;

    // Entry r of the table, 1 <= r <= draw_bound.
    constexpr char entry(int r) const { return table[static_cast<std::size_t>(r - 1)]; }
};

inline constexpr int category_count = 10;

// Categories 1 to 10, shared by the single and the batch generation.
inline constexpr std::array<Category, category_count> categories{{
    {tables::DIGITS, 10},
    {tables::LOWER, 26},
    {tables::UPPER, 26},
    {tables::SYMBOLS, 28},
    {tables::DIGITS_LOWER, 36},
    {tables::DIGITS_UPPER, 36},
    {tables::DIGITS_LOWER_SYMBOLS, 63},
    {tables::DIGITS_UPPER_SYMBOLS, 63},
    {tables::MIXED_100, 89},
    {tables::ALNUM_62, 62},
}};

// Category k (1..10) of the single generation writes result_boxes[k - 1],
// of the batch generation accumulators[k - 1].
inline constexpr std::array<std::string_view, category_count> result_boxes{
    "编辑框1", "编辑框2", "编辑框3", "编辑框4", "编辑框5",
    "编辑框6", "编辑框7", "编辑框8", "编辑框9", "编辑框10"};
inline constexpr std::array<std::string_view, category_count> accumulators{
    "编辑框11", "编辑框12", "编辑框13", "编辑框14", "编辑框15",
    "编辑框16", "编辑框17", "编辑框18", "编辑框19", "编辑框20"};

inline constexpr std::string_view length_box = "编辑框_密码位数";
inline constexpr std::string_view prefix_box = "编辑框_前缀";
inline constexpr std::string_view count_box = "编辑框_批量";

}  // namespace quorvane
