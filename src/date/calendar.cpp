#include "date/calendar.h"

namespace brindle::date {
namespace {

// Floor division and non-negative remainder.
constexpr int64_t floor_div(int64_t a, int64_t b) noexcept {
    const int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
constexpr int64_t floor_mod(int64_t a, int64_t b) noexcept { return a - floor_div(a, b) * b; }

constexpr int32_t wrap32(int64_t v) noexcept {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v)));
}

constexpr int32_t saturate32(int64_t v) noexcept {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

// Far beyond any shift between two 32-bit dates (2^32 days is about 3.7e14 seconds), small
// enough that no intermediate of add_seconds can overflow 64 bits.
constexpr int64_t kShiftLimit = int64_t{1} << 50;

int32_t yday_of(const Tm& t) noexcept {
    int32_t day = t.tm_mday - 1;
    const int32_t month = t.tm_mon;
    day += (214 * month + 3) / 7;
    if (month < 2) return day;
    return is_leap_year(t.tm_year + 1900) ? day - 1 : day - 2;
}

void decode_date_into(int32_t date, Tm& t) noexcept {
    int64_t nday = date;
    int64_t wday = (nday + 3) % 7;
    if (wday < 0) wday += 7;
    nday += 2400001 - 1721119;
    // Floor division keeps the calendar Gregorian before 1 March of year 0 as well, where the
    // client library's truncating division gives negative days and months; from there on the
    // two agree.
    const int64_t century = floor_div(4 * nday - 1, 146097);
    nday = 4 * nday - 1 - 146097 * century;
    int64_t day = nday / 4;
    nday = (4 * day + 3) / 1461;
    day = 4 * day + 3 - 1461 * nday;
    day = (day + 4) / 4;
    int64_t month = (5 * day - 3) / 153;
    day = 5 * day - 3 - 153 * month;
    day = (day + 5) / 5;
    int64_t year = 100 * century + nday;
    if (month < 10) {
        month += 3;
    } else {
        month -= 9;
        year += 1;
    }
    t.tm_mday = wrap32(day);
    t.tm_mon = wrap32(month - 1);
    t.tm_year = wrap32(year - 1900);
    t.tm_wday = wrap32(wday);
    t.tm_yday = yday_of(t);
}

void decode_time_into(uint32_t time, Tm& t) noexcept {
    t.tm_hour = static_cast<int32_t>(time / (3600 * kTicksPerSecond));
    time %= 3600 * kTicksPerSecond;
    t.tm_min = static_cast<int32_t>(time / (60 * kTicksPerSecond));
    time %= 60 * kTicksPerSecond;
    t.tm_sec = static_cast<int32_t>(time / kTicksPerSecond);
}

// Day count of (year, month, day) by the client library's formula; day enters linearly.
// Centuries are taken with floor division (equal to the client's for years from 0 on), so
// that negative years encode to the proleptic Gregorian day too.
int64_t encode_date_count(int64_t tm_year, int64_t tm_mon, int64_t mday) noexcept {
    int64_t month = tm_mon + 1;
    int64_t year = tm_year + 1900;
    if (month > 2) {
        month -= 3;
    } else {
        month += 9;
        year -= 1;
    }
    const int64_t c = floor_div(year, 100);
    const int64_t ya = year - 100 * c;
    return floor_div(146097 * c, 4) + (1461 * ya) / 4 + (153 * month + 2) / 5 + mday + 1721119 - 2400001;
}

}  // namespace

Tm decode_sql_date(int32_t date) noexcept {
    Tm t;
    decode_date_into(date, t);
    return t;
}

Tm decode_sql_time(uint32_t time) noexcept {
    Tm t;
    decode_time_into(time, t);
    return t;
}

Tm decode_timestamp(const Timestamp& ts) noexcept {
    Tm t;
    decode_date_into(ts.date, t);
    decode_time_into(ts.time, t);
    return t;
}

int32_t encode_sql_date(const Tm& tm) noexcept {
    return wrap32(encode_date_count(tm.tm_year, tm.tm_mon, tm.tm_mday));
}

uint32_t encode_sql_time(const Tm& tm) noexcept {
    const uint32_t h = static_cast<uint32_t>(tm.tm_hour);
    const uint32_t m = static_cast<uint32_t>(tm.tm_min);
    const uint32_t s = static_cast<uint32_t>(tm.tm_sec);
    return ((h * 60u + m) * 60u + s) * kTicksPerSecond;
}

Timestamp encode_timestamp(const Tm& tm) noexcept { return {encode_sql_date(tm), encode_sql_time(tm)}; }

bool is_leap_year(int32_t year) noexcept {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t days_in_month(int32_t month, int32_t year) noexcept {
    switch (month) {
        case 2: return is_leap_year(year) ? 29 : 28;
        case 4: case 6: case 9: case 11: return 30;
        default: return 31;
    }
}

int32_t day_of_year(const Timestamp& ts) noexcept { return decode_sql_date(ts.date).tm_yday + 1; }

int32_t day_number(const Timestamp& ts) noexcept { return saturate32(int64_t{ts.date} - kDay1900); }

Timestamp add_seconds(const Timestamp& ts, int64_t seconds) noexcept {
    Tm t = decode_timestamp(ts);
    if (seconds > kShiftLimit) seconds = kShiftLimit;
    if (seconds < -kShiftLimit) seconds = -kShiftLimit;
    int64_t sec = t.tm_sec + seconds;
    int64_t min = t.tm_min;
    int64_t hour = t.tm_hour;
    int64_t mday = t.tm_mday;
    if (sec >= 60) {
        min += sec / 60;
        sec %= 60;
        hour += min / 60;
        min %= 60;
        mday += hour / 24;
        hour %= 24;
    } else if (sec < 0) {
        min += floor_div(sec, 60);
        sec = floor_mod(sec, 60);
        if (min < 0) {
            hour += floor_div(min, 60);
            min = floor_mod(min, 60);
            if (hour < 0) {
                mday += floor_div(hour, 24);
                hour = floor_mod(hour, 24);
            }
        }
    }
    // The month-by-month carry of the day of the month is linear in the day count.
    const int64_t date = encode_date_count(t.tm_year, t.tm_mon, 1) + (mday - 1);
    const uint64_t ticks = ((static_cast<uint64_t>(hour) * 60 + static_cast<uint64_t>(min)) * 60 +
                            static_cast<uint64_t>(sec)) * kTicksPerSecond;
    return {saturate32(date), static_cast<uint32_t>(ticks)};
}

int32_t jan1_weekday(const Timestamp& ts, int32_t year_offset) noexcept {
    // 1 January of the shifted year as a 64-bit day count, so that no year wraps.
    const Tm t = decode_sql_date(ts.date);
    const int64_t jan1 = encode_date_count(int64_t{t.tm_year} + year_offset, 0, 1);
    return static_cast<int32_t>(floor_mod(jan1 + 3, 7)) + 1;
}

int32_t iso_week(const Timestamp& ts) noexcept {
    const int32_t yd = day_of_year(ts) - 1;
    auto monday_based = [](int32_t w) { return w == 1 ? 6 : w - 2; };
    const int32_t j = monday_based(jan1_weekday(ts, 0));
    const int32_t jp = monday_based(jan1_weekday(ts, -1));
    const int32_t jn = monday_based(jan1_weekday(ts, 1));
    const int32_t f = j > 3 ? yd - (7 - j) : yd + j;
    int32_t week;
    if (f < 0) {
        week = (j == 4 || jp == 3) ? 53 : 52;
    } else {
        week = f / 7 + 1;
    }
    if (f > 360 && week > 52) week = (j == 3 || jn == 4) ? 53 : 1;
    return week;
}

}  // namespace brindle::date
