#pragma once

#include <string>
#include <string_view>

namespace quorvane::win32 {

// The core's texts are UTF-8 and Windows' are UTF-16; these two convert where they meet.
std::wstring to_utf16(std::string_view text);
std::string to_utf8(std::wstring_view text);

}  // namespace quorvane::win32
