#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {

// Texts are UTF-8. Their length counts the way a Chinese Windows counts bytes of its
// ANSI code page: 1 for an ASCII character, 2 for any other character.
std::int64_t text_length(std::string_view text);

// The last n length units of text; empty when n <= 0. A two-unit character that would
// be cut in half is left out, since half a character cannot be held in UTF-8.
std::string right_part(std::string_view text, std::int64_t n);

// Reads the number that the leading digits of a text form, as a signed 32-bit value
// that wraps around. Leading blanks and one sign are skipped; no digits gives 0.
// The full-width digits, signs and the ideographic space count as their ASCII forms.
std::int32_t text_to_integer(std::string_view text);

}  // namespace quorvane
