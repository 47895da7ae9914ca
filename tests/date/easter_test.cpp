#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <optional>

#include "date/calendar.h"
#include "frame/udf.h"
#include "support/blocks.h"

using brindle::frame::Timestamp;
using Feast = Timestamp* (*)(const int32_t*);

extern "C" {
Timestamp* osterdatum(const int32_t*);
Timestamp* weiberfastnacht(const int32_t*);
Timestamp* rosenmontag(const int32_t*);
Timestamp* karnevalsdienstag(const int32_t*);
Timestamp* aschermittwoch(const int32_t*);
Timestamp* palmsonntag(const int32_t*);
Timestamp* gruendonnerstag(const int32_t*);
Timestamp* karfreitag(const int32_t*);
Timestamp* ostersamstag(const int32_t*);
Timestamp* ostermontag(const int32_t*);
Timestamp* himmelfahrt(const int32_t*);
Timestamp* pfingstsonntag(const int32_t*);
Timestamp* pfingstmontag(const int32_t*);
Timestamp* fronleichnam(const int32_t*);
int32_t* kalenderwoche(const Timestamp*);
}

namespace brindle {
namespace {

using namespace std::chrono;
using test::value;

const sys_days kDay0 = sys_days{year{1858} / November / 17};

Timestamp at(year_month_day d) { return {static_cast<int32_t>((sys_days{d} - kDay0).count()), 0}; }
Timestamp at(int y, unsigned m, unsigned d) { return at(year{y} / month{m} / d); }
std::optional<Timestamp> call(Feast f, int32_t y) { return value(f(&y)); }
int32_t week(Timestamp t) { return *value(kalenderwoche(&t)); }

// Gregorian Easter by the anonymous (Meeus/Jones/Butcher) algorithm.
year_month_day reference_easter(int y) {
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return year{y} / month / day;
}

TEST(Easter, MatchesTheGregorianRuleFrom1583To2299) {
    for (int y = 1583; y <= 2299; ++y) {
        const auto got = call(osterdatum, y);
        ASSERT_TRUE(got);
        EXPECT_EQ(*got, at(reference_easter(y))) << y;
        EXPECT_EQ(weekday{kDay0 + days{got->date}}, Sunday) << y;
    }
}

TEST(Easter, KnownDatesExceptionsAndWidenedYears) {
    EXPECT_EQ(call(osterdatum, 2008), at(2008, 3, 23));
    EXPECT_EQ(call(osterdatum, 2011), at(2011, 4, 24));
    EXPECT_EQ(call(osterdatum, 1981), at(1981, 4, 19));  // April 26 becomes April 19
    EXPECT_EQ(call(osterdatum, 1954), at(1954, 4, 18));  // April 25 becomes April 18
    EXPECT_EQ(call(osterdatum, 8), call(osterdatum, 2008));
    EXPECT_EQ(call(osterdatum, 81), call(osterdatum, 1981));
    EXPECT_EQ(call(osterdatum, 80), call(osterdatum, 2080));
    EXPECT_EQ(call(osterdatum, 0), call(osterdatum, 2000));
    EXPECT_EQ(call(osterdatum, 99), call(osterdatum, 1999));
    EXPECT_EQ(call(osterdatum, -5), call(osterdatum, 1995));
    EXPECT_EQ(call(osterdatum, 100), at(100, 4, 22));  // kept as it is: d 27, e 4
}

TEST(Easter, FeastsOf2008) {
    const struct {
        Feast f;
        unsigned m, d;
    } feasts[] = {{weiberfastnacht, 1, 31}, {rosenmontag, 2, 4},     {karnevalsdienstag, 2, 5},
                  {aschermittwoch, 2, 6},   {palmsonntag, 3, 16},    {gruendonnerstag, 3, 20},
                  {karfreitag, 3, 21},      {ostersamstag, 3, 22},   {ostermontag, 3, 24},
                  {himmelfahrt, 5, 1},      {pfingstsonntag, 5, 11}, {pfingstmontag, 5, 12},
                  {fronleichnam, 5, 22}};
    for (const auto& f : feasts) {
        EXPECT_EQ(call(f.f, 2008), at(2008, f.m, f.d)) << f.m << '-' << f.d;
        EXPECT_EQ(call(f.f, 8), at(2008, f.m, f.d));
    }
    EXPECT_EQ(call(fronleichnam, 2038)->date - call(osterdatum, 2038)->date, 60);
    EXPECT_EQ(call(weiberfastnacht, 1900)->date - call(osterdatum, 1900)->date, -52);
}

TEST(Easter, YearsBelowZeroRepeatTheEarliestCenturies) {
    // With the first row of constants the date depends only on the year modulo 532, so a
    // year below 0 falls on the day and month of its counterpart in 0-1699.
    for (int32_t y = -2001; y >= -30000; y -= 7) {
        const int32_t widened = y + 2000;  // below 0
        int32_t twin = widened;
        while (twin < 100) twin += 532;
        const auto ref = brindle::date::decode_timestamp(*call(osterdatum, twin));
        brindle::date::Tm t;
        t.tm_year = widened - 1900;
        t.tm_mon = ref.tm_mon;
        t.tm_mday = ref.tm_mday;
        EXPECT_EQ(call(osterdatum, y), brindle::date::encode_timestamp(t)) << y;
    }
    // The feasts keep their distance from Easter there too.
    for (int32_t y : {-2000, -2001, -123456}) {
        EXPECT_EQ(call(weiberfastnacht, y)->date - call(osterdatum, y)->date, -52);
        EXPECT_EQ(call(fronleichnam, y)->date - call(osterdatum, y)->date, 60);
    }
    for (int32_t y : {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}) {
        EXPECT_TRUE(call(osterdatum, y));
        EXPECT_TRUE(call(fronleichnam, y));
        EXPECT_TRUE(call(weiberfastnacht, y));
    }
}

TEST(Easter, KalenderwocheIsTheIsoWeek) {
    EXPECT_EQ(week(at(2008, 12, 29)), 1);
    EXPECT_EQ(week(at(2010, 1, 3)), 53);
    EXPECT_EQ(week(at(2009, 12, 31)), 53);
    EXPECT_EQ(week(at(2008, 1, 1)), 1);
    EXPECT_EQ(week(at(2016, 1, 2)), 53);
    EXPECT_EQ(week(at(2012, 1, 1)), 52);
}

TEST(Easter, NullArgumentsGiveNullWithoutBlocks) {
    test::reset_blocks();
    for (Feast f : {osterdatum, weiberfastnacht, rosenmontag, karnevalsdienstag, aschermittwoch,
                    palmsonntag, gruendonnerstag, karfreitag, ostersamstag, ostermontag,
                    himmelfahrt, pfingstsonntag, pfingstmontag, fronleichnam}) {
        EXPECT_EQ(f(nullptr), nullptr);
    }
    EXPECT_EQ(kalenderwoche(nullptr), nullptr);
    EXPECT_EQ(test::stats().count, 0);
}

}  // namespace
}  // namespace brindle
