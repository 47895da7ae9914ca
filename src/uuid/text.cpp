// The UUID record's text form and compressed form, and the time read out of a UUID.
#include <ctime>

#include "date/calendar.h"
#include "frame/text.h"
#include "uuid/uuid.h"

namespace brindle::uuid {
namespace {

constexpr char kHex[] = "0123456789abcdef";
constexpr char kAlphabet[] = "!*0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Writes `digits` lower-case hex digits of v at p.
void put_hex(char* p, uint32_t v, int digits) noexcept {
    for (int i = digits - 1; i >= 0; --i, v >>= 4) p[i] = kHex[v & 0xF];
}

uint32_t hex_value(char c) noexcept {
    if (frame::is_digit(c)) return static_cast<uint32_t>(c - '0');
    return static_cast<uint32_t>(frame::ascii_lower(c) - 'a' + 10);
}

// Signed base-16 conversion of the group s[from, from + len), as the C library's strtol reads
// it: an optional '-' negates, the digits stop at the first non-hex character, none gives 0.
// The result is the two's complement of the signed value.
uint32_t group(std::string_view s, std::size_t from, std::size_t len) noexcept {
    const std::string_view g = from < s.size() ? s.substr(from, len) : std::string_view{};
    std::size_t i = 0;
    const bool negative = !g.empty() && g[0] == '-';
    if (negative) ++i;
    uint32_t v = 0;
    for (; i < g.size() && frame::is_xdigit(g[i]); ++i) v = v * 16 + hex_value(g[i]);
    return negative ? 0u - v : v;
}

// Length of the leading run of characters that satisfy `in`.
template <typename P>
std::size_t run(std::string_view s, P in) noexcept {
    std::size_t n = 0;
    while (n < s.size() && in(s[n])) ++n;
    return n;
}

// The 128-bit packing of the compressed form: hi holds the top 64 bits.
struct Wide {
    uint64_t hi = 0;
    uint64_t lo = 0;
};

Wide pack(const Uuid& u) noexcept {
    Wide w;
    for (uint8_t b : u.node) w.hi = (w.hi << 8) | b;
    w.hi = (w.hi << 16) | (uint64_t{u.clock_seq_low} << 8) | u.clock_seq_hi_and_reserved;
    w.lo = (uint64_t{u.time_hi_and_version} << 48) | (uint64_t{u.time_mid} << 32) | u.time_low;
    return w;
}

Uuid unpack(const Wide& w) noexcept {
    Uuid u;
    for (std::size_t i = 0; i < u.node.size(); ++i) u.node[i] = static_cast<uint8_t>(w.hi >> (56 - 8 * i));
    u.clock_seq_low = static_cast<uint8_t>(w.hi >> 8);
    u.clock_seq_hi_and_reserved = static_cast<uint8_t>(w.hi);
    u.time_hi_and_version = static_cast<uint16_t>(w.lo >> 48);
    u.time_mid = static_cast<uint16_t>(w.lo >> 32);
    u.time_low = static_cast<uint32_t>(w.lo);
    return u;
}

// Digit i of 22 (0 = most significant) holds bits 6 * (21 - i) .. + 5 of the number.
constexpr unsigned digit_shift(std::size_t i) noexcept { return static_cast<unsigned>(6 * (21 - i)); }

unsigned six_bits(const Wide& w, unsigned shift) noexcept {
    if (shift >= 64) return static_cast<unsigned>(w.hi >> (shift - 64)) & 63u;
    uint64_t v = w.lo >> shift;
    if (shift > 58) v |= w.hi << (64 - shift);
    return static_cast<unsigned>(v) & 63u;
}

void add_six_bits(Wide& w, unsigned shift, uint64_t v) noexcept {
    if (shift >= 64) {
        w.hi |= v << (shift - 64);  // bits beyond 127 fall off the top
        return;
    }
    w.lo |= v << shift;
    if (shift > 58) w.hi |= v >> (64 - shift);
}

}  // namespace

Text uuid_to_text(const Uuid& u) noexcept {
    Text t{};
    char* p = t.data();
    put_hex(p, u.time_low, 8);
    p[8] = '-';
    put_hex(p + 9, u.time_mid, 4);
    p[13] = '-';
    put_hex(p + 14, u.time_hi_and_version, 4);
    p[18] = '-';
    put_hex(p + 19, u.clock_seq_hi_and_reserved, 2);
    put_hex(p + 21, u.clock_seq_low, 2);
    p[23] = '-';
    for (std::size_t i = 0; i < u.node.size(); ++i) put_hex(p + 24 + 2 * i, u.node[i], 2);
    t[kTextLength] = '\0';
    return t;
}

bool uuid_is_text(std::string_view s) noexcept {
    return run(s, [](char c) { return frame::is_xdigit(c) || c == '-'; }) == kTextLength;
}

Uuid uuid_from_text(std::string_view s) noexcept {
    Uuid u;
    u.time_low = (group(s, 0, 4) << 16) | group(s, 4, 4);
    u.time_mid = static_cast<uint16_t>(group(s, 9, 4));
    u.time_hi_and_version = static_cast<uint16_t>(group(s, 14, 4));
    u.clock_seq_hi_and_reserved = static_cast<uint8_t>(group(s, 19, 2));
    u.clock_seq_low = static_cast<uint8_t>(group(s, 21, 2));
    for (std::size_t i = 0; i < u.node.size(); ++i) u.node[i] = static_cast<uint8_t>(group(s, 24 + 2 * i, 2));
    return u;
}

Compressed uuid_compress(const Uuid& u) noexcept {
    const Wide w = pack(u);
    Compressed c{};
    for (std::size_t i = 0; i < kCompressedLength; ++i) c[i] = kAlphabet[six_bits(w, digit_shift(i))];
    c[kCompressedLength] = '\0';
    return c;
}

bool uuid_is_compressed(std::string_view s) noexcept {
    return run(s, [](char c) { return frame::is_alnum(c) || c == '!' || c == '*'; }) == kCompressedLength;
}

int uuid_digit_value(char c) noexcept {
    if (c == '!') return 0;
    if (c == '*') return 1;
    if (frame::is_digit(c)) return c - '0' + 2;
    if (frame::is_upper(c)) return c - 'A' + 12;
    if (frame::is_lower(c)) return c - 'a' + 38;
    return -1;
}

Uuid uuid_expand(std::string_view s) noexcept {
    Wide w;
    for (std::size_t i = 0; i < kCompressedLength && i < s.size(); ++i) {
        const int v = uuid_digit_value(s[i]);
        if (v > 0) add_six_bits(w, digit_shift(i), static_cast<uint64_t>(v));
    }
    return unpack(w);
}

int64_t uuid_unix_seconds(const Uuid& u) noexcept {
    const uint64_t t = (uint64_t{static_cast<uint16_t>(u.time_hi_and_version ^ kVersion1Bit)} << 48) |
                       (uint64_t{u.time_mid} << 32) | u.time_low;
    constexpr uint64_t kPerSecond = 10000000;
    if (t >= kUnixEpochUuidTime) return static_cast<int64_t>((t - kUnixEpochUuidTime) / kPerSecond);
    // Before 1970: round toward the earlier second.
    const uint64_t before = kUnixEpochUuidTime - t;
    return -static_cast<int64_t>((before + kPerSecond - 1) / kPerSecond);
}

std::optional<frame::Timestamp> local_timestamp(int64_t unix_seconds) noexcept {
    tzset();
    const auto t = static_cast<time_t>(unix_seconds);
    struct tm lt {};
    if (localtime_r(&t, &lt) == nullptr) return std::nullopt;
    if (lt.tm_year < 1 - 1900 || lt.tm_year > 9999 - 1900) return std::nullopt;
    date::Tm tm;
    tm.tm_sec = lt.tm_sec;
    tm.tm_min = lt.tm_min;
    tm.tm_hour = lt.tm_hour;
    tm.tm_mday = lt.tm_mday;
    tm.tm_mon = lt.tm_mon;
    tm.tm_year = lt.tm_year;
    return date::timestamp_result(tm);
}

}  // namespace brindle::uuid
