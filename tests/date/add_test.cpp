// Adding years, months, weeks, days, hours, minutes and seconds to a timestamp.
#include <gtest/gtest.h>

#include "date/date_support.h"

namespace brindle::date {
namespace {

using test::at;
using test::value;

using AddFn = Timestamp* (*)(TP, IP);

std::optional<Timestamp> add(AddFn f, const Timestamp& t, int32_t n) { return value(f(&t, &n)); }

TEST(Add, MonthsClampToTheLastDay) {
    EXPECT_EQ(add(addmonth, at(2008, 1, 31, 8, 30), 1), at(2008, 2, 29, 8, 30));
    EXPECT_EQ(add(addmonth, at(2009, 1, 31), 1), at(2009, 2, 28));
    EXPECT_EQ(add(addmonth, at(2008, 3, 31), 1), at(2008, 4, 30));
    EXPECT_EQ(add(addmonth, at(2008, 5, 31), -1), at(2008, 4, 30));
    EXPECT_EQ(add(addmonth, at(2008, 1, 15), -1), at(2007, 12, 15));
    EXPECT_EQ(add(addmonth, at(2008, 2, 29), 12), at(2009, 2, 28));
    EXPECT_EQ(add(addmonth, at(1899, 1, 31), -1), at(1898, 12, 31));  // floor division before 1900
    EXPECT_EQ(add(addmonth, at(1900, 1, 15), -13), at(1898, 12, 15));
    EXPECT_EQ(add(addmonth, at(2000, 1, 31), 1200), at(2100, 1, 31));
}

TEST(Add, YearsMoveTheTwentyNinthOfFebruaryToMarch) {
    EXPECT_EQ(add(addyear, at(2008, 2, 29, 23, 1, 2), 1), at(2009, 3, 1, 23, 1, 2));
    EXPECT_EQ(add(addyear, at(2008, 2, 29), 4), at(2012, 2, 29));
    EXPECT_EQ(add(addyear, at(2008, 2, 29), -108), at(1900, 3, 1));
    EXPECT_EQ(add(addyear, at(2008, 2, 29), -100), at(1908, 2, 29));
    EXPECT_EQ(add(addyear, at(2008, 2, 28), 1), at(2009, 2, 28));
}

TEST(Add, SmallUnitsCarryThroughTheCalendar) {
    EXPECT_EQ(add(addday, at(2008, 2, 28, 10), 1), at(2008, 2, 29, 10));
    EXPECT_EQ(add(addday, at(2008, 12, 31), 1), at(2009, 1, 1));
    EXPECT_EQ(add(addday, at(1900, 1, 1), -1), at(1899, 12, 31));
    EXPECT_EQ(add(addweek, at(2008, 12, 29), 1), at(2009, 1, 5));
    EXPECT_EQ(add(addhour, at(2008, 12, 31, 23, 30), 1), at(2009, 1, 1, 0, 30));
    EXPECT_EQ(add(addminute, at(2000, 1, 1), -1), at(1999, 12, 31, 23, 59));
    EXPECT_EQ(add(addsecond, at(2008, 3, 1), -1), at(2008, 2, 29, 23, 59, 59));
    for (AddFn f : {addyear, addmonth, addweek, addday, addhour, addminute, addsecond})
        EXPECT_EQ(add(f, at(2008, 1, 31, 7, 4, 9, 5000), 0), at(2008, 1, 31, 7, 4, 9));  // fraction cleared
}

// Amounts become seconds as a signed 32-bit product: the largest amounts still move forward,
// the next ones wrap round and move back by about 68 years.
TEST(Add, ProductsWrapIn32Bits) {
    const Timestamp base = at(2008, 1, 1);
    EXPECT_EQ(add(addday, base, 24855), at(2076, 1, 19));
    EXPECT_EQ(add(addday, base, 24856), add(addsecond, base, static_cast<int32_t>(24856u * 86400u)));
    EXPECT_EQ(add(addday, base, 24856), at(1939, 12, 14, 17, 31, 44));
    EXPECT_EQ(add(addweek, base, 3551), add(addsecond, base, static_cast<int32_t>(3551u * 604800u)));
    EXPECT_EQ(add(addhour, base, -596524), add(addsecond, base, static_cast<int32_t>(-596524 * 3600LL + (1LL << 32))));
    EXPECT_EQ(add(addminute, base, 35791394), add(addsecond, base, 35791394 * 60));
    // The seconds of the time plus the amount are added exactly, without a 32-bit wrap.
    EXPECT_EQ(add(addsecond, at(1950, 1, 1, 0, 0, 59), INT32_MAX), add(addsecond, at(1950, 1, 1, 0, 1), INT32_MAX - 1));
}

TEST(Add, ResultsOutsideTheServerRangeAreNull) {
    EXPECT_EQ(add(addday, at(1, 1, 1), -1), std::nullopt);
    EXPECT_EQ(add(addsecond, at(9999, 12, 31, 23, 59, 59), 1), std::nullopt);
    EXPECT_EQ(add(addsecond, at(9999, 12, 31, 23, 59, 58), 1), at(9999, 12, 31, 23, 59, 59));
    EXPECT_EQ(add(addyear, at(2008, 6, 1), INT32_MAX), std::nullopt);
    EXPECT_EQ(add(addyear, at(2008, 6, 1), INT32_MIN), std::nullopt);
    EXPECT_EQ(add(addyear, at(2008, 6, 1), -2008), std::nullopt);
    EXPECT_EQ(add(addyear, at(2008, 6, 1), -2007), at(1, 6, 1));
    EXPECT_EQ(add(addmonth, at(2008, 6, 1), INT32_MAX), std::nullopt);
    EXPECT_EQ(add(addmonth, at(2008, 6, 1), INT32_MIN), std::nullopt);
    EXPECT_EQ(add(addmonth, at(9999, 12, 31), 1), std::nullopt);
    const Timestamp far{INT32_MIN, UINT32_MAX};
    for (AddFn f : {addyear, addmonth, addweek, addday, addhour, addminute, addsecond})
        for (int32_t n : {INT32_MIN, -1, 0, 1, INT32_MAX}) EXPECT_EQ(add(f, far, n), std::nullopt);
}

TEST(Add, NullArgumentsGiveNull) {
    test::reset_blocks();
    const Timestamp t = at(2008, 1, 1);
    const int32_t one = 1;
    for (AddFn f : {addyear, addmonth, addweek, addday, addhour, addminute, addsecond}) {
        EXPECT_EQ(f(nullptr, &one), nullptr);
        EXPECT_EQ(f(&t, nullptr), nullptr);
    }
    EXPECT_EQ(test::stats().count, 0);
}

}  // namespace
}  // namespace brindle::date
