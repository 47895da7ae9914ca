// The UUID record (RFC 4122) and its two text forms: the 36-character text form
// (lower-case hex with hyphens) and the 22-character compressed form in the library's own
// base-64 alphabet "!*0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz".
//
// The compressed form writes the 128-bit number
//   node[0..5] (node[0] highest) | clock_seq_low | clock_seq_hi_and_reserved |
//   time_hi_and_version | time_mid | time_low (lowest)
// as 22 digits of 6 bits, most significant first; the first digit carries only 2 bits.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "frame/registry.h"

namespace brindle::uuid {

using Node = std::array<uint8_t, 6>;

struct Uuid {
    uint32_t time_low = 0;
    uint16_t time_mid = 0;
    uint16_t time_hi_and_version = 0;
    uint8_t clock_seq_hi_and_reserved = 0;
    uint8_t clock_seq_low = 0;
    Node node{};
    friend bool operator==(const Uuid&, const Uuid&) = default;
};

inline constexpr std::size_t kTextLength = 36;
inline constexpr std::size_t kCompressedLength = 22;

using Text = std::array<char, kTextLength + 1>;              // NUL-terminated
using Compressed = std::array<char, kCompressedLength + 1>;  // NUL-terminated

// UUID time of 1970-01-01 00:00:00 UTC: 100-ns intervals since 1582-10-15 00:00:00 UTC.
inline constexpr uint64_t kUnixEpochUuidTime = 122192928000000000ull;

// Bit 12 of time_hi_and_version: the version-1 bit. Bit 7 of node[0]: the random-node marker.
inline constexpr uint16_t kVersion1Bit = 0x1000;
inline constexpr uint8_t kRandomNodeBit = 0x80;

Text uuid_to_text(const Uuid& u) noexcept;

// The leading run of hex digits and hyphens is exactly 36 long (hyphen places not checked).
bool uuid_is_text(std::string_view s) noexcept;

// Parses each group of the text form with signed base-16 conversion (an optional leading '-'
// negates, conversion stops at the first non-hex character), truncated to the field's width.
// time_low is read as two 4-digit groups; positions 8, 13, 18 and 23 are skipped.
Uuid uuid_from_text(std::string_view s) noexcept;

Compressed uuid_compress(const Uuid& u) noexcept;

// The leading run of ASCII letters, digits, '!' and '*' is exactly 22 long.
bool uuid_is_compressed(std::string_view s) noexcept;

// The value 0..63 of a compressed-form digit, -1 outside the alphabet.
int uuid_digit_value(char c) noexcept;

// Inverse of uuid_compress for a string that passed uuid_is_compressed; bits above 127
// (the high 4 bits of the first digit) are dropped.
Uuid uuid_expand(std::string_view s) noexcept;

// Seconds since 1970-01-01 00:00:00 UTC of a version-1 UUID's time (the version bit
// cleared), rounded down to the second; exact for every 60-bit time, before 1970 negative.
int64_t uuid_unix_seconds(const Uuid& u) noexcept;

// Those seconds as a TIMESTAMP of local time (whole seconds), or nullopt where the local
// time is outside the server's dates (years 1 to 9999).
std::optional<frame::Timestamp> local_timestamp(int64_t unix_seconds) noexcept;

}  // namespace brindle::uuid
