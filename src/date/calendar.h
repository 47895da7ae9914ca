// The calendar core: the server's TIMESTAMP, SQL DATE and SQL TIME values, the broken-down
// record every date function reads and builds, the six conversions between them, and the
// calendar helpers the date functions share.
//
// The conversions reproduce Firebird's client routines (isc_decode_timestamp and friends)
// exactly: Gregorian calendar throughout, day 0 = 17 November 1858 (a Wednesday), time in
// ten-thousandths of a second, the day of the month entering the day count linearly. They are
// computed with 64-bit intermediates, so no input is undefined behaviour, and before 1 March
// of year 0, where the client's arithmetic gives negative days and months, they stay on the
// proleptic Gregorian calendar: every 32-bit day decodes to a real date and encodes back.
#pragma once

#include <cstdint>

#include "frame/registry.h"

namespace brindle::date {

using frame::Timestamp;

// The C library's tm record, field for field (nine 32-bit integers).
struct Tm {
    int32_t tm_sec = 0;
    int32_t tm_min = 0;
    int32_t tm_hour = 0;
    int32_t tm_mday = 0;
    int32_t tm_mon = 0;   // 0 = January
    int32_t tm_year = 0;  // year - 1900
    int32_t tm_wday = 0;  // 0 = Sunday
    int32_t tm_yday = 0;  // 0 = 1 January
    int32_t tm_isdst = 0;
};

inline constexpr int32_t kDay1900 = 15020;             // ISC_DATE of 1900-01-01
inline constexpr uint32_t kTicksPerSecond = 10000;     // ISC_TIME units per second
inline constexpr uint32_t kTicksPerDay = 864000000;

// The dates the server accepts: 1 January 0001 to 31 December 9999.
inline constexpr int32_t kMinDate = -678575;
inline constexpr int32_t kMaxDate = 2973483;
constexpr bool in_server_range(const Timestamp& ts) noexcept {
    return ts.date >= kMinDate && ts.date <= kMaxDate;
}

Tm decode_timestamp(const Timestamp& ts) noexcept;   // fraction of the second dropped
Timestamp encode_timestamp(const Tm& tm) noexcept;   // fraction 0; wday, yday, isdst ignored
Tm decode_sql_date(int32_t date) noexcept;
int32_t encode_sql_date(const Tm& tm) noexcept;
Tm decode_sql_time(uint32_t time) noexcept;
uint32_t encode_sql_time(const Tm& tm) noexcept;     // no range checks (wraps in 32 bits)

bool is_leap_year(int32_t year) noexcept;            // full year; truncating remainders
int32_t days_in_month(int32_t month, int32_t year) noexcept;  // month 1-12; 31 for any other
int32_t day_of_year(const Timestamp& ts) noexcept;   // 1 to 366

// Signed count of days from 1 January 1900 (day 0); negative before it. Saturates for the
// few raw dates whose count leaves 32 bits.
int32_t day_number(const Timestamp& ts) noexcept;

// The TIMESTAMP moved by a number of seconds, with the carry through minutes, hours, days,
// months and years (the fraction of the second is dropped). Constant time. A result beyond
// the 32-bit date field saturates at its ends (never inside the server's range).
Timestamp add_seconds(const Timestamp& ts, int64_t seconds) noexcept;

// The record as a TIMESTAMP result value.
inline Timestamp timestamp_result(const Tm& tm) noexcept { return encode_timestamp(tm); }

// Weekday of 1 January of the timestamp's year plus `year_offset`: 1 = Sunday ... 7 = Saturday.
int32_t jan1_weekday(const Timestamp& ts, int32_t year_offset) noexcept;
// ISO 8601 week number, 1 to 53.
int32_t iso_week(const Timestamp& ts) noexcept;

// Seconds since midnight of a decoded record.
inline int32_t seconds_of_day(const Tm& tm) noexcept {
    return tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec;
}

}  // namespace brindle::date
