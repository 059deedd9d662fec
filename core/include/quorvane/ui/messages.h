#pragma once

#include <string_view>

namespace quorvane::messages {

inline constexpr std::string_view error_caption = "错误";
inline constexpr std::string_view runtime_error = "运行时出错!";
inline constexpr std::string_view window_not_created = "载入启动窗口失败";
inline constexpr std::string_view too_large =
    "密码位数或批量生成个数太大：每组结果最多 16 MiB（16777216 字节）。未生成密码。";
inline constexpr std::string_view random_failure =
    "无法从系统的安全随机数生成器取得随机数，未生成密码。";

}  // namespace quorvane::messages
