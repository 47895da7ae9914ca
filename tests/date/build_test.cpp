// Moving timestamps (add*, incdate) and building them from parts and day numbers.
#include "date/date_support.h"

namespace {

namespace c = std::chrono;
using AddFn = Timestamp* (*)(TP, IP);

constexpr uint32_t kHour = 36000000;  // ten-thousandths of a second
const std::optional<Timestamp> null;

std::optional<Timestamp> add(AddFn f, const Timestamp& t, int32_t n) { return value(f(&t, &n)); }

TEST(Add, CalendarRulesCarryWrapAndServerRange) {
    const Timestamp t08 = at(2008, 1, 1), jun = at(2008, 6, 1), last = at(9999, 12, 31, 23, 59, 59);
    const struct { AddFn f; Timestamp from; int32_t n; std::optional<Timestamp> to; } cases[] = {
        // Months clamp to the month's last day (floor division before 1900); years move 29 February to 1 March.
        {addmonth, at(2008, 1, 31, 8, 30), 1, at(2008, 2, 29, 8, 30)}, {addmonth, at(2009, 1, 31), 1, at(2009, 2, 28)},
        {addmonth, at(2008, 5, 31), -1, at(2008, 4, 30)}, {addmonth, at(2008, 2, 29), 12, at(2009, 2, 28)},
        {addmonth, at(1899, 1, 31), -2, at(1898, 11, 30)}, {addyear, at(2008, 2, 29), 4, at(2012, 2, 29)},
        {addmonth, at(2008, 5, 31), 1, at(2008, 6, 30)}, {addmonth, at(2008, 7, 31), 1, at(2008, 8, 31)},
        {addmonth, at(2008, 8, 31), 1, at(2008, 9, 30)}, {addmonth, at(2008, 10, 31), 1, at(2008, 11, 30)},
        {addmonth, at(2008, 1, 28), 1, at(2008, 2, 28)}, {addyear, at(2008, 2, 28), 1, at(2009, 2, 28)},
        {addyear, at(2008, 2, 29, 23, 1, 2), 1, at(2009, 3, 1, 23, 1, 2)},
        {addyear, at(2008, 2, 29), -108, at(1900, 3, 1)}, {addminute, at(2000, 1, 1), -1, at(1999, 12, 31, 23, 59)},
        {addday, at(2008, 2, 28, 10), 1, at(2008, 2, 29, 10)}, {addday, at(1900, 1, 1), -1, at(1899, 12, 31)},
        {addweek, at(2008, 12, 29), 1, at(2009, 1, 5)}, {addhour, at(2008, 12, 31, 23, 30), 1, at(2009, 1, 1, 0, 30)},
        {addsecond, at(2008, 3, 1), -1, at(2008, 2, 29, 23, 59, 59)},
        // The seconds are a signed 32-bit product: 24856 days wrap round to about 68 years back. The time's
        // seconds plus the amount do not wrap. Results outside 0001-01-01 .. 9999-12-31 are NULL.
        {addday, t08, 24855, at(2076, 1, 19)}, {addday, t08, 24856, at(1939, 12, 14, 17, 31, 44)},
        {addsecond, at(1950, 1, 1, 0, 0, 59), INT32_MAX, add(addsecond, at(1950, 1, 1, 0, 1), INT32_MAX - 1)},
        {addday, at(1, 1, 1), -1, null}, {addsecond, last, 1, null}, {addyear, jun, -2008, null},
        {addsecond, at(9999, 12, 31, 23, 59, 58), 1, last}, {addyear, jun, -2007, at(1, 6, 1)},
        {addyear, jun, INT32_MAX, null}, {addyear, jun, INT32_MIN, null}, {addmonth, jun, INT32_MIN, null},
        {addmonth, jun, INT32_MAX, null}, {addmonth, at(9999, 12, 31), 1, null},
    };
    for (const auto& c : cases) EXPECT_EQ(add(c.f, c.from, c.n), c.to) << c.from.date << " " << c.n;
    for (AddFn f : {addyear, addmonth, addweek, addday, addhour, addminute, addsecond}) {
        EXPECT_EQ(add(f, at(2008, 1, 31, 7, 4, 9, 5000), 0), at(2008, 1, 31, 7, 4, 9));  // fraction cleared
        for (int32_t n : {INT32_MIN, -1, 0, 1, INT32_MAX}) EXPECT_EQ(add(f, Timestamp{INT32_MIN, UINT32_MAX}, n), null);
    }
}

Timestamp inc(Timestamp t, int32_t days, int32_t months, int32_t years, int32_t h = 0, int32_t mi = 0, int32_t s = 0) {
    const Timestamp r = *value(incdatetime(&t, &days, &months, &years, &h, &mi, &s));
    EXPECT_TRUE(h || mi || s || value(incdate(&t, &days, &months, &years)) == r);  // incdate is the same
    return r;
}

TEST(BuildDates, IncDateClampsToTheNewMonthBeforeAddingYears) {
    EXPECT_EQ(inc(at(2008, 3, 31), 0, 1, 0), at(2008, 4, 30));
    EXPECT_EQ(inc(at(2008, 3, 31), 0, -1, 0), at(2008, 2, 29));
    EXPECT_EQ(inc(at(2008, 3, 31), 1, 1, 0), at(2008, 5, 1));
    EXPECT_EQ(inc(at(2008, 2, 29), 0, 0, 1), at(2009, 2, 28));
    EXPECT_EQ(inc(at(2007, 1, 31), 0, 1, 1), at(2008, 2, 28));  // months first, February of 2007
    EXPECT_EQ(inc(at(2008, 1, 31), 0, 1, 1), at(2009, 2, 28));
    EXPECT_EQ(inc(at(2008, 12, 31, 1, 2, 3, 4321), 0, 14, 0), at(2010, 2, 28, 1, 2, 3));  // fraction dropped
    // Month counts before 1900 split with floor division: checked against std::chrono.
    for (int y = 1890; y <= 1910; y += 3)
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d : {1u, 29u, 30u, 31u})
                for (int32_t k = -40; k <= 40 && c::year_month_day{c::year{y} / c::month{m} / d}.ok(); k += 7) {
                    const c::year_month to = c::year{y} / c::month{m} + c::months{k};
                    const unsigned n = unsigned{(to / c::last).day()}, month = unsigned{to.month()};
                    EXPECT_EQ(inc(at(y, m, d, 5), 0, k, 0), at(int{to.year()}, month, std::min(d, n), 5));
                }
    // Seconds beyond 32 bits move the date exactly.
    EXPECT_EQ(inc(at(2008, 3, 1), 0, 0, 0, 0, 0, -1), at(2008, 2, 29, 23, 59, 59));
    EXPECT_EQ(inc(at(2008, 3, 1), 1, 1, 1, 1, 1, 1), at(2009, 4, 2, 1, 1, 1));
    EXPECT_EQ(inc(at(2000, 1, 1), -30000, 0, 0), at(1917, 11, 12));
    EXPECT_EQ(inc(at(2000, 1, 1), 0, 0, 0, 700000), at(2079, 11, 8, 16));
    for (int32_t v : {INT32_MIN, INT32_MAX}) inc(Timestamp{v, 863999999}, v, v, v, v, v, v);  // defined (sanitizer)
}

std::optional<int32_t> enc_date(int32_t y, int32_t m, int32_t d) { return value(encodedate(&y, &m, &d)); }
std::optional<int32_t> enc_date_null(int32_t y, int32_t m, int32_t d) { return value(encodedatenull(&y, &m, &d)); }
std::optional<uint32_t> enc_time(int32_t h, int32_t m, int32_t s) { return value(encodetime(&h, &m, &s)); }
std::optional<uint32_t> enc_time_null(int32_t h, int32_t m, int32_t s) { return value(encodetimenull(&h, &m, &s)); }

TEST(BuildDates, EncodersPassPartsThroughAndNullVariantsRejectRollOver) {
    EXPECT_EQ(enc_date(2008, 3, 5), civil_days(2008, 3, 5));
    EXPECT_EQ(enc_date(1900, 1, 0), civil_days(1899, 12, 31));  // the day enters linearly
    EXPECT_EQ(enc_date(2008, 13, 1), civil_days(2009, 1, 1));
    EXPECT_TRUE(enc_time(25, 0, 0) == 25 * kHour && enc_time(0, 0, -1) == 4294957296u);  // 32-bit wrap of -10000
    int32_t y = 2008, mo = 2, d = 29, h = 13, mi = 45, s = 10;
    EXPECT_EQ(value(r_encodedate(&d, &mo, &y)), at(2008, 2, 29));
    EXPECT_EQ(value(encodetimestamp(&y, &mo, &d, &h, &mi, &s)), at(2008, 2, 29, 13, 45, 10));
    EXPECT_EQ(value(r_encodedatetime(&d, &mo, &y, &h, &mi, &s)), at(2008, 2, 29, 13, 45, 10));
    for (int32_t v : {INT32_MIN, -1, INT32_MAX}) {  // defined (sanitizer build)
        EXPECT_TRUE(enc_date(v, v, v) && enc_time(v, v, v) && value(encodetimestamp(&v, &v, &v, &v, &v, &v)));
        EXPECT_EQ(enc_time_null(v, v, v), std::nullopt);
        enc_date_null(v, v, 1);
    }
    EXPECT_EQ(enc_date_null(2008, 2, 29), civil_days(2008, 2, 29));
    EXPECT_EQ(enc_date_null(2009, 1, -364), civil_days(2008, 1, 2));  // only the month is compared
    EXPECT_EQ(enc_date_null(5800000, 1, 1), enc_date(5800000, 1, 1));
    const int32_t bad[][3] = {{2007, 2, 29}, {2008, 4, 31}, {2008, 13, 1}, {2008, 1, 0}, {2008, 0, 1}, {2008, 1, 32},
                              {2008, INT32_MIN, 1}, {2000000000, 9, 25}, {-5884000, 9, 1}};  // the last two wrap
    for (const auto& p : bad) EXPECT_EQ(enc_date_null(p[0], p[1], p[2]), std::nullopt) << p[0] << ' ' << p[1];
    EXPECT_TRUE(enc_time_null(23, 59, 59) == 86399u * 10000 && enc_time_null(1, 1, -1) == 3659u * 10000);  // hour only
    for (const auto& p : {std::array{24, 0, 0}, {12, 60, 0}, {12, 0, 60}, {1, -1, 0}, {-1, 0, 0}})
        EXPECT_EQ(enc_time_null(p[0], p[1], p[2]), std::nullopt) << p[0] << ':' << p[1] << ':' << p[2];
    const Timestamp t = at(2000, 2, 15, 13, 5, 7, 5000), t1900 = at(1900, 2, 10);
    EXPECT_TRUE(value(lastdaymonth(&t)) == at(2000, 2, 29) && value(firstdaymonth(&t)) == at(2000, 2, 1));
    EXPECT_EQ(value(lastdaymonth(&t1900)), at(1900, 2, 28));
}

using DoubleFn = Timestamp* (*)(DP);
std::optional<Timestamp> from(DoubleFn f, double x) { return value(f(&x)); }
double to_double(Timestamp t) { return *value(datetodouble(&t)); }

TEST(BuildDates, DayNumbersAsDoubles) {
    const Timestamp t{-5, 6 * kHour};
    EXPECT_TRUE(to_double({0, 12 * kHour}) == 0.5 && to_double(t) == -4.75 && value(timetodouble(&t)) == 0.25);
    const double inf = std::numeric_limits<double>::infinity();
    const struct { DoubleFn f; double x; std::optional<Timestamp> t; } cases[] = {
        {doubletodate, 54527.75, at(2008, 3, 2, 18)}, {doubletotime, 54527.25, Timestamp{0, 6 * kHour}},
        {doubletodate, 2.0000000019, Timestamp{2, 2}},  // 1.6416 rounded half away from zero
        {doubletotime, 3e9 + 0.5, Timestamp{0, 12 * kHour}},  // the day dropped, whatever its size
        // The day is the floor, so -0.25 is 18:00 of day -1 (datetodouble undone); a fraction that rounds
        // to a whole day carries into the next day, never a time of 24:00.
        {doubletodate, -0.25, Timestamp{-1, 18 * kHour}}, {doubletotime, -0.25, Timestamp{0, 18 * kHour}},
        {doubletodate, 54527.9999999999, Timestamp{54528, 0}}, {doubletodate, -1e-300, Timestamp{0, 0}},
        {doubletotime, 5.9999999999, Timestamp{0, 0}}, {doubletodate, 0.9999999994, Timestamp{0, 863999999}},
        // Outside the 32-bit day range, NaN and the infinities: NULL.
        {doubletodate, 2147483647.5, Timestamp{INT32_MAX, 12 * kHour}}, {doubletodate, 2147483648.0, null},
        {doubletodate, -2147483647.5, Timestamp{INT32_MIN, 12 * kHour}}, {doubletodate, -2147483649.0, null},
        {doubletodate, std::nan(""), null}, {doubletodate, inf, null}, {doubletodate, -inf, null},
        {doubletodate, 1e300, null}, {doubletotime, -inf, null},
    };
    for (const auto& c : cases) EXPECT_EQ(from(c.f, c.x), c.t) << c.x;
    for (int32_t d : {-700000, -1, 0, 54527})
        for (uint32_t tm : {0u, 1u, 6 * kHour, 863999999u})
            EXPECT_EQ(from(doubletodate, to_double({d, tm})), (Timestamp{d, tm}));
}

}  // namespace
