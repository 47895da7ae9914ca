// Moving a timestamp by years, months, weeks, days, hours, minutes or seconds.
//
// Years and months work on the calendar fields; the smaller units become a number of seconds,
// the product taken in 32 bits as the legacy functions did (so 24856 days wrap round to about
// 68 years back), and go through add_seconds. A result outside the dates the server accepts
// (years 1 to 9999) is NULL rather than a value the server would reject.
#include <optional>

#include "date/calendar.h"

namespace brindle::date {
namespace {

std::optional<Timestamp> checked(const Timestamp& ts) noexcept {
    if (!in_server_range(ts)) return std::nullopt;
    return ts;
}

// Years outside 1 to 9999 cannot give a date in the server's range; rejecting them first
// keeps every later field within 32 bits.
constexpr bool plausible_year(int64_t full_year) noexcept {
    return full_year >= 1 && full_year <= 9999;
}

std::optional<Timestamp> addyear(Timestamp ts, int32_t years) {
    Tm t = decode_timestamp(ts);
    const int64_t full_year = int64_t{t.tm_year} + 1900 + years;
    if (!plausible_year(full_year)) return std::nullopt;
    t.tm_year = static_cast<int32_t>(full_year - 1900);
    if (t.tm_mon == 1 && t.tm_mday > 28 && !is_leap_year(static_cast<int32_t>(full_year))) {
        t.tm_mon = 2;
        t.tm_mday = 1;
    }
    return checked(timestamp_result(t));
}

std::optional<Timestamp> addmonth(Timestamp ts, int32_t months) {
    Tm t = decode_timestamp(ts);
    const int64_t count = int64_t{t.tm_year} * 12 + t.tm_mon + months;
    int64_t year = count / 12;
    int64_t month = count % 12;
    if (month < 0) {
        month += 12;
        year -= 1;
    }
    if (!plausible_year(year + 1900)) return std::nullopt;
    t.tm_year = static_cast<int32_t>(year);
    t.tm_mon = static_cast<int32_t>(month);
    if (t.tm_mon == 1 && t.tm_mday > 28) {
        t.tm_mday = is_leap_year(t.tm_year + 1900) ? 29 : 28;
    } else if (t.tm_mday > 30 && (t.tm_mon == 3 || t.tm_mon == 5 || t.tm_mon == 8 || t.tm_mon == 10)) {
        t.tm_mday = 30;
    }
    return checked(timestamp_result(t));
}

// amount x factor as a signed 32-bit product (two's-complement wrap, no overflow).
constexpr int32_t wrapped_product(int32_t amount, int32_t factor) noexcept {
    return static_cast<int32_t>(static_cast<uint32_t>(amount) * static_cast<uint32_t>(factor));
}

template <int32_t Factor>
std::optional<Timestamp> add_units(Timestamp ts, int32_t amount) {
    return checked(add_seconds(ts, wrapped_product(amount, Factor)));
}

}  // namespace
}  // namespace brindle::date

namespace d = brindle::date;
using brindle::frame::Timestamp;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "date/add.def"
#undef BRINDLE_FN
