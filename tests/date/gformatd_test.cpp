#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "date/calendar.h"
#include "date/names_support.h"
#include "support/blocks.h"

using brindle::frame::Timestamp;

extern "C" {
char* gformatd(const char* picture, const Timestamp* t);
uint32_t* strtotime(const char* text);
}

namespace brindle {
namespace {

using test::at;
using test::text;

std::string g(const char* picture, const Timestamp& t) { return *text(gformatd(picture, &t)); }

TEST(Gformatd, Pictures) {
    const Timestamp t = at(2008, 3, 5, 7, 4, 9);
    EXPECT_EQ(g("dd.mm.yyyy", t), "05.03.2008");
    EXPECT_EQ(g("d.m.yy", t), "5.3.08");
    EXPECT_EQ(g("dddd, d. mmmm yyyy", t), "Mittwoch, 5. M\xE4rz 2008");
    EXPECT_EQ(g("ddd mmm", t), "Mit M\xE4r");
    EXPECT_EQ(g("hh:nn:ss", t), "07:04:09");
    EXPECT_EQ(g("h:n:s", t), "7:4:9");
    EXPECT_EQ(g("D Y", t), "D Y");
    EXPECT_EQ(g("yyy|ddddd|y|hhh|mmmmm", t), "||||");
    EXPECT_EQ(g("mm-mm", t), "03-03");
    EXPECT_EQ(g("", t), "");
    EXPECT_EQ(g("\xE4\xE4 xx", t), "\xE4\xE4 xx");
    EXPECT_EQ(g("ddd", at(2008, 3, 4)), "Die");
    EXPECT_EQ(g("mmm", at(2008, 5, 4)), "Mai");
    // Years before 1900 keep the sign of the truncating remainder.
    EXPECT_EQ(g("yy/yyyy", at(1899, 1, 1)), "-1/1899");
    EXPECT_EQ(g("yy/yyyy", at(1885, 1, 1)), "-15/1885");
    EXPECT_EQ(g("yyyy", at(33, 1, 1)), "0033");
    EXPECT_EQ(gformatd(nullptr, &t), nullptr);
    EXPECT_EQ(gformatd("dd", nullptr), nullptr);
}

TEST(Gformatd, OutputBeyondTheBlockIsCut) {
    const Timestamp t = at(2008, 12, 24);
    std::string picture;
    for (int i = 0; i < 12000; ++i) picture += "d.";  // every "d" grows to "24"
    const auto out = text(gformatd(picture.c_str(), &t));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->size(), 32767u);
    EXPECT_EQ(out->substr(0, 6), "24.24.");
    EXPECT_EQ(out->back(), '2');
}

std::string hms(const char* s) {
    const auto v = test::value(strtotime(s));
    EXPECT_TRUE(v);
    const uint32_t sec = *v / 10000;
    EXPECT_EQ(*v % 10000, 0u);
    EXPECT_LT(*v, 864000000u) << s;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02u:%02u:%02u", sec / 3600, sec / 60 % 60, sec % 60);
    return buf;
}

TEST(Strtotime, MorningAndAfternoon) {
    EXPECT_EQ(hms("11:30:15 AM"), "11:30:15");
    EXPECT_EQ(hms("11:30:15 PM"), "23:30:15");
    EXPECT_EQ(hms("12:00:00 AM"), "00:00:00");
    EXPECT_EQ(hms("12:00:00 PM"), "12:00:00");
    EXPECT_EQ(hms("8:15:00"), "20:15:00");  // no marker: afternoon
    EXPECT_EQ(hms("13:00:00"), "01:00:00");
    EXPECT_EQ(hms("8"), "08:00:00");  // shorter than two characters: morning
    EXPECT_EQ(hms(""), "00:00:00");
    EXPECT_EQ(hms("7 PM"), "19:00:00");
    EXPECT_EQ(hms("7:30 PM"), "19:30:00");
    EXPECT_EQ(hms("11:59:59 am"), "23:59:59");
    EXPECT_EQ(hms("  9: 05 :07AM"), "09:05:07");
    EXPECT_EQ(hms("9:"), "21:00:00");
    EXPECT_EQ(hms("9:5:"), "21:05:00");
    EXPECT_EQ(hms("x:y:z AM"), "00:00:00");
    EXPECT_EQ(strtotime(nullptr), nullptr);
}

TEST(Strtotime, ValuesCarryAroundTheClock) {
    EXPECT_EQ(hms("10:75:00 AM"), "11:15:00");
    EXPECT_EQ(hms("11:59:99"), "00:00:39");  // 23:59:99 runs past midnight
    EXPECT_EQ(hms("10:-5 AM"), "09:55:00");
    EXPECT_EQ(hms("-1 AM"), "23:00:00");
    EXPECT_EQ(hms("0:0:-1 AM"), "23:59:59");
    EXPECT_EQ(hms("99999999999999999999:99999999999999999999:99999999999999999999 AM"),
              hms("2147483647:2147483647:2147483647 AM"));
    EXPECT_EQ(hms("-99999999999999999999 AM"), hms("-2147483648 AM"));
}

}  // namespace
}  // namespace brindle
