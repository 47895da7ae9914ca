// Ages, zeitdifferenz, dtime, countweekdays and the differences.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "date/calendar.h"
#include "date/date_support.h"

namespace brindle::date {
namespace {

using test::at;
using test::value;

using AgeFn = int32_t* (*)(TP, TP);
using AgeFn2 = int32_t* (*)(TP, TP, IP, IP, IP, IP);

std::optional<int32_t> age(AgeFn f, const Timestamp& s, const Timestamp& e) { return value(f(&s, &e)); }

TEST(Ages, CalendarMeasures) {
    EXPECT_EQ(age(ageinyears, at(2000, 12, 31), at(2001, 1, 1)), 1);
    EXPECT_EQ(age(ageinyears, at(2001, 1, 1), at(2000, 12, 31)), -1);
    EXPECT_EQ(age(ageinyearsnull, at(2001, 1, 1), at(2000, 12, 31)), std::nullopt);
    EXPECT_EQ(age(ageinyearsnull, at(2001, 1, 1), at(2001, 12, 31)), 0);
    EXPECT_EQ(age(ageinmonths, at(2008, 1, 31), at(2008, 2, 1)), 1);
    EXPECT_EQ(age(ageinmonths, at(1899, 11, 30), at(1900, 1, 1)), 2);
    // Saturday to Sunday crosses a week boundary, but is no whole week.
    EXPECT_EQ(age(ageinweeks, at(2008, 1, 5), at(2008, 1, 6)), 1);
    EXPECT_EQ(age(ageinweeksiso, at(2008, 1, 5), at(2008, 1, 6)), 0);
    EXPECT_EQ(age(ageinweeks, at(2008, 1, 6), at(2008, 1, 12)), 0);
    EXPECT_EQ(age(ageinweeksiso, at(2008, 1, 6), at(2008, 1, 12)), 0);
    EXPECT_EQ(age(ageinweeks, at(2008, 1, 6), at(2008, 1, 13)), 1);
    EXPECT_EQ(age(ageinweeksiso, at(2008, 1, 6), at(2008, 1, 13)), 1);
    EXPECT_EQ(age(ageinweeks, at(2008, 1, 13), at(2008, 1, 5)), -2);
    EXPECT_EQ(age(ageinweeksiso, at(2008, 1, 13), at(2008, 1, 5)), -1);  // -8 / 7 truncated
    EXPECT_EQ(age(ageinweeksnulliso, at(2008, 1, 13), at(2008, 1, 5)), std::nullopt);
}

TEST(Ages, ElapsedTimeMeasuresTruncateTowardZero) {
    const Timestamp late = at(2008, 1, 1, 23, 59, 59), midnight = at(2008, 1, 2);
    EXPECT_EQ(age(ageindays, late, midnight), 1);
    EXPECT_EQ(age(ageinhours, late, midnight), 0);
    EXPECT_EQ(age(ageinseconds, late, midnight), 1);
    EXPECT_EQ(age(ageinhours, at(2008, 1, 1, 10, 30), at(2008, 1, 1, 12, 29, 59)), 1);
    EXPECT_EQ(age(ageinhours, at(2008, 1, 1, 12), at(2008, 1, 1, 11, 30)), 0);
    EXPECT_EQ(age(ageinhoursnull, at(2008, 1, 1, 12), at(2008, 1, 1, 11, 30)), 0);
    EXPECT_EQ(age(ageinhours, at(2008, 1, 2, 0, 30), at(2008, 1, 1, 23)), -1);
    EXPECT_EQ(age(ageinseconds, at(2008, 1, 1, 0, 0, 0, 9999), at(2008, 1, 1, 0, 0, 1)), 1);  // fractions ignored
}

// The day count is signed across 1 January 1900, so no measure jumps there.
TEST(Ages, AcrossNineteenHundred) {
    const Timestamp eve = at(1899, 12, 31, 23), day = at(1900, 1, 1, 1);
    EXPECT_EQ(age(ageindays, eve, day), 1);
    EXPECT_EQ(age(ageinhours, eve, day), 2);
    EXPECT_EQ(age(ageinseconds, eve, day), 7200);
    EXPECT_EQ(age(ageinweeks, at(1899, 12, 30), at(1899, 12, 31)), 1);  // Saturday to Sunday
    EXPECT_EQ(age(ageindays, at(1858, 11, 17), at(2008, 1, 1)), test::civil_days(2008, 1, 1));
    EXPECT_EQ(age(ageinyears, at(1850, 6, 1), at(1899, 6, 1)), 49);
    const Timestamp d1 = at(1899, 12, 31), d2 = at(1899, 1, 1), d3 = at(2000, 1, 1, 12);
    EXPECT_EQ(value(dtime(&d1)), -1);
    EXPECT_EQ(value(dtime(&d2)), -365);
    EXPECT_EQ(value(dtime(&d3)), 36524);
}

TEST(Ages, VariantsClampThenNull) {
    const Timestamp s = at(2005, 6, 1), minus3 = at(2002, 6, 1), plus130 = at(2135, 6, 1), plus7 = at(2012, 1, 1),
                    plus12 = at(2017, 1, 1), minus8 = at(1997, 1, 1);
    auto clamped = [](AgeFn2 f, const Timestamp& a, const Timestamp& b, int32_t lo, int32_t lo_on, int32_t hi,
                      int32_t hi_on) { return value(f(&a, &b, &lo, &lo_on, &hi, &hi_on)); };
    EXPECT_EQ(clamped(ageinyearsthreshold, s, minus3, 0, 1, 0, 0), 0);
    EXPECT_EQ(clamped(ageinyearsthreshold, s, plus130, 0, 0, 120, 1), 120);
    EXPECT_EQ(clamped(ageinyearsthreshold, s, plus130, 0, 1, 120, 0), 130);
    EXPECT_EQ(clamped(ageinyearsthreshold, s, minus3, 0, 2, 120, 2), -3);  // only 1 switches on
    EXPECT_EQ(clamped(ageinyearsthreshold, s, plus7, 10, 1, 5, 1), 10);    // lower bound wins
    EXPECT_EQ(clamped(ageinyearsthreshold, s, plus12, 10, 1, 5, 1), 5);
    EXPECT_EQ(clamped(ageinyearsthresholdnull, s, minus8, -5, 1, 0, 0), std::nullopt);
    EXPECT_EQ(clamped(ageinyearsthresholdnull, s, minus8, 0, 1, 0, 0), 0);
    EXPECT_EQ(clamped(ageinyearsthresholdnull, s, minus8, 0, 0, 0, 0), std::nullopt);
    EXPECT_EQ(clamped(ageinyearsthresholdnull, s, plus12, 0, 1, 10, 1), 10);
    // A NULL in any of the six places is NULL, without a block.
    test::reset_blocks();
    const int32_t one = 1;
    EXPECT_EQ(ageinyearsthreshold(&s, &s, &one, &one, &one, nullptr), nullptr);
    EXPECT_EQ(ageinyearsthresholdnull(&s, &s, nullptr, &one, &one, &one), nullptr);
    EXPECT_EQ(ageinyearsthreshold(nullptr, &s, &one, &one, &one, &one), nullptr);
    EXPECT_EQ(ageinsecondsnull(&s, nullptr), nullptr);
    EXPECT_EQ(test::stats().count, 0);
}

// Differences beyond 32 bits saturate; the distances take the absolute value first.
TEST(Ages, BeyondThirtyTwoBitsSaturates) {
    const Timestamp first = at(1, 1, 1), last = at(9999, 12, 31, 23, 59, 59);
    EXPECT_EQ(age(ageinseconds, first, last), INT32_MAX);
    EXPECT_EQ(age(ageinseconds, last, first), INT32_MIN);
    EXPECT_EQ(age(ageinminutes, last, first), INT32_MIN);
    EXPECT_EQ(age(ageinsecondsnull, last, first), std::nullopt);
    EXPECT_EQ(age(secondsbetween, last, first), INT32_MAX);
    EXPECT_EQ(age(minutesbetween, first, last), INT32_MAX);
    EXPECT_EQ(age(ageinhours, first, last), 87649415);
    EXPECT_EQ(age(daysbetween, last, first), 3652058);
    const int32_t lo = 0, on = 1, hi = 1000;
    EXPECT_EQ(value(ageinsecondsthreshold(&first, &last, &lo, &on, &hi, &on)), 1000);
    EXPECT_EQ(value(ageinsecondsthresholdnull(&last, &first, &lo, &on, &hi, &on)), 0);
    // Exactly at the edge of 32 bits.
    const Timestamp base = at(1950, 1, 1);
    const Timestamp plus_max = add_seconds(base, INT32_MAX), plus_over = add_seconds(base, int64_t{INT32_MAX} + 1);
    EXPECT_EQ(age(ageinseconds, base, plus_max), INT32_MAX);
    EXPECT_EQ(age(ageinseconds, base, plus_over), INT32_MAX);
    EXPECT_EQ(age(ageinseconds, plus_over, base), INT32_MIN);  // -2^31 exactly
    EXPECT_EQ(age(secondsbetween, plus_over, base), INT32_MAX);
    EXPECT_EQ(age(ageinseconds, plus_max, base), -INT32_MAX);
    // Raw dates at the ends of the date field.
    const Timestamp lowest{INT32_MIN, 0}, highest{INT32_MAX, 0};
    EXPECT_EQ(age(ageindays, lowest, highest), INT32_MAX);
    EXPECT_EQ(age(ageinweeksiso, lowest, highest), 613566756);
    EXPECT_EQ(age(ageinweeks, highest, lowest), -613566756);
    EXPECT_EQ(age(daysbetween, highest, lowest), INT32_MAX);
    EXPECT_EQ(age(ageinseconds, lowest, highest), INT32_MAX);
}

TEST(Ages, Zeitdifferenz) {
    const Timestamp a = at(2008, 1, 2, 12), b = at(2008, 1, 1);
    auto z = [](const Timestamp& x, const Timestamp& y, const char* unit) { return value(zeitdifferenz(&x, &y, unit)); };
    EXPECT_EQ(z(a, b, "t"), 1.5);
    EXPECT_EQ(z(a, b, "h"), 36.0);
    EXPECT_EQ(z(a, b, "m"), 2160.0);
    EXPECT_EQ(z(a, b, "s"), 129600.0);
    EXPECT_EQ(z(b, a, "t"), -1.5);
    EXPECT_EQ(z(b, a, "s"), -129600.0);
    for (const char* other : {"H", "hh", "", "x", "T", "s "}) EXPECT_EQ(z(a, b, other), 0.0) << other;
    EXPECT_EQ(z(at(1900, 1, 1), at(1899, 12, 31, 18), "h"), 6.0);
    EXPECT_EQ(zeitdifferenz(&a, &b, nullptr), nullptr);
    EXPECT_EQ(zeitdifferenz(nullptr, &b, "t"), nullptr);
}

int32_t count(const Timestamp& s, const Timestamp& e, int32_t weekday) {
    return *value(countweekdays(&s, &e, &weekday));
}

TEST(Ages, CountWeekdaysCountsTheInclusiveRange) {
    const Timestamp mon7 = at(2008, 1, 7), mon14 = at(2008, 1, 14), wed16 = at(2008, 1, 16);
    EXPECT_EQ(count(mon7, mon14, 1), 2);
    EXPECT_EQ(count(mon7, mon14, 2), 1);
    for (int32_t w = 1; w <= 7; ++w) EXPECT_EQ(count(mon7, wed16, w), w <= 3 ? 2 : 1) << w;
    EXPECT_EQ(count(wed16, mon7, 1), 2);  // either order
    EXPECT_EQ(count(mon7, mon7, 1), 1);
    EXPECT_EQ(count(mon7, mon7, 2), 0);
    for (int32_t w : {0, 8, -1, INT32_MIN}) EXPECT_EQ(count(mon7, wed16, w), 0);
    // Against a day-by-day count, across 1900.
    std::mt19937 rng(7);
    std::uniform_int_distribution<int32_t> day(test::civil_days(1890, 1, 1), test::civil_days(1910, 1, 1));
    std::uniform_int_distribution<int32_t> span(-40, 40);
    for (int i = 0; i < 3000; ++i) {
        const int32_t a = day(rng), b = a + span(rng);
        const int32_t w = i % 7 + 1;
        int32_t expected = 0;
        for (int32_t d = std::min(a, b); d <= std::max(a, b); ++d) {
            const int32_t wday = ((d + 3) % 7 + 7) % 7;  // day 0 was a Wednesday
            expected += (wday == 0 ? 7 : wday) == w;
        }
        ASSERT_EQ(count(Timestamp{a, 1}, Timestamp{b, 2}, w), expected) << a << " " << b << " " << w;
    }
    EXPECT_EQ(count(Timestamp{INT32_MIN, 0}, Timestamp{INT32_MAX, 0}, 3), 613566757);
}

TEST(Differences, AbsoluteValuesOfTheAges) {
    const auto pair = [](AgeFn f, const Timestamp& a, const Timestamp& b, int32_t expected) {
        EXPECT_EQ(age(f, a, b), expected);
        EXPECT_EQ(age(f, b, a), expected);
    };
    pair(yearsbetween, at(2007, 12, 31), at(2008, 1, 1), 1);
    pair(yearsbetween, at(2008, 1, 1), at(2008, 12, 31), 0);
    pair(monthsbetween, at(2008, 1, 31), at(2008, 2, 1), 1);
    pair(weeksbetween, at(2008, 3, 15), at(2008, 3, 16), 1);
    pair(weeksbetweeniso, at(2008, 3, 15), at(2008, 3, 16), 0);
    pair(weeksbetween, at(2008, 3, 9), at(2008, 3, 16), 1);
    pair(weeksbetweeniso, at(2008, 3, 9), at(2008, 3, 16), 1);
    pair(hoursbetween, at(2008, 3, 1, 10), at(2008, 3, 1, 11, 59, 59), 1);
    pair(hoursbetween, at(2008, 3, 1, 23), at(2008, 3, 2, 1), 2);
    pair(daysbetween, at(2008, 3, 1, 23, 59, 59), at(2008, 3, 2), 1);
    pair(minutesbetween, at(2008, 3, 1, 23, 59, 1), at(2008, 3, 2), 0);
    pair(secondsbetween, at(1899, 12, 31, 23, 59, 59), at(1900, 1, 1), 1);
    test::reset_blocks();
    const Timestamp t = at(2008, 1, 1);
    for (AgeFn f : {yearsbetween, monthsbetween, weeksbetween, weeksbetweeniso, daysbetween, hoursbetween,
                    minutesbetween, secondsbetween}) {
        EXPECT_EQ(f(&t, nullptr), nullptr);
        EXPECT_EQ(f(nullptr, &t), nullptr);
    }
    EXPECT_EQ(test::stats().count, 0);
}

}  // namespace
}  // namespace brindle::date
