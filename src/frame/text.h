// Shared text conventions: 8-bit bytes, ASCII-only character classes (the "C" locale) and the
// two Latin-1 case tables. Bytes 0x80-0xFF belong to no class.
#pragma once

#include <cstddef>
#include <string_view>

namespace brindle::frame {

constexpr unsigned char byte(char c) noexcept { return static_cast<unsigned char>(c); }

constexpr bool is_space(char c) noexcept { return c == ' ' || (byte(c) >= 0x09 && byte(c) <= 0x0D); }
constexpr bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }
constexpr bool is_upper(char c) noexcept { return c >= 'A' && c <= 'Z'; }
constexpr bool is_lower(char c) noexcept { return c >= 'a' && c <= 'z'; }
constexpr bool is_alpha(char c) noexcept { return is_upper(c) || is_lower(c); }
constexpr bool is_alnum(char c) noexcept { return is_alpha(c) || is_digit(c); }
constexpr bool is_xdigit(char c) noexcept {
    return is_digit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
constexpr bool is_print(char c) noexcept { return byte(c) >= 0x20 && byte(c) <= 0x7E; }
constexpr bool is_cntrl(char c) noexcept { return byte(c) < 0x20 || byte(c) == 0x7F; }
constexpr bool is_punct(char c) noexcept { return is_print(c) && c != ' ' && !is_alnum(c); }

// ASCII-only case mapping of the C library (a-z and A-Z only).
constexpr char ascii_upper(char c) noexcept { return is_lower(c) ? static_cast<char>(c - 32) : c; }
constexpr char ascii_lower(char c) noexcept { return is_upper(c) ? static_cast<char>(c + 32) : c; }

// Latin-1 case tables, 256 entries each.
extern const unsigned char kLatin1Upper[256];
extern const unsigned char kLatin1Lower[256];

inline char latin1_upper(char c) noexcept { return static_cast<char>(kLatin1Upper[byte(c)]); }
inline char latin1_lower(char c) noexcept { return static_cast<char>(kLatin1Lower[byte(c)]); }

// The text without its trailing white space.
constexpr std::string_view trim_right(std::string_view s) noexcept {
    std::size_t n = s.size();
    while (n > 0 && is_space(s[n - 1])) --n;
    return s.substr(0, n);
}

constexpr std::string_view trim_left(std::string_view s) noexcept {
    std::size_t i = 0;
    while (i < s.size() && is_space(s[i])) ++i;
    return s.substr(i);
}

}  // namespace brindle::frame
