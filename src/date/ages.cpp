// Ages: how far a second timestamp lies after a first one, in eight measures, each in four
// variants (plain, NULL when negative, clamped to optional bounds, clamped then NULL when
// negative); zeitdifferenz, dtime and countweekdays beside them.
//
// Day counts are taken from the signed day number, so every measure holds across 1900 and
// for any pair of dates. The hour, minute and second measures are computed in double
// precision and truncated toward zero; a value that does not fit in 32 bits saturates.
#include "date/ages.h"

#include <optional>
#include <string_view>
#include <utility>

namespace brindle::date {

int32_t saturate(int64_t v) noexcept {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

namespace {

// Days between the two dates; 64 bits, so no pair of raw dates overflows.
int64_t day_span(const Timestamp& start, const Timestamp& end) noexcept {
    return int64_t{end.date} - start.date;
}

// Day count of the Sunday that begins the date's week (17 November 1858 was a Wednesday).
int64_t week_start(const Timestamp& ts) noexcept {
    const int64_t day = ts.date;
    const int64_t wday = ((day + 3) % 7 + 7) % 7;
    return day - wday;
}

// Truncated toward zero; the value (at most about 2^48) is held exactly.
int64_t truncated(double v) noexcept { return static_cast<int64_t>(v); }

}  // namespace

int64_t measure_wide(Measure m, const Timestamp& start, const Timestamp& end) noexcept {
    const Tm s = decode_timestamp(start);
    const Tm e = decode_timestamp(end);
    const int64_t d = day_span(start, end);
    const int64_t secs = int64_t{seconds_of_day(e)} - seconds_of_day(s);
    switch (m) {
        case Measure::years: return int64_t{e.tm_year} - s.tm_year;
        case Measure::months: return (int64_t{e.tm_year} - s.tm_year) * 12 + e.tm_mon - s.tm_mon;
        case Measure::weeks: return (week_start(end) - week_start(start)) / 7;
        case Measure::weeks_iso: return d / 7;
        case Measure::days: return d;
        case Measure::hours:
            return truncated(static_cast<double>(d) * 24 + static_cast<double>(secs) / 3600.0);
        case Measure::minutes:
            return truncated(static_cast<double>(d) * 1440.0 + static_cast<double>(secs) / 60.0);
        case Measure::seconds:
            return truncated(static_cast<double>(d) * 86400.0 + static_cast<double>(secs));
    }
    return 0;
}

int32_t measure(Measure m, const Timestamp& start, const Timestamp& end) noexcept {
    return saturate(measure_wide(m, start, end));
}

namespace {

// ---- the four variants ---------------------------------------------------------------------

// The lower bound is tested first; when it applies the upper bound is not looked at.
int32_t clamp(int32_t v, int32_t lower, int32_t lower_on, int32_t upper, int32_t upper_on) noexcept {
    if (lower_on == 1 && v < lower) return lower;
    if (upper_on == 1 && v > upper) return upper;
    return v;
}

std::optional<int32_t> unless_negative(int32_t v) noexcept {
    if (v < 0) return std::nullopt;
    return v;
}

template <Measure M>
int32_t age(Timestamp start, Timestamp end) {
    return measure(M, start, end);
}

template <Measure M>
std::optional<int32_t> age_null(Timestamp start, Timestamp end) {
    return unless_negative(measure(M, start, end));
}

template <Measure M>
int32_t age_threshold(Timestamp start, Timestamp end, int32_t lower, int32_t lower_on, int32_t upper,
                      int32_t upper_on) {
    return clamp(measure(M, start, end), lower, lower_on, upper, upper_on);
}

template <Measure M>
std::optional<int32_t> age_threshold_null(Timestamp start, Timestamp end, int32_t lower, int32_t lower_on,
                                          int32_t upper, int32_t upper_on) {
    return unless_negative(clamp(measure(M, start, end), lower, lower_on, upper, upper_on));
}

// ---- zeitdifferenz, dtime, countweekdays ----------------------------------------------------

// first - second in days ("t"), hours ("h"), minutes ("m") or seconds ("s"); 0.0 for any
// other unit text.
double zeitdifferenz(Timestamp first, Timestamp second, std::string_view unit) {
    if (unit.size() != 1) return 0.0;
    const double d = static_cast<double>(day_span(second, first));
    const double s = static_cast<double>(int64_t{seconds_of_day(decode_timestamp(first))} -
                                         seconds_of_day(decode_timestamp(second)));
    switch (unit[0]) {
        case 't': return d + s / 86400.0;
        case 'h': return d * 24 + s / 3600.0;
        case 'm': return d * 1440.0 + s / 60.0;
        case 's': return d * 86400.0 + s;
        default: return 0.0;
    }
}

int32_t dtime(Timestamp ts) { return day_number(ts); }

// How often the weekday (1 = Monday ... 7 = Sunday) occurs among the days from the earlier to
// the later of the two dates, both included; 0 for a weekday number outside 1 to 7.
int32_t countweekdays(Timestamp start, Timestamp end, int32_t weekday) {
    if (weekday < 1 || weekday > 7) return 0;
    int64_t first = start.date;
    int64_t last = end.date;
    if (last < first) std::swap(first, last);
    const int64_t wanted = weekday % 7;  // 0 = Sunday, as the day count's weekday
    const int64_t first_wday = ((first + 3) % 7 + 7) % 7;
    const int64_t hit = first + (wanted - first_wday + 7) % 7;
    if (hit > last) return 0;
    return static_cast<int32_t>((last - hit) / 7 + 1);
}

}  // namespace
}  // namespace brindle::date

namespace d = brindle::date;
using brindle::date::Measure;
using brindle::frame::Timestamp;
using I = const int32_t*;
using T = const Timestamp*;

// clang-format off







// clang-format on

#define BRINDLE_FN BRINDLE_ROUTINE
#include "date/ages.def"
#undef BRINDLE_FN
