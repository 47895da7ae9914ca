// strtotime: a clock time written as hours, minutes and seconds, with an optional "AM".
#include <cstdint>
#include <string_view>

#include "date/calendar.h"
#include "frame/text.h"
#include "frame/registry.h"

namespace brindle::date {
namespace {

// Decimal integer conversion as the C library's atoi does it with a 32-bit long: leading
// white space, an optional sign, digits up to the first non-digit; no digits give 0. Values
// beyond the 32-bit range saturate.
int64_t read_int(std::string_view s, std::size_t pos) noexcept {
    while (pos < s.size() && frame::is_space(s[pos])) ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
    int64_t v = 0;
    for (; pos < s.size() && frame::is_digit(s[pos]); ++pos) {
        if (v <= INT32_MAX) v = v * 10 + (s[pos] - '0');
    }
    if (negative) v = -v;
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return v;
}

// Minutes and seconds are not range-checked: they carry linearly into the hours. A time that
// lands outside the day (23:59:99 in the afternoon, a negative count) is taken around the
// clock, so the result is always a valid TIME.
frame::SqlTime strtotime(std::string_view text) {
    const std::size_t len = text.size();
    const int64_t h = read_int(text, 0);
    int64_t m = 0;
    int64_t s = 0;
    const std::size_t c1 = text.find(':');
    if (c1 != std::string_view::npos && c1 + 1 < len) {
        m = read_int(text, c1 + 1);
        const std::size_t c2 = text.find(':', c1 + 1);
        if (c2 != std::string_view::npos && c2 + 1 < len) s = read_int(text, c2 + 1);
    }
    const bool morning = len < 2 || text.substr(len - 2) == "AM";
    int64_t hour;
    if (morning) hour = h == 12 ? (h + 12) % 24 : h % 24;
    else hour = h == 12 ? h % 24 : (h + 12) % 24;
    const int64_t seconds = (hour * 60 + m) * 60 + s;
    int64_t in_day = seconds % 86400;
    if (in_day < 0) in_day += 86400;
    return {static_cast<uint32_t>(in_day) * kTicksPerSecond};
}

}  // namespace
}  // namespace brindle::date

#define BRINDLE_FN BRINDLE_ROUTINE
#include "date/strtotime.def"
#undef BRINDLE_FN
