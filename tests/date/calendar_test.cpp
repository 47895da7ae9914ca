// The calendar core against Firebird's own client routines, and the shared helpers.
#include <gtest/gtest.h>
#include <ibase.h>

#include <cstdint>
#include <ctime>
#include <chrono>
#include <random>

#include "date/calendar.h"
#include "date/date_support.h"

namespace brindle::date {
namespace {

using test::at;

::tm to_c(const Tm& t) {
    ::tm c{};
    c.tm_sec = t.tm_sec;
    c.tm_min = t.tm_min;
    c.tm_hour = t.tm_hour;
    c.tm_mday = t.tm_mday;
    c.tm_mon = t.tm_mon;
    c.tm_year = t.tm_year;
    c.tm_wday = t.tm_wday;
    c.tm_yday = t.tm_yday;
    c.tm_isdst = t.tm_isdst;
    return c;
}

bool same(const Tm& t, const ::tm& c) {
    return t.tm_sec == c.tm_sec && t.tm_min == c.tm_min && t.tm_hour == c.tm_hour && t.tm_mday == c.tm_mday &&
           t.tm_mon == c.tm_mon && t.tm_year == c.tm_year && t.tm_wday == c.tm_wday && t.tm_yday == c.tm_yday &&
           t.tm_isdst == c.tm_isdst;
}

// A spread of times of day: whole seconds, fractions, the ends of the day.
uint32_t time_for(int32_t date) {
    static const uint32_t fixed[] = {0, 1, 5000, 9999, 10000, 599999, 600000, 35999999, 36000000,
                                     432000000, 863990000, 863999999};
    const uint32_t n = static_cast<uint32_t>(date) % 97;
    if (n < std::size(fixed)) return fixed[n];
    return static_cast<uint32_t>((static_cast<uint64_t>(static_cast<uint32_t>(date)) * 2654435761u) % kTicksPerDay);
}

TEST(CalendarCore, EveryDayOfTheServerRangeMatchesTheClientLibrary) {
    EXPECT_EQ(kMinDate, test::civil_days(1, 1, 1));
    EXPECT_EQ(kMaxDate, test::civil_days(9999, 12, 31));
    long mismatches = 0;
    for (int32_t date = kMinDate; date <= kMaxDate && mismatches < 10; ++date) {
        const ISC_DATE d = date;
        ::tm ref;
        isc_decode_sql_date(&d, &ref);
        const Tm ours = decode_sql_date(date);
        ISC_DATE back = 0;
        isc_encode_sql_date(&ref, &back);
        const ::tm ours_c = to_c(ours);
        ISC_DATE back_ref = 0;
        isc_encode_sql_date(&ours_c, &back_ref);

        const ISC_TIMESTAMP ts{date, time_for(date)};
        ::tm ref_ts;
        isc_decode_timestamp(&ts, &ref_ts);
        const Tm ours_ts = decode_timestamp({ts.timestamp_date, ts.timestamp_time});
        ISC_TIMESTAMP enc_ref;
        isc_encode_timestamp(&ref_ts, &enc_ref);
        const Timestamp enc = encode_timestamp(ours_ts);

        const bool ok = same(ours, ref) && back == date && encode_sql_date(ours) == date && back_ref == date &&
                        same(ours_ts, ref_ts) && enc.date == enc_ref.timestamp_date &&
                        enc.time == enc_ref.timestamp_time && enc.time == ts.timestamp_time / 10000 * 10000;
        if (!ok) {
            ++mismatches;
            ADD_FAILURE() << "date " << date;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(CalendarCore, TimesMatchTheClientLibraryAlsoBeyondOneDay) {
    for (uint64_t t = 0; t <= UINT32_MAX; t += 9973 + (t % 7)) {  // every second of a day and beyond
        const ISC_TIME it = static_cast<ISC_TIME>(t);
        ::tm ref;
        isc_decode_sql_time(&it, &ref);
        const Tm ours = decode_sql_time(it);
        ASSERT_TRUE(same(ours, ref)) << t;
        ISC_TIME back;
        isc_encode_sql_time(&ref, &back);
        ASSERT_EQ(encode_sql_time(ours), back) << t;
    }
}

TEST(CalendarCore, EncodersTakeFieldsLinearlyAndUncheckedLikeTheClientLibrary) {
    for (int32_t year = -1899; year <= 8099; year += 37) {
        for (int32_t mon = -14; mon <= 25; ++mon) {
            for (int32_t mday = -40; mday <= 70; mday += 3) {
                Tm t;
                t.tm_year = year;
                t.tm_mon = mon;
                t.tm_mday = mday;
                t.tm_hour = (mday + 40) % 30;
                t.tm_min = mon * 5;
                t.tm_sec = mday;
                const ::tm c = to_c(t);
                ISC_DATE d;
                isc_encode_sql_date(&c, &d);
                ASSERT_EQ(encode_sql_date(t), d) << year << " " << mon << " " << mday;
                ISC_TIMESTAMP ts;
                isc_encode_timestamp(&c, &ts);
                const Timestamp ours = encode_timestamp(t);
                ASSERT_EQ(ours.date, ts.timestamp_date);
                ASSERT_EQ(ours.time, ts.timestamp_time) << t.tm_hour << ":" << t.tm_min << ":" << t.tm_sec;
            }
        }
    }
    // Day 0 of January 1900 is 31 December 1899.
    EXPECT_EQ(encode_sql_date(Tm{}), test::civil_days(1899, 12, 31));
}

// Outside the server's range the conversions stay on the proleptic Gregorian calendar.
TEST(CalendarCore, DatesBeyondTheServerRangeStayGregorian) {
    namespace c = std::chrono;
    const c::sys_days origin{c::year{1858} / c::November / c::day{17}};
    for (c::sys_days d{c::year{-9999} / c::January / 1}; d < c::sys_days{c::year{2} / c::January / 1};
         d += c::days{1}) {
        const int32_t date = static_cast<int32_t>((d - origin).count());
        const Tm t = decode_sql_date(date);
        const c::year_month_day ymd{d};
        const bool ok = t.tm_year + 1900 == static_cast<int>(ymd.year()) &&
                        t.tm_mon + 1 == static_cast<int>(static_cast<unsigned>(ymd.month())) &&
                        t.tm_mday == static_cast<int>(static_cast<unsigned>(ymd.day())) &&
                        t.tm_wday == static_cast<int>(c::weekday{d}.c_encoding()) &&
                        t.tm_yday == (d - c::sys_days{ymd.year() / c::January / 1}).count() &&
                        encode_sql_date(t) == date;
        ASSERT_TRUE(ok) << date;
    }
    for (int32_t date : {INT32_MIN, INT32_MIN + 1, -700000, INT32_MAX - 1, INT32_MAX}) {
        const Tm t = decode_sql_date(date);
        EXPECT_EQ(encode_sql_date(t), date);
        EXPECT_TRUE(t.tm_mon >= 0 && t.tm_mon <= 11 && t.tm_mday >= 1 && t.tm_mday <= 31);
        EXPECT_TRUE(t.tm_yday >= 0 && t.tm_yday <= 365);
    }
}

TEST(CalendarCore, DayNumberIsSignedAcross1900) {
    EXPECT_EQ(decode_sql_date(0).tm_yday, 320);  // 17 November 1858
    EXPECT_EQ(day_number(at(1900, 1, 1, 23, 59, 59)), 0);
    EXPECT_EQ(day_number(at(1900, 3, 1)), 59);
    EXPECT_EQ(day_number(at(2000, 1, 1)), 36524);
    EXPECT_EQ(day_number(at(1899, 12, 31)), -1);
    EXPECT_EQ(day_number(at(1899, 1, 1)), -365);
    EXPECT_EQ(day_number(at(1, 1, 1)), kMinDate - kDay1900);
    EXPECT_EQ(day_number(Timestamp{INT32_MIN, 0}), INT32_MIN);  // saturates, no wrap
}

TEST(CalendarCore, LeapYearsUseTruncatingRemainders) {
    EXPECT_FALSE(is_leap_year(1900));
    EXPECT_TRUE(is_leap_year(0) && is_leap_year(-4) && is_leap_year(2000));
    EXPECT_FALSE(is_leap_year(-100));
    EXPECT_EQ(days_in_month(2, 1900), 28);
    EXPECT_EQ(days_in_month(0, 2000), 31);
    EXPECT_EQ(days_in_month(-2, 2000), 31);
}

// add_seconds as the legacy routine stated it: carry the fields, then walk month by month.
Timestamp add_seconds_by_months(const Timestamp& ts, int32_t amount) {
    Tm t = decode_timestamp(ts);
    int64_t sec = int64_t{t.tm_sec} + amount, min = t.tm_min, hour = t.tm_hour, mday = t.tm_mday;
    int64_t mon = t.tm_mon, year = t.tm_year;
    auto floor_div = [](int64_t a, int64_t b) { return (a - (b - 1)) / b; };  // a < 0
    auto len = [&] { return days_in_month(static_cast<int32_t>(mon + 1), static_cast<int32_t>(year + 1900)); };
    if (sec >= 60) {
        min += sec / 60, sec %= 60;
        hour += min / 60, min %= 60;
        mday += hour / 24, hour %= 24;
        while (mday > len()) {
            mday -= len();
            if (++mon == 12) mon = 0, ++year;
        }
    } else if (sec < 0) {
        min += floor_div(sec, 60), sec = (sec % 60 + 60) % 60;
        if (min < 0) {
            hour += floor_div(min, 60), min = (min % 60 + 60) % 60;
            if (hour < 0) mday += floor_div(hour, 24), hour = (hour % 24 + 24) % 24;
        }
        while (mday < 1) {
            if (--mon < 0) mon = 11, --year;
            mday += len();
        }
    }
    t.tm_sec = static_cast<int32_t>(sec);
    t.tm_min = static_cast<int32_t>(min);
    t.tm_hour = static_cast<int32_t>(hour);
    t.tm_mday = static_cast<int32_t>(mday);
    t.tm_mon = static_cast<int32_t>(mon);
    t.tm_year = static_cast<int32_t>(year);
    return encode_timestamp(t);
}

TEST(CalendarCore, AddSecondsEqualsTheMonthByMonthCarry) {
    std::mt19937 rng(20080303);
    std::uniform_int_distribution<int32_t> date(test::civil_days(1800, 1, 1), test::civil_days(2200, 1, 1));
    std::uniform_int_distribution<uint32_t> time(0, kTicksPerDay - 1);
    std::uniform_int_distribution<int32_t> amount(INT32_MIN + 60, INT32_MAX - 60);
    std::uniform_int_distribution<int32_t> small(-200000, 200000);
    for (int i = 0; i < 20000; ++i) {
        const Timestamp ts{date(rng), time(rng)};
        const int32_t a = (i % 2) ? amount(rng) : small(rng);
        ASSERT_EQ(add_seconds(ts, a), add_seconds_by_months(ts, a)) << ts.date << " " << ts.time << " " << a;
    }
}

TEST(CalendarCore, AddSecondsEdgeCases) {
    EXPECT_EQ(add_seconds(at(1900, 1, 1), -1), at(1899, 12, 31, 23, 59, 59));
    EXPECT_EQ(add_seconds(at(2008, 1, 31, 12), 86400), at(2008, 2, 1, 12));
    EXPECT_EQ(add_seconds(at(2008, 1, 31), 86400 * 29), at(2008, 2, 29));
    EXPECT_EQ(add_seconds(at(2008, 1, 31, 7, 4, 9, 5000), 0), at(2008, 1, 31, 7, 4, 9));
    // Shifts far beyond any date end at the ends of the date field instead of wrapping back.
    EXPECT_EQ(add_seconds(at(2008, 1, 1), INT64_MAX).date, INT32_MAX);
    EXPECT_EQ(add_seconds(at(2008, 1, 1), INT64_MIN).date, INT32_MIN);
    EXPECT_FALSE(in_server_range(add_seconds(at(9999, 12, 31, 23, 59, 59), 1)));
}

}  // namespace
}  // namespace brindle::date
