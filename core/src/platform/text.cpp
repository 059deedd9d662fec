#include "quorvane/platform/text.h"

#include <algorithm>

namespace quorvane {
namespace {

bool is_continuation_byte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length units of the character that starts with this byte; continuation bytes add nothing.
int units_of_byte(unsigned char byte) {
    if (byte < 0x80) return 1;
    return is_continuation_byte(byte) ? 0 : 2;
}

// Decodes the UTF-8 character at text[i]; sets i past it. Malformed bytes read as U+FFFD.
char32_t next_code_point(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0) return U'\uFFFD';
    char32_t code = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i == text.size() || !is_continuation_byte(static_cast<unsigned char>(text[i])))
            return U'\uFFFD';
        code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return code;
}

// The full-width forms that can change a number, as their ASCII forms; any other
// character outside ASCII reads as a character that is neither blank, sign nor digit.
char fold_to_ascii(char32_t c) {
    if (c < 0x80) return static_cast<char>(c);
    if (c == U'\u3000') return ' ';
    if (c == U'\uFF0B') return '+';
    if (c == U'\uFF0D') return '-';
    if (c >= U'\uFF10' && c <= U'\uFF19') return static_cast<char>('0' + (c - U'\uFF10'));
    return '\x7F';
}

bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::int64_t text_length(std::string_view text) {
    std::int64_t length = 0;
    for (const char c : text) length += units_of_byte(static_cast<unsigned char>(c));
    return length;
}

std::string right_part(std::string_view text, std::int64_t n) {
    if (n <= 0) return {};
    std::size_t start = text.size();
    std::int64_t taken = 0;
    // Walk back character by character while the next one still fits.
    while (start > 0) {
        std::size_t lead = start - 1;
        while (lead > 0 && is_continuation_byte(static_cast<unsigned char>(text[lead]))) --lead;
        const int units = std::max(1, units_of_byte(static_cast<unsigned char>(text[lead])));
        if (taken + units > n) break;
        taken += units;
        start = lead;
    }
    return std::string(text.substr(start));
}

std::int32_t text_to_integer(std::string_view text) {
    std::size_t i = 0;
    auto next = [&]() -> char {
        return i < text.size() ? fold_to_ascii(next_code_point(text, i)) : '\0';
    };
    char c = next();
    while (is_blank(c)) c = next();
    const bool negative = c == '-';
    if (c == '+' || c == '-') c = next();
    std::uint32_t value = 0;
    while (c >= '0' && c <= '9') {
        value = value * 10U + static_cast<std::uint32_t>(c - '0');
        c = next();
    }
    if (negative) value = 0U - value;
    return static_cast<std::int32_t>(value);
}

}  // namespace quorvane
