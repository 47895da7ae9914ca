// The eight measures of how far one timestamp lies after another, shared by the age
// functions and the differences.
#pragma once

#include <cstdint>

#include "date/calendar.h"

namespace brindle::date {

enum class Measure {
    years,      // calendar years: year fields only
    months,     // calendar months: year and month fields only
    weeks,      // Sundays after the start up to the end
    weeks_iso,  // whole 7-day spans
    days,       // calendar days, time ignored
    hours,      // whole hours of elapsed time
    minutes,
    seconds,
};

// end - start in the measure, exact where it fits in 32 bits and saturated at INT32_MIN /
// INT32_MAX where it does not (only minutes and seconds can leave 32 bits between dates the
// server accepts). Holds for any two dates, also before 1900.
int32_t measure(Measure m, const Timestamp& start, const Timestamp& end) noexcept;

// The exact, unsaturated value (at most about 2^48 in magnitude), for the differences, whose
// absolute value must not wrap.
int64_t measure_wide(Measure m, const Timestamp& start, const Timestamp& end) noexcept;

// The value in 32 bits, INT32_MIN / INT32_MAX where it does not fit.
int32_t saturate(int64_t v) noexcept;

}  // namespace brindle::date
