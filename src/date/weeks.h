// The week numberings of a date, shared by the week functions and their tests.
#pragma once

#include <cstdint>

#include "date/calendar.h"

namespace brindle::date {

struct YearWeek {
    int32_t year;  // full year the week belongs to
    int32_t week;
};

// Sunday-based week of the calendar year, week 1 holding 1 January: 1 to 54.
int32_t simple_week(const Tm& t) noexcept;
// Sunday-to-Saturday week belonging to the year that holds its Wednesday.
YearWeek sunday_week(const Tm& t) noexcept;
// ISO 8601 week (iso_week) with the year it is printed under.
YearWeek iso_year_week(const Timestamp& ts) noexcept;

}  // namespace brindle::date
