#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "frame/udf.h"
#include "support/blocks.h"

using brindle::frame::Timestamp;

extern "C" {
int32_t* encodedate(const int32_t*, const int32_t*, const int32_t*);
int32_t* encodedatenull(const int32_t*, const int32_t*, const int32_t*);
Timestamp* r_encodedate(const int32_t*, const int32_t*, const int32_t*);
uint32_t* encodetime(const int32_t*, const int32_t*, const int32_t*);
uint32_t* encodetimenull(const int32_t*, const int32_t*, const int32_t*);
Timestamp* encodetimestamp(const int32_t*, const int32_t*, const int32_t*, const int32_t*,
                           const int32_t*, const int32_t*);
Timestamp* r_encodedatetime(const int32_t*, const int32_t*, const int32_t*, const int32_t*,
                            const int32_t*, const int32_t*);
Timestamp* firstdaymonth(const Timestamp*);
Timestamp* lastdaymonth(const Timestamp*);
double* timetodouble(const Timestamp*);
double* datetodouble(const Timestamp*);
Timestamp* doubletodate(const double*);
Timestamp* doubletotime(const double*);
Timestamp* incdate(const Timestamp*, const int32_t*, const int32_t*, const int32_t*);
Timestamp* incdatetime(const Timestamp*, const int32_t*, const int32_t*, const int32_t*,
                       const int32_t*, const int32_t*, const int32_t*);
}

namespace brindle {
namespace {

using namespace std::chrono;
using test::value;

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr uint32_t kHour = 36000000;  // ten-thousandths of a second

// Day count of a date, computed independently of the library.
int32_t day(int y, unsigned m, unsigned d) {
    return static_cast<int32_t>(
        (sys_days{year{y} / month{m} / d} - sys_days{year{1858} / November / 17}).count());
}
Timestamp at(int y, unsigned m, unsigned d, uint32_t h = 0, uint32_t mi = 0, uint32_t s = 0) {
    return {day(y, m, d), ((h * 60 + mi) * 60 + s) * 10000};
}

std::optional<int32_t> enc_date(int32_t y, int32_t m, int32_t d) { return value(encodedate(&y, &m, &d)); }
std::optional<int32_t> enc_date_null(int32_t y, int32_t m, int32_t d) {
    return value(encodedatenull(&y, &m, &d));
}
std::optional<uint32_t> enc_time(int32_t h, int32_t m, int32_t s) { return value(encodetime(&h, &m, &s)); }
std::optional<uint32_t> enc_time_null(int32_t h, int32_t m, int32_t s) {
    return value(encodetimenull(&h, &m, &s));
}
std::optional<Timestamp> from_double(double x) { return value(doubletodate(&x)); }
std::optional<Timestamp> time_from_double(double x) { return value(doubletotime(&x)); }
double to_double(Timestamp t) { return *value(datetodouble(&t)); }
Timestamp inc(Timestamp t, int32_t days, int32_t months, int32_t years) {
    return *value(incdate(&t, &days, &months, &years));
}
Timestamp inc_time(Timestamp t, int32_t days, int32_t months, int32_t years, int32_t h, int32_t mi,
                   int32_t s) {
    return *value(incdatetime(&t, &days, &months, &years, &h, &mi, &s));
}

TEST(BuildDates, EncodersPassTheirPartsThrough) {
    EXPECT_EQ(enc_date(2008, 3, 5), day(2008, 3, 5));
    EXPECT_EQ(enc_date(1900, 1, 0), day(1899, 12, 31));  // the day enters linearly
    EXPECT_EQ(enc_date(2008, 13, 1), day(2009, 1, 1));
    EXPECT_EQ(enc_time(23, 59, 59), 86399u * 10000);
    EXPECT_EQ(enc_time(25, 0, 0), 25 * kHour);  // beyond a day: as the encoder makes it
    EXPECT_EQ(enc_time(0, 0, -1), 4294957296u);  // 32-bit wrap of -10000
    int32_t y = 2008, mo = 2, d = 29, h = 13, mi = 45, s = 10;
    EXPECT_EQ(value(r_encodedate(&d, &mo, &y)), at(2008, 2, 29));
    EXPECT_EQ(value(encodetimestamp(&y, &mo, &d, &h, &mi, &s)), at(2008, 2, 29, 13, 45, 10));
    EXPECT_EQ(value(r_encodedatetime(&d, &mo, &y, &h, &mi, &s)), at(2008, 2, 29, 13, 45, 10));
    // Extreme parts are defined (checked by the sanitizer build).
    for (int32_t v : {kMin, -1, kMax}) {
        EXPECT_TRUE(enc_date(v, v, v) && enc_time(v, v, v) && value(encodetimestamp(&v, &v, &v, &v, &v, &v)));
        EXPECT_EQ(enc_time_null(v, v, v), std::nullopt);
        EXPECT_NO_FATAL_FAILURE(enc_date_null(v, v, 1));
    }
}

TEST(BuildDates, NullVariantsRejectPartsThatRollOver) {
    EXPECT_EQ(enc_date_null(2008, 2, 29), day(2008, 2, 29));
    const int32_t bad[][3] = {{2007, 2, 29}, {2008, 4, 31}, {2008, 13, 1}, {2008, 1, 0},
                              {2008, 0, 1},  {2008, 1, 32}, {2008, kMin, 1}};
    for (const auto& p : bad) EXPECT_EQ(enc_date_null(p[0], p[1], p[2]), std::nullopt) << p[1] << '-' << p[2];
    // Only the month is compared: a day going back whole years into the same month passes.
    EXPECT_EQ(enc_date_null(2009, 1, -364), day(2008, 1, 2));
    EXPECT_EQ(enc_date_null(2009, 3, -729), day(2007, 3, 2));
    // A day count beyond 32 bits would come back as another year: refused.
    EXPECT_EQ(enc_date_null(2000000000, 9, 25), std::nullopt);
    EXPECT_EQ(enc_date_null(-2000000000, 9, 25), std::nullopt);
    EXPECT_EQ(enc_date_null(5800000, 1, 1), enc_date(5800000, 1, 1));

    EXPECT_EQ(enc_time_null(23, 59, 59), 86399u * 10000);
    EXPECT_EQ(enc_time_null(1, 1, -1), 3659u * 10000);  // only the hour is checked
    const int32_t bad_times[][3] = {{24, 0, 0}, {12, 60, 0}, {12, 0, 60}, {1, -1, 0}, {-1, 0, 0}};
    for (const auto& p : bad_times) EXPECT_EQ(enc_time_null(p[0], p[1], p[2]), std::nullopt) << p[0] << ':' << p[1];
}

TEST(BuildDates, FirstAndLastDayOfMonth) {
    Timestamp t = at(2000, 2, 15, 13, 5, 7);
    t.time += 5000;
    EXPECT_EQ(value(lastdaymonth(&t)), at(2000, 2, 29));
    EXPECT_EQ(value(firstdaymonth(&t)), at(2000, 2, 1));
    t = at(1900, 2, 10);
    EXPECT_EQ(value(lastdaymonth(&t)), at(1900, 2, 28));
    t = at(1899, 12, 5, 1, 0, 0);
    EXPECT_EQ(value(lastdaymonth(&t)), at(1899, 12, 31));
}

TEST(BuildDates, DayNumbersAsDoubles) {
    Timestamp t{-5, 6 * kHour};
    EXPECT_EQ(to_double({0, 12 * kHour}), 0.5);
    EXPECT_EQ(to_double(t), -4.75);
    EXPECT_EQ(value(timetodouble(&t)), 0.25);
    EXPECT_EQ(from_double(54527.75), at(2008, 3, 2, 18, 0, 0));
    EXPECT_EQ(from_double(2.0000000019), (Timestamp{2, 2}));
    EXPECT_EQ(time_from_double(54527.25), (Timestamp{0, 6 * kHour}));
    EXPECT_EQ(time_from_double(3e9 + 0.5), (Timestamp{0, 12 * kHour}));  // day dropped, any size
    // Negative numbers count the time from the day before, so -0.25 is 18:00 of day -1 and
    // doubletodate undoes datetodouble on both sides of day 0.
    EXPECT_EQ(from_double(-0.25), (Timestamp{-1, 18 * kHour}));
    EXPECT_EQ(time_from_double(-0.25), (Timestamp{0, 18 * kHour}));
    for (int32_t d : {-700000, -1, 0, 54527}) {
        for (uint32_t time : {0u, 1u, 6 * kHour, 863999999u}) {
            EXPECT_EQ(from_double(to_double({d, time})), (Timestamp{d, time})) << d << ' ' << time;
        }
    }
}

TEST(BuildDates, DayNumberEdges) {
    // A fraction that rounds to a whole day carries into the next day (never a time of 24:00).
    EXPECT_EQ(from_double(54527.9999999999), (Timestamp{54528, 0}));
    EXPECT_EQ(from_double(-1e-300), (Timestamp{0, 0}));
    EXPECT_EQ(time_from_double(5.9999999999), (Timestamp{0, 0}));
    EXPECT_EQ(from_double(0.9999999994), (Timestamp{0, 863999999}));
    // Outside the 32-bit day range, and for NaN and the infinities: NULL.
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {std::nan(""), inf, -inf, 2147483648.0, -2147483649.0, 1e300}) {
        EXPECT_EQ(from_double(x), std::nullopt) << x;
    }
    EXPECT_EQ(time_from_double(-inf), std::nullopt);
    EXPECT_EQ(from_double(2147483647.5), (Timestamp{kMax, 12 * kHour}));
    EXPECT_EQ(from_double(-2147483647.5), (Timestamp{kMin, 12 * kHour}));
}

TEST(BuildDates, IncDateClampsToTheNewMonth) {
    EXPECT_EQ(inc(at(2008, 3, 31), 0, 1, 0), at(2008, 4, 30));
    EXPECT_EQ(inc(at(2008, 3, 31), 0, -1, 0), at(2008, 2, 29));
    EXPECT_EQ(inc(at(2008, 3, 31), 1, 1, 0), at(2008, 5, 1));
    EXPECT_EQ(inc(at(2008, 2, 29), 0, 0, 1), at(2009, 2, 28));
    EXPECT_EQ(inc(at(2007, 1, 31), 0, 1, 1), at(2008, 2, 28));  // months first, February of 2007
    EXPECT_EQ(inc(at(2008, 1, 31), 0, 1, 1), at(2009, 2, 28));
    Timestamp t = at(2008, 12, 31, 1, 2, 3);
    t.time += 4321;
    EXPECT_EQ(inc(t, 0, 14, 0), at(2010, 2, 28, 1, 2, 3));  // time kept, fraction dropped
}

TEST(BuildDates, IncDateMonthsAgreeWithTheCalendarAcross1900) {
    // Month counts before 1900 are split with floor division, so an earlier date moves like
    // any other: checked against the standard library's calendar.
    for (int y = 1890; y <= 1910; y += 3) {
        for (unsigned m = 1; m <= 12; ++m) {
            for (unsigned d : {1u, 29u, 30u, 31u}) {
                if (!year_month_day{year{y} / month{m} / d}.ok()) continue;
                for (int32_t k = -40; k <= 40; k += 7) {
                    const year_month to = year_month{year{y} / month{m}} + months{k};
                    const unsigned last = unsigned(year_month_day_last{to.year() / month_day_last{to.month()}}.day());
                    EXPECT_EQ(inc(at(y, m, d, 5), 0, k, 0),
                              at(int(to.year()), unsigned(to.month()), std::min(d, last), 5))
                        << y << '-' << m << '-' << d << " + " << k;
                }
            }
        }
    }
}

TEST(BuildDates, IncDateTimeAddsSecondsBeyond32Bits) {
    EXPECT_EQ(inc_time(at(2008, 3, 1), 0, 0, 0, 0, 0, -1), at(2008, 2, 29, 23, 59, 59));
    EXPECT_EQ(inc_time(at(2008, 3, 1), 1, 1, 1, 1, 1, 1), at(2009, 4, 2, 1, 1, 1));
    // 30000 days and 700000 hours are more seconds than 32 bits hold; they move exactly.
    EXPECT_EQ(inc(at(2000, 1, 1), 30000, 0, 0), at(2082, 2, 19));
    EXPECT_EQ(inc(at(2000, 1, 1), -30000, 0, 0), at(1917, 11, 12));
    EXPECT_EQ(inc_time(at(2000, 1, 1), 0, 0, 0, 700000, 0, 0), at(2079, 11, 8, 16, 0, 0));
    for (int32_t v : {kMin, kMax}) {  // defined (sanitizer build)
        EXPECT_NO_FATAL_FAILURE(inc_time(at(2000, 1, 1), v, v, v, v, v, v));
        EXPECT_NO_FATAL_FAILURE(inc(Timestamp{v, 863999999}, v, v, v));
    }
}

TEST(BuildDates, NullArgumentsGiveNullWithoutBlocks) {
    test::reset_blocks();
    const int32_t i = 1, y = 2007, m = 2, d = 29, h = 24;
    const double nan = std::nan("");
    const Timestamp t = at(2008, 1, 1);
    EXPECT_EQ(encodedate(nullptr, &i, &i), nullptr);
    EXPECT_EQ(encodedatenull(&i, nullptr, &i), nullptr);
    EXPECT_EQ(r_encodedate(&i, &i, nullptr), nullptr);
    EXPECT_EQ(encodetime(nullptr, &i, &i), nullptr);
    EXPECT_EQ(encodetimestamp(&i, &i, &i, &i, &i, nullptr), nullptr);
    EXPECT_EQ(r_encodedatetime(&i, &i, &i, nullptr, &i, &i), nullptr);
    EXPECT_EQ(lastdaymonth(nullptr), nullptr);
    EXPECT_EQ(datetodouble(nullptr), nullptr);
    EXPECT_EQ(doubletotime(nullptr), nullptr);
    EXPECT_EQ(incdate(&t, &i, &i, nullptr), nullptr);
    EXPECT_EQ(incdatetime(&t, &i, &i, &i, &i, &i, nullptr), nullptr);
    // NULL results are decided before any block is taken.
    EXPECT_EQ(encodedatenull(&y, &m, &d), nullptr);
    EXPECT_EQ(encodetimenull(&h, &i, &i), nullptr);
    EXPECT_EQ(doubletodate(&nan), nullptr);
    EXPECT_EQ(test::stats().count, 0);
}

}  // namespace
}  // namespace brindle
