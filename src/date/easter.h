// Easter Sunday by Gauss's algorithm for the Gregorian calendar.
#pragma once

#include <cstdint>

#include "date/calendar.h"

namespace brindle::date {

// Two-digit years are widened: up to 80 (negative values included) to 20xx, 81 to 99 to 19xx;
// 100 and above are kept.
int32_t widen_year(int32_t year) noexcept;

// Easter Sunday of the (widened) year at 00:00:00. Gauss's remainders are taken non-negative,
// so a year below 0 also gets a date between 22 March and 25 April of that year (with the
// constants of the earliest centuries).
Timestamp easter_sunday(int32_t year) noexcept;

}  // namespace brindle::date
