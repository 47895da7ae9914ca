// Parts of a timestamp: calendar fields, weekday and day-of-year numberings, the three week
// numbers, the fraction of the second, month lengths, leap years, and comparisons.
#include "date/calendar.h"
#include "date/weeks.h"
#include "frame/format.h"

namespace brindle::date {

using frame::TextOut;

// ---- the week numberings -------------------------------------------------------------------

namespace {
// Weekday of 1 January of the record's year, 0 = Sunday.
int32_t jan1_of(const Tm& t) noexcept { return (t.tm_wday + 7 - t.tm_yday % 7) % 7; }
}  // namespace

int32_t simple_week(const Tm& t) noexcept { return (t.tm_yday + jan1_of(t)) / 7 + 1; }

// Sunday-to-Saturday weeks, each belonging to the year of its Wednesday.
YearWeek sunday_week(const Tm& t) noexcept {
    const int32_t year = t.tm_year + 1900;
    const int32_t j = jan1_of(t);
    const int32_t d = t.tm_yday - t.tm_wday;
    if (d < 0) {
        if (j <= 3) return {year, 1};
        const bool long_year = j == 4 || (j == 5 && is_leap_year(year - 1));
        return {year - 1, long_year ? 53 : 52};
    }
    const int32_t week = j <= 3 ? (d + 7 + j) / 7 : d / 7 + 1;
    if (week > 52) {
        if (j == 3 || (j == 2 && is_leap_year(year))) return {year, 53};
        return {year + 1, 1};
    }
    return {year, week};
}

// ISO 8601 week with the year it is printed under: the calendar year, moved back for the last
// week of the year before that reaches into January, forward for week 1 reaching into December.
YearWeek iso_year_week(const Timestamp& ts) noexcept {
    const Tm t = decode_sql_date(ts.date);
    const int32_t week = iso_week(ts);
    int32_t year = t.tm_year + 1900;
    if (week >= 52 && t.tm_mon == 0) --year;
    if (week == 1 && t.tm_mon == 11) ++year;
    return {year, week};
}

namespace {

Tm decoded(const Timestamp& ts) noexcept { return decode_timestamp(ts); }

int32_t year(Timestamp ts) { return decoded(ts).tm_year + 1900; }
int32_t month(Timestamp ts) { return decoded(ts).tm_mon + 1; }
int32_t quarter(Timestamp ts) { return decoded(ts).tm_mon / 3 + 1; }
int32_t dayofmonth(Timestamp ts) { return decoded(ts).tm_mday; }
int32_t dayofyear(Timestamp ts) { return day_of_year(ts); }
int32_t r_yearday(Timestamp ts) { return decoded(ts).tm_yday; }
int32_t dayofweek(Timestamp ts) { return decoded(ts).tm_wday + 1; }
int32_t r_weekday(Timestamp ts) { return decoded(ts).tm_wday; }
int32_t r_dow(Timestamp ts) {
    const int32_t w = decoded(ts).tm_wday;
    return w == 0 ? 7 : w;
}
int32_t hour(Timestamp ts) { return decoded(ts).tm_hour; }
int32_t minute(Timestamp ts) { return decoded(ts).tm_min; }
int32_t second(Timestamp ts) { return decoded(ts).tm_sec; }
int32_t millisecond(Timestamp ts) { return static_cast<int32_t>(ts.time % kTicksPerSecond); }
int32_t isleapyear(Timestamp ts) { return is_leap_year(year(ts)) ? 1 : 0; }

int32_t week(Timestamp ts) { return simple_week(decoded(ts)); }
int32_t weekofyear(Timestamp ts) { return sunday_week(decoded(ts)).week; }
int32_t yearofyear(Timestamp ts) { return sunday_week(decoded(ts)).year; }

void woy(TextOut& out, Timestamp ts) {
    const YearWeek yw = sunday_week(decoded(ts));
    frame::put_int(out, yw.year);
    frame::put_int0(out, yw.week, 2);
}

void woyiso(TextOut& out, Timestamp ts) {
    const YearWeek yw = iso_year_week(ts);
    frame::put_int0(out, yw.year, 4);
    frame::put_int0(out, yw.week, 2);
}

int32_t r_isleapyear(int32_t y) { return is_leap_year(y) ? 1 : 0; }
int32_t daysofmonth(int32_t m, int32_t y) { return days_in_month(m, y); }
int32_t lastday(int32_t y, int32_t m) { return days_in_month(m, y); }

// Raw order: the date as a signed day, then the time as an unsigned count.
bool later(const Timestamp& a, const Timestamp& b) noexcept {
    return a.date != b.date ? a.date > b.date : a.time > b.time;
}
Timestamp maxdate(Timestamp a, Timestamp b) { return later(a, b) ? a : b; }
Timestamp mindate(Timestamp a, Timestamp b) { return later(b, a) ? a : b; }

int32_t equaldate(Timestamp a, Timestamp b) {
    const Tm x = decoded(a);
    const Tm y = decoded(b);
    return x.tm_year == y.tm_year && x.tm_mon == y.tm_mon && x.tm_mday == y.tm_mday ? 1 : 0;
}

int32_t equaldatetime(Timestamp a, Timestamp b) {
    const Tm x = decoded(a);
    const Tm y = decoded(b);
    return x.tm_year == y.tm_year && x.tm_mon == y.tm_mon && x.tm_mday == y.tm_mday &&
                   x.tm_hour == y.tm_hour && x.tm_min == y.tm_min && x.tm_sec == y.tm_sec
               ? 1
               : 0;
}

Timestamp striptime(Timestamp ts) {
    Tm t = decoded(ts);
    t.tm_hour = t.tm_min = t.tm_sec = t.tm_isdst = 0;
    return timestamp_result(t);
}

// Day 0 of January 1900, i.e. 31 December 1899, at the same time of day.
Timestamp stripdate(Timestamp ts) {
    Tm t = decoded(ts);
    t.tm_mday = t.tm_mon = t.tm_year = t.tm_wday = t.tm_yday = 0;
    return timestamp_result(t);
}

}  // namespace
}  // namespace brindle::date

namespace d = brindle::date;
using brindle::frame::Timestamp;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "date/parts.def"
#undef BRINDLE_FN
