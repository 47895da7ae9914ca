// Building SQL DATE, SQL TIME and TIMESTAMP values from their parts, the first and last day of
// a month, timestamps as fractional day numbers and back, and shifting a timestamp by days,
// months, years and a time of day.
//
// The plain encoders hand their parts to the calendar's encoders unchanged (no validation);
// parts are moved into the record with 32-bit wrapping (year - 1900, month - 1), so any
// integer is accepted. Only encodedatenull and encodetimenull check what they built.
#include <cmath>
#include <cstdint>
#include <optional>

#include "date/calendar.h"
#include "frame/registry.h"
#include "numeric/rounding.h"

namespace brindle::date {
namespace {

using frame::SqlDate;
using frame::SqlTime;

constexpr int32_t wrap32(int64_t v) noexcept {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v)));
}

constexpr int64_t floor_div(int64_t a, int64_t b) noexcept {
    const int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

Tm date_record(int32_t year, int32_t month, int32_t day) noexcept {
    Tm t;
    t.tm_year = wrap32(int64_t{year} - 1900);
    t.tm_mon = wrap32(int64_t{month} - 1);
    t.tm_mday = day;
    return t;
}

Tm time_record(int32_t hour, int32_t minute, int32_t second) noexcept {
    Tm t;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

Tm timestamp_record(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                    int32_t second) noexcept {
    Tm t = date_record(year, month, day);
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

// A fractional day number split into its day (rounded down) and its time of day in
// ten-thousandths of a second, rounded half away from zero. The fraction is always taken
// upwards from the day before, so -0.25 is 18:00 of day -1 (the inverse of datetodouble);
// a fraction that rounds to a whole day carries into the next day at 00:00.
struct DayAndTime {
    double day;  // a whole number
    uint32_t time;
};

std::optional<DayAndTime> split_day_number(double x) noexcept {
    if (!std::isfinite(x)) return std::nullopt;
    double day = std::floor(x);
    const double ticks = numeric::rounddecimal((x - day) * 864000000.0, 0);
    if (ticks >= 864000000.0) return DayAndTime{day + 1.0, 0};
    return DayAndTime{day, static_cast<uint32_t>(ticks)};
}

// The calendar repeats every 400 years (146097 days): a year is taken to 2000..2399 to be
// encoded or tested, so that no year, however far, wraps on its way through 32-bit fields.
constexpr int64_t kYearsPerCycle = 400;
constexpr int64_t kDaysPerCycle = 146097;

bool leap(int64_t tm_year) noexcept {
    return is_leap_year(static_cast<int32_t>(tm_year - kYearsPerCycle * floor_div(tm_year - 100, kYearsPerCycle)) + 1900);
}

int64_t day_count(int64_t tm_year, int32_t tm_mon, int32_t mday) noexcept {
    const int64_t cycles = floor_div(tm_year - 100, kYearsPerCycle);
    Tm t;
    t.tm_year = static_cast<int32_t>(tm_year - kYearsPerCycle * cycles);
    t.tm_mon = tm_mon;
    t.tm_mday = mday;
    return int64_t{encode_timestamp(t).date} + kDaysPerCycle * cycles;
}

// The record moved by months (months before years, as documented for incdate), with the day
// clamped to the length of the new month, then by seconds (the fraction of the second is
// dropped). Month counts are split with floor division, so a date before 1900 keeps a month
// of 0-11 and gets the same clamping as any other. Every step is exact in 64 bits; a result
// outside the server's dates is NULL.
std::optional<Timestamp> shift(const Timestamp& ts, int32_t months, int32_t years, int64_t seconds) noexcept {
    const Tm t = decode_timestamp(ts);
    const int64_t count = int64_t{t.tm_year} * 12 + t.tm_mon + months;
    const int64_t y = floor_div(count, 12);
    const int32_t m = static_cast<int32_t>(count - y * 12);
    int32_t mday = t.tm_mday;
    if (m == 1 && mday > 28) {
        mday = leap(y) ? 29 : 28;
    } else if (mday > 30 && (m == 3 || m == 5 || m == 8 || m == 10)) {
        mday = 30;
    }
    const int64_t year = y + years;
    if (m == 1 && mday > 28 && !leap(year)) mday = 28;
    const int64_t total = int64_t{seconds_of_day(t)} + seconds;
    const int64_t date = day_count(year, m, mday) + floor_div(total, 86400);
    if (date < kMinDate || date > kMaxDate) return std::nullopt;
    const auto second = static_cast<uint32_t>(total - floor_div(total, 86400) * 86400);
    return Timestamp{static_cast<int32_t>(date), second * kTicksPerSecond};
}

}  // namespace

SqlDate encodedate(int32_t year, int32_t month, int32_t day) noexcept {
    return {encode_sql_date(date_record(year, month, day))};
}

// NULL for a month above 12, a day above 31, or a day that rolls into another month. Only the
// month is compared (a negative day that goes back whole years into the same month passes),
// except that a year so far out that its day count does not fit in 32 bits (it would wrap to
// a date of some other year) is refused too.
std::optional<SqlDate> encodedatenull(int32_t year, int32_t month, int32_t day) noexcept {
    if (month > 12 || day > 31) return std::nullopt;
    const Tm t = date_record(year, month, day);
    const int32_t date = encode_sql_date(t);
    if (decode_sql_date(date).tm_mon != t.tm_mon) return std::nullopt;
    // The month is now 0-11, so its first day is a real date; its count has not wrapped
    // exactly when it decodes back to the same year and month. The day enters linearly.
    Tm first = t;
    first.tm_mday = 1;
    const int32_t first_date = encode_sql_date(first);
    const Tm back = decode_sql_date(first_date);
    const int64_t count = int64_t{first_date} + day - 1;
    if (back.tm_year != t.tm_year || back.tm_mon != t.tm_mon || count != date) return std::nullopt;
    return SqlDate{date};
}

Timestamp r_encodedate(int32_t day, int32_t month, int32_t year) noexcept {
    return timestamp_result(date_record(year, month, day));
}

SqlTime encodetime(int32_t hour, int32_t minute, int32_t second) noexcept {
    return {encode_sql_time(time_record(hour, minute, second))};
}

// NULL for an hour above 23, a minute or second above 59, or parts whose total leaves the
// given hour (negative minutes and seconds pass while the total stays within it).
std::optional<SqlTime> encodetimenull(int32_t hour, int32_t minute, int32_t second) noexcept {
    if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
    const uint32_t time = encode_sql_time(time_record(hour, minute, second));
    if (decode_sql_time(time).tm_hour != hour) return std::nullopt;
    return SqlTime{time};
}

Timestamp encodetimestamp(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                          int32_t second) noexcept {
    return timestamp_result(timestamp_record(year, month, day, hour, minute, second));
}

Timestamp r_encodedatetime(int32_t day, int32_t month, int32_t year, int32_t hour, int32_t minute,
                           int32_t second) noexcept {
    return timestamp_result(timestamp_record(year, month, day, hour, minute, second));
}

Timestamp firstdaymonth(Timestamp ts) noexcept {
    Tm t = decode_timestamp(ts);
    t.tm_mday = 1;
    t.tm_hour = t.tm_min = t.tm_sec = 0;
    t.tm_isdst = 0;
    return timestamp_result(t);
}

Timestamp lastdaymonth(Timestamp ts) noexcept {
    Tm t = decode_timestamp(ts);
    t.tm_mday = days_in_month(t.tm_mon + 1, t.tm_year + 1900);
    t.tm_hour = t.tm_min = t.tm_sec = 0;
    t.tm_isdst = 0;
    return timestamp_result(t);
}

double timetodouble(Timestamp ts) noexcept { return ts.time / 864000000.0; }

double datetodouble(Timestamp ts) noexcept {
    return static_cast<double>(ts.date) + ts.time / 864000000.0;
}

// NULL for NaN, the infinities and day numbers outside the 32-bit date range.
std::optional<Timestamp> doubletodate(double x) noexcept {
    const auto split = split_day_number(x);
    if (!split || split->day < -2147483648.0 || split->day > 2147483647.0) return std::nullopt;
    return Timestamp{static_cast<int32_t>(split->day), split->time};
}

// The time of day on 17 November 1858; the day of x is dropped whatever its size, so only NaN
// and the infinities give NULL. A fraction that rounds to a whole day gives 00:00.
std::optional<Timestamp> doubletotime(double x) noexcept {
    const auto split = split_day_number(x);
    if (!split) return std::nullopt;
    return Timestamp{0, split->time};
}

std::optional<Timestamp> incdate(Timestamp ts, int32_t days, int32_t months, int32_t years) noexcept {
    return shift(ts, months, years, int64_t{days} * 86400);
}

std::optional<Timestamp> incdatetime(Timestamp ts, int32_t days, int32_t months, int32_t years, int32_t hours,
                                     int32_t minutes, int32_t seconds) noexcept {
    return shift(ts, months, years,
                 int64_t{days} * 86400 + int64_t{hours} * 3600 + int64_t{minutes} * 60 + seconds);
}

}  // namespace brindle::date

namespace date = brindle::date;
using brindle::frame::Timestamp;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "date/build.def"
#undef BRINDLE_FN
