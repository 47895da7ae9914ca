#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "support/blocks.h"

extern "C" {
char* addperiod(const char*, const char*);
char* subperiod(const char*, const char*);
int32_t* period2seconds(const char*);
char* seconds2period(const int32_t*);
}

namespace brindle {
namespace {

using test::text;
using test::value;

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

std::optional<int32_t> seconds(const char* s) { return value(period2seconds(s)); }
std::optional<std::string> period(int32_t v) { return text(seconds2period(&v)); }

TEST(Periods, ReadsThreeOrFourFields) {
    EXPECT_EQ(seconds("1:00:00"), 3600);
    EXPECT_EQ(seconds("-1:00:00"), -3600);
    EXPECT_EQ(seconds("2:01:00:00"), 176400);
    EXPECT_EQ(seconds("0:90:0"), 5400);
    EXPECT_EQ(seconds("1:30:0:0"), 194400);
    EXPECT_EQ(seconds("-1:00:00:01"), -86401);  // the sign covers the whole period
    EXPECT_EQ(seconds("0:0:0"), 0);
    EXPECT_EQ(seconds("-0:0:0"), 0);
}

TEST(Periods, FollowsFormattedReading) {
    EXPECT_EQ(seconds(" 1: 2:\t3"), 3723);       // white space before each number
    EXPECT_EQ(seconds("\n\v\f\r1:2:3"), 3723);
    EXPECT_EQ(seconds("+1:+2:+3"), 3723);        // each number's own sign
    EXPECT_EQ(seconds("-+1:0:0"), -3600);
    EXPECT_EQ(seconds("- 1:0:0"), -3600);
    EXPECT_EQ(seconds("1:-0:3"), 3603);          // minus zero is not negative
    EXPECT_EQ(seconds("001:002:003"), 3723);
    EXPECT_EQ(seconds("1:2:3xyz"), 3723);        // the rest is ignored
    EXPECT_EQ(seconds("1:2:3 4"), 3723);
    EXPECT_EQ(seconds("1:2:3:4x"), 93784);
    EXPECT_EQ(seconds("1:2:3.9"), 3723);
    for (const char* bad : {"1:00", "1:2:3:4:5", "1::3", "1:-2:3", "abc", "", "-", ":", "::",
                            "1 :2:3", "1:2 :3", "--1:0:0", " -1:0:0", "+:1:2",
                            "1:2:", "1:2:3:", "1:2:3xyz:", "1:2:+", "\xA0" "1:2:3", "1:2:\xA0" "3",
                            "1:2:0x3:4"}) {
        EXPECT_EQ(seconds(bad), std::nullopt) << '"' << bad << '"';
    }
}

TEST(Periods, WritesAtLeastTwoDigitsAndDaysWhenPresent) {
    EXPECT_EQ(period(0), "00:00:00");
    EXPECT_EQ(period(-5), "-00:00:05");
    EXPECT_EQ(period(86400), "01:00:00:00");
    EXPECT_EQ(period(90061), "01:01:01:01");
    EXPECT_EQ(period(86399), "23:59:59");
    EXPECT_EQ(period(123 * 86400), "123:00:00:00");
    EXPECT_EQ(period(-90061), "-01:01:01:01");
}

TEST(Periods, AddAndSubtract) {
    EXPECT_EQ(text(addperiod("23:00:00", "2:00:00")), "01:01:00:00");
    EXPECT_EQ(text(subperiod("1:00:00", "2:30:00")), "-01:30:00");
    EXPECT_EQ(text(addperiod("-1:00:00", "1:00:00")), "00:00:00");
    EXPECT_EQ(text(subperiod("1:0:0:0", "-1:0:0:0")), "02:00:00:00");
    EXPECT_EQ(text(addperiod("1:00", "1:00:00")), std::nullopt);
    EXPECT_EQ(text(subperiod("1:00:00", "x")), std::nullopt);
}

TEST(Periods, ValuesBeyond32BitsAreNull) {
    EXPECT_EQ(period(kMin), "-24855:03:14:08");
    EXPECT_EQ(period(kMax), "24855:03:14:07");
    EXPECT_EQ(seconds("-24855:03:14:08"), kMin);  // both extremes read back
    EXPECT_EQ(seconds("24855:03:14:07"), kMax);
    EXPECT_EQ(seconds("596523:14:07"), kMax);
    EXPECT_EQ(seconds("-596523:14:08"), kMin);
    for (const char* bad : {"24855:03:14:08", "596523:14:08", "2147483648:0:0", "0:0:4294967296",
                            "99999999999999999999999999:0:0", "24856:0:0:0", "-24855:03:14:09",
                            "2147483647:2147483647:2147483647:2147483647"}) {
        EXPECT_EQ(seconds(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(seconds("0:0:2147483647"), kMax);
    EXPECT_EQ(text(addperiod("24855:03:14:07", "0:0:1")), std::nullopt);
    EXPECT_EQ(text(subperiod("-24855:03:14:08", "0:0:1")), std::nullopt);
    EXPECT_EQ(text(subperiod("-24855:03:14:07", "0:0:1")), "-24855:03:14:08");
    EXPECT_EQ(text(subperiod("0:0:0", "-24855:03:14:08")), std::nullopt);
}

TEST(Periods, NullArgumentsGiveNullWithoutBlocks) {
    test::reset_blocks();
    EXPECT_EQ(addperiod(nullptr, "1:0:0"), nullptr);
    EXPECT_EQ(addperiod("1:0:0", nullptr), nullptr);
    EXPECT_EQ(subperiod(nullptr, "1:0:0"), nullptr);
    EXPECT_EQ(subperiod("1:0:0", nullptr), nullptr);
    EXPECT_EQ(period2seconds(nullptr), nullptr);
    EXPECT_EQ(seconds2period(nullptr), nullptr);
    EXPECT_EQ(period2seconds("1:0"), nullptr);
    EXPECT_EQ(addperiod("1:0:0", "bad"), nullptr);
    EXPECT_EQ(test::stats().count, 0);
    EXPECT_EQ(seconds("1:0:0"), 3600);
    EXPECT_EQ(test::stats().count, 1);
}

}  // namespace
}  // namespace brindle
