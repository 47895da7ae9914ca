// Ages, zeitdifferenz, dtime, countweekdays and the differences.
#include "date/date_support.h"

namespace {

using AgeFn = int32_t* (*)(TP, TP);
using ClampFn = int32_t* (*)(TP, TP, IP, IP, IP, IP);

std::optional<int32_t> age(AgeFn f, const Timestamp& s, const Timestamp& e) { return value(f(&s, &e)); }

TEST(Ages, MeasuresAcross1900AndBeyond32Bits) {
    const std::optional<int32_t> null;
    const Timestamp y1 = at(1, 1, 1), y9k = at(9999, 12, 31, 23, 59, 59), low{INT32_MIN, 0}, high{INT32_MAX, 0};
    const Timestamp eve = at(1899, 12, 31, 23), day = at(1900, 1, 1, 1), base = at(1950, 1, 1);
    const Timestamp sat1899 = at(1899, 12, 30), sun1899 = at(1899, 12, 31);
    const Timestamp plus_max{base.date + 24855, 11647 * 10000}, plus_over{base.date + 24855, 11648 * 10000};
    auto jan = [](unsigned d, unsigned h = 0, unsigned mi = 0, unsigned s = 0, unsigned f = 0) {
        return at(2008, 1, d, h, mi, s, f);
    };
    const struct { AgeFn f; Timestamp s, e; std::optional<int32_t> v; } cases[] = {
        // Years and months count calendar boundaries; Saturday to Sunday crosses a week boundary, is no whole week.
        {ageinyears, at(2000, 12, 31), at(2001, 1, 1), 1}, {ageinyears, at(2001, 1, 1), at(2000, 12, 31), -1},
        {ageinyearsnull, at(2001, 1, 1), at(2000, 12, 31), null}, {ageinyearsnull, at(2001, 1, 1), at(2001, 12, 31), 0},
        {ageinmonths, jan(31), at(2008, 2, 1), 1}, {ageinmonths, at(1899, 11, 30), at(1900, 1, 1), 2},
        {ageinweeks, jan(5), jan(6), 1}, {ageinweeksiso, jan(5), jan(6), 0}, {ageinweeks, jan(6), jan(12), 0},
        {ageinweeksiso, jan(6), jan(12), 0}, {ageinweeks, jan(6), jan(13), 1}, {ageinweeksiso, jan(6), jan(13), 1},
        {ageinweeks, jan(13), jan(5), -2}, {ageinweeksiso, jan(13), jan(5), -1}, {ageinweeks, sat1899, sun1899, 1},
        {ageinweeksnulliso, jan(13), jan(5), null},
        // Elapsed time truncates toward zero; fractions of a second are ignored.
        {ageindays, jan(1, 23, 59, 59), jan(2), 1}, {ageinhours, jan(1, 23, 59, 59), jan(2), 0},
        {ageinseconds, jan(1, 23, 59, 59), jan(2), 1}, {ageinhours, jan(1, 10, 30), jan(1, 12, 29, 59), 1},
        {ageinhours, jan(1, 12), jan(1, 11, 30), 0}, {ageinhoursnull, jan(1, 12), jan(1, 11, 30), 0},
        {ageinhours, jan(2, 0, 30), jan(1, 23), -1}, {ageinseconds, jan(1, 0, 0, 0, 9999), jan(1, 0, 0, 1), 1},
        {ageinminutes, jan(1, 0, 0, 59), jan(1, 0, 2, 58), 1}, {ageinminutes, y9k, y1, INT32_MIN},
        // The day count is signed across 1 January 1900, so no measure jumps there.
        {ageindays, eve, day, 1}, {ageinhours, eve, day, 2}, {ageinseconds, eve, day, 7200},
        // Beyond 32 bits the value saturates; the differences take the absolute value first.
        {ageinseconds, y1, y9k, INT32_MAX}, {ageinseconds, y9k, y1, INT32_MIN}, {ageinhours, y1, y9k, 87649415},
        {minutesbetween, y1, y9k, INT32_MAX}, {daysbetween, y9k, y1, 3652058}, {ageinsecondsnull, y9k, y1, null},
        {ageinseconds, base, plus_max, INT32_MAX}, {ageinseconds, plus_max, base, -INT32_MAX},
        {ageinseconds, plus_over, base, INT32_MIN}, {secondsbetween, plus_over, base, INT32_MAX},
        {ageindays, low, high, INT32_MAX}, {ageinweeks, high, low, -613566756}, {daysbetween, high, low, INT32_MAX},
    };
    for (const auto& c : cases) EXPECT_EQ(age(c.f, c.s, c.e), c.v) << c.s.date << " " << c.e.date;
    const Timestamp d1 = at(1899, 12, 31), d2 = at(1899, 1, 1), d3 = at(2000, 1, 1, 12);
    EXPECT_TRUE(value(dtime(&d1)) == -1 && value(dtime(&d2)) == -365 && value(dtime(&d3)) == 36524);
}

TEST(Ages, VariantsClampThenNull) {
    const Timestamp s = at(2005, 6, 1), y9k = at(9999, 12, 31), minus3 = at(2002, 6, 1), plus130 = at(2135, 6, 1);
    const Timestamp minus8 = at(1997, 1, 1), plus12 = at(2017, 1, 1);
    const struct { ClampFn f; Timestamp e; int32_t lo, lo_on, hi, hi_on; std::optional<int32_t> v; } cases[] = {
        {ageinyearsthreshold, minus3, 0, 1, 0, 0, 0}, {ageinyearsthreshold, plus130, 0, 0, 120, 1, 120},
        {ageinyearsthreshold, plus130, 0, 1, 120, 0, 130},
        {ageinyearsthreshold, minus3, 0, 2, 120, 2, -3},  // only 1 switches on
        {ageinyearsthreshold, at(2012, 1, 1), 10, 1, 5, 1, 10},  // the lower bound is tested first
        {ageinyearsthreshold, plus12, 10, 1, 5, 1, 5},
        {ageinyearsthresholdnull, minus8, -5, 1, 0, 0, std::nullopt}, {ageinyearsthresholdnull, minus8, 0, 1, 0, 0, 0},
        {ageinyearsthresholdnull, minus8, 0, 0, 0, 0, std::nullopt}, {ageinyearsthresholdnull, plus12, 0, 1, 10, 1, 10},
        {ageinsecondsthreshold, y9k, 0, 1, 1000, 1, 1000},  // saturated, then clamped
    };
    for (const auto& c : cases) EXPECT_EQ(value(c.f(&s, &c.e, &c.lo, &c.lo_on, &c.hi, &c.hi_on)), c.v) << c.lo << c.hi;
    const int32_t lo = 0, on = 1, hi = 1000;
    EXPECT_EQ(value(ageinsecondsthresholdnull(&y9k, &s, &lo, &on, &hi, &on)), 0);
}

TEST(Ages, Zeitdifferenz) {
    const Timestamp a = at(2008, 1, 2, 12), b = at(2008, 1, 1);
    auto z = [](const Timestamp& x, const Timestamp& y, CP unit) { return value(zeitdifferenz(&x, &y, unit)); };
    EXPECT_TRUE(z(a, b, "t") == 1.5 && z(a, b, "h") == 36.0 && z(a, b, "m") == 2160.0 && z(a, b, "s") == 129600.0);
    EXPECT_TRUE(z(b, a, "t") == -1.5 && z(b, a, "s") == -129600.0);
    for (const char* other : {"H", "hh", "", "x", "T", "s "}) EXPECT_EQ(z(a, b, other), 0.0) << other;
    EXPECT_EQ(z(at(1900, 1, 1), at(1899, 12, 31, 18), "h"), 6.0);
}

int32_t count(const Timestamp& s, const Timestamp& e, int32_t wd) { return *value(countweekdays(&s, &e, &wd)); }

// The weekday is counted over the inclusive range, in either order.
TEST(Ages, CountWeekdaysCountsTheInclusiveRange) {
    const Timestamp mon7 = at(2008, 1, 7), mon14 = at(2008, 1, 14), wed16 = at(2008, 1, 16);
    EXPECT_TRUE(count(mon7, mon14, 1) == 2 && count(mon7, mon14, 2) == 1);
    for (int32_t w = 1; w <= 7; ++w) EXPECT_EQ(count(mon7, wed16, w), w <= 3 ? 2 : 1) << w;
    EXPECT_TRUE(count(wed16, mon7, 1) == 2 && count(mon7, mon7, 1) == 1 && count(mon7, mon7, 2) == 0);
    for (int32_t w : {0, 8, -1, INT32_MIN}) EXPECT_EQ(count(mon7, wed16, w), 0);
    EXPECT_EQ(count(Timestamp{INT32_MIN, 0}, Timestamp{INT32_MAX, 0}, 3), 613566757);
    std::mt19937 rng(7);  // against a day-by-day count, across 1900
    std::uniform_int_distribution<int32_t> day(civil_days(1890, 1, 1), civil_days(1910, 1, 1)), span(-40, 40);
    for (int i = 0; i < 3000; ++i) {
        const int32_t a = day(rng), b = a + span(rng), w = i % 7 + 1;
        int32_t expected = 0;
        for (int32_t d = std::min(a, b); d <= std::max(a, b); ++d) expected += ((d + 3) % 7 + 7) % 7 == w % 7;
        ASSERT_EQ(count(Timestamp{a, 1}, Timestamp{b, 2}, w), expected) << a << " " << b << " " << w;
    }
}

TEST(Differences, AbsoluteValuesOfTheAges) {
    const struct { AgeFn f; Timestamp a, b; int32_t v; } cases[] = {
        {yearsbetween, at(2007, 12, 31), at(2008, 1, 1), 1}, {monthsbetween, at(2008, 1, 31), at(2008, 2, 1), 1},
        {weeksbetween, at(2008, 3, 15), at(2008, 3, 16), 1}, {weeksbetweeniso, at(2008, 3, 15), at(2008, 3, 16), 0},
        {weeksbetweeniso, at(2008, 3, 9), at(2008, 3, 16), 1}, {hoursbetween, at(2008, 3, 1, 23), at(2008, 3, 2, 1), 2},
        {daysbetween, at(2008, 3, 1, 23, 59, 59), at(2008, 3, 2), 1},
        {minutesbetween, at(2008, 3, 1, 23, 59, 1), at(2008, 3, 2), 0},
        {secondsbetween, at(1899, 12, 31, 23, 59, 59), at(1900, 1, 1), 1},
    };
    for (const auto& c : cases) EXPECT_TRUE(age(c.f, c.a, c.b) == c.v && age(c.f, c.b, c.a) == c.v) << c.a.date;
}

// A NULL argument in any place gives NULL before a block is taken, and so do the NULL results.
TEST(DateFunctions, NullsTakeNoBlock) {
    const Timestamp t = at(2008, 1, 1);
    const int32_t i = 1, y = 2007, m = 2, d = 29, h = 24;
    const double nan = std::nan("");
    reset_blocks();
    const void* results[] = {
        year(nullptr), woyiso(nullptr), daysofmonth(&i, nullptr), lastday(nullptr, &i), maxdate(&t, nullptr),
        mindate(nullptr, &t), addyear(nullptr, &i), addsecond(&t, nullptr), ageinsecondsnull(&t, nullptr),
        ageinyearsthreshold(&t, &t, &i, &i, &i, nullptr), ageinyearsthresholdnull(&t, &t, nullptr, &i, &i, &i),
        secondsbetween(nullptr, &t), zeitdifferenz(&t, &t, nullptr), countweekdays(&t, &t, nullptr), dtime(nullptr),
        encodedate(nullptr, &i, &i), r_encodedatetime(&i, &i, &i, nullptr, &i, &i), lastdaymonth(nullptr),
        incdatetime(&t, &i, &i, &i, &i, &i, nullptr), doubletotime(nullptr), encodedatenull(&y, &m, &d),
        encodetimenull(&h, &i, &i), doubletodate(&nan), datetostr(&t, nullptr), datetostrlang(&t, "%c", nullptr),
        gformatd(nullptr, &t), strtotime(nullptr), cdowlong(nullptr), cmonthshortlang(&t, nullptr),
        osterdatum(nullptr), fronleichnam(nullptr), kalenderwoche(nullptr), addperiod("1:0:0", nullptr),
        subperiod(nullptr, "1:0:0"), period2seconds("1:0"), seconds2period(nullptr), addperiod("1:0:0", "bad")};
    for (const void* r : results) EXPECT_EQ(r, nullptr);
    EXPECT_EQ(stats().count, 0);
}

}  // namespace
