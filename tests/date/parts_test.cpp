// Date parts and the three week numbers.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "date/calendar.h"
#include "date/date_support.h"
#include "date/weeks.h"

namespace brindle::date {
namespace {

namespace c = std::chrono;
using test::at;
using test::text;
using test::value;

int32_t days_of(c::sys_days d) { return static_cast<int32_t>(d.time_since_epoch().count()) + test::civil_days(1970, 1, 1); }

int day_in_year(c::sys_days d) {
    const c::year_month_day ymd{d};
    return static_cast<int>((d - c::sys_days{ymd.year() / c::January / 1}).count());
}

// Every day of a 400-year cycle (which crosses 1900 and 2000) against the rules stated
// independently: ISO 8601 (a week belongs to the year of its Thursday), the Sunday weeks
// belonging to the year of their Wednesday, and the simple count of Sundays since 1 January.
TEST(Weeks, FullCycleAgainstTheRulesStatedDirectly) {
    const c::sys_days first{c::year{1801} / c::January / 1};
    for (int i = 0; i < 146097; ++i) {
        const c::sys_days day = first + c::days{i};
        const Timestamp ts{days_of(day), 0};
        const Tm t = decode_timestamp(ts);
        const c::weekday wd{day};

        const c::sys_days thursday = day + c::days{4 - static_cast<int>(wd.iso_encoding())};
        const int iso_year = static_cast<int>(c::year_month_day{thursday}.year());
        const int iso = day_in_year(thursday) / 7 + 1;
        ASSERT_EQ(iso_week(ts), iso) << i;
        const YearWeek printed = iso_year_week(ts);
        ASSERT_EQ(printed.year, iso_year) << i;
        ASSERT_EQ(printed.week, iso) << i;

        const c::sys_days wednesday = day - c::days{wd.c_encoding()} + c::days{3};
        const YearWeek sw = sunday_week(t);
        ASSERT_EQ(sw.year, static_cast<int>(c::year_month_day{wednesday}.year())) << i;
        ASSERT_EQ(sw.week, day_in_year(wednesday) / 7 + 1) << i;

        const c::sys_days jan1{c::year_month_day{day}.year() / c::January / 1};
        const c::sys_days first_sunday = jan1 + c::days{7 - c::weekday{jan1}.c_encoding()};
        const int sundays = day < first_sunday ? 0 : static_cast<int>((day - first_sunday).count()) / 7 + 1;
        ASSERT_EQ(simple_week(t), sundays + 1) << i;
    }
}

TEST(Weeks, WorkedValues) {
    struct Row {
        Timestamp ts;
        int32_t week;
        const char* woy;
        const char* woyiso;
    };
    const Row rows[] = {
        {at(2008, 12, 28), 53, "200853", "200852"}, {at(2008, 12, 29), 53, "200853", "200901"},
        {at(2009, 1, 1), 1, "200853", "200901"},    {at(2009, 1, 4), 2, "200901", "200901"},
        {at(2010, 1, 3), 2, "201001", "200953"},    {at(2012, 1, 1), 1, "201201", "201152"},
        {at(2016, 1, 2), 1, "201552", "201553"},    {at(2020, 12, 31), 53, "202053", "202053"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(value(week(&r.ts)), r.week) << r.woy;
        EXPECT_EQ(text(woy(&r.ts)), r.woy);
        EXPECT_EQ(text(woyiso(&r.ts)), r.woyiso);
    }
    const Timestamp end2000 = at(2000, 12, 31);
    EXPECT_EQ(value(week(&end2000)), 54);
    EXPECT_EQ(value(weekofyear(&end2000)), 1);
    EXPECT_EQ(value(yearofyear(&end2000)), 2001);
    // Years before 1000 keep printf's field widths.
    const Timestamp early = at(5, 1, 1);  // a Saturday
    EXPECT_EQ(text(woy(&early)), "452");
    EXPECT_EQ(text(woyiso(&early)), "000453");
    // Negative years: the sign comes before the zero padding of "%04d".
    const Timestamp year0 = at(0, 1, 1), minus1 = at(-1, 6, 15);  // Saturday; Tuesday
    EXPECT_EQ(text(woy(&year0)), "-152");
    EXPECT_EQ(text(woyiso(&year0)), "-00152");
    EXPECT_EQ(text(woy(&minus1)), "-124");
    EXPECT_EQ(text(woyiso(&minus1)), "-00124");
}

TEST(Parts, FieldsAndNumberings) {
    const Timestamp sunday = at(2008, 3, 16, 13, 45, 10, 5000), monday = at(2008, 3, 17);
    EXPECT_EQ(value(year(&sunday)), 2008);
    EXPECT_EQ(value(dayofyear(&sunday)), 76);
    EXPECT_EQ(value(r_yearday(&sunday)), 75);
    EXPECT_EQ(value(second(&sunday)), 10);
    EXPECT_EQ(value(millisecond(&sunday)), 5000);  // ten-thousandths, not milliseconds
    EXPECT_EQ(value(millisecond(&monday)), 0);
    EXPECT_EQ(value(dayofweek(&sunday)), 1);
    EXPECT_EQ(value(r_weekday(&sunday)), 0);
    EXPECT_EQ(value(r_dow(&sunday)), 7);
    EXPECT_EQ(value(dayofweek(&monday)), 2);
    EXPECT_EQ(value(r_dow(&monday)), 1);
    const Timestamp march31 = at(2008, 3, 31), april1 = at(2008, 4, 1);
    EXPECT_EQ(value(quarter(&march31)), 1);
    EXPECT_EQ(value(quarter(&april1)), 2);
}

TEST(Parts, LeapYearsAndMonthLengths) {
    const Timestamp y1900 = at(1900, 6, 1), y2000 = at(2000, 6, 1);
    EXPECT_EQ(value(isleapyear(&y1900)), 0);
    EXPECT_EQ(value(isleapyear(&y2000)), 1);
    const int32_t y1900i = 1900, y0 = 0;
    EXPECT_EQ(value(r_isleapyear(&y1900i)), 0);  // taken as given, no 1900 added
    EXPECT_EQ(value(r_isleapyear(&y0)), 1);
    const int32_t y = 2008, feb = 2, m13 = 13;
    EXPECT_EQ(value(lastday(&y, &feb)), 29);
    EXPECT_EQ(value(daysofmonth(&feb, &y)), 29);
    EXPECT_EQ(value(daysofmonth(&m13, &y)), 31);
    EXPECT_EQ(value(lastday(&feb, &y)), 31);  // month 2008 in year 2: the order matters
}

TEST(Parts, ComparisonsKeepOrDropTheFraction) {
    const Timestamp morning = at(2008, 5, 1, 0, 0, 0, 1234), night = at(2008, 5, 1, 23, 59, 59, 9000);
    EXPECT_EQ(value(maxdate(&morning, &night)), night);
    EXPECT_EQ(value(maxdate(&night, &morning)), night);
    EXPECT_EQ(value(mindate(&night, &morning)), morning);
    // Equal values: the second argument's (tell them apart by pointer-free copies).
    const Timestamp a = at(2008, 5, 1, 12), b = a;
    EXPECT_EQ(value(maxdate(&a, &b)), b);
    // Dates compare signed, times unsigned.
    const Timestamp before1858{-5, 0}, after{5, 0}, late_time{5, 0x90000000u};
    EXPECT_EQ(value(mindate(&after, &before1858)), before1858);
    EXPECT_EQ(value(maxdate(&late_time, &after)), late_time);
    EXPECT_EQ(value(equaldate(&morning, &night)), 1);
    EXPECT_EQ(value(equaldatetime(&morning, &night)), 0);
    const Timestamp same_second = at(2008, 5, 1, 0, 0, 0, 9999);
    EXPECT_EQ(value(equaldatetime(&morning, &same_second)), 1);
}

TEST(Parts, StripTimeAndStripDate) {
    const Timestamp t = at(2008, 3, 15, 13, 45, 10, 5000);
    EXPECT_EQ(value(stripdate(&t)), at(1899, 12, 31, 13, 45, 10));
    EXPECT_EQ(value(striptime(&t)), at(2008, 3, 15));
}

TEST(Parts, NullInNullOutWithoutABlock) {
    test::reset_blocks();
    const Timestamp t = at(2008, 1, 1);
    const int32_t two = 2;
    EXPECT_EQ(year(nullptr), nullptr);
    EXPECT_EQ(woyiso(nullptr), nullptr);
    EXPECT_EQ(daysofmonth(&two, nullptr), nullptr);
    EXPECT_EQ(lastday(nullptr, &two), nullptr);
    EXPECT_EQ(maxdate(&t, nullptr), nullptr);
    EXPECT_EQ(mindate(nullptr, &t), nullptr);
    EXPECT_EQ(test::stats().count, 0);
}

// Raw values the server never sends still decode to something, without undefined behaviour.
TEST(Parts, ExtremeRawValues) {
    for (const Timestamp& t : {Timestamp{INT32_MIN, UINT32_MAX}, Timestamp{INT32_MAX, UINT32_MAX}}) {
        EXPECT_TRUE(value(year(&t)));
        EXPECT_TRUE(value(hour(&t)));
        const auto w = value(week(&t));
        EXPECT_TRUE(w && *w >= 1 && *w <= 54);
        const auto woy_text = text(woy(&t));
        const auto iso_text = text(woyiso(&t));
        EXPECT_TRUE(woy_text && !woy_text->empty());
        EXPECT_TRUE(iso_text && !iso_text->empty());
        EXPECT_TRUE(value(stripdate(&t)));
    }
}

}  // namespace
}  // namespace brindle::date
