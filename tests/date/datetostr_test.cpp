#include <gtest/gtest.h>

#include <time.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "date/calendar.h"
#include "date/names_support.h"
#include "support/blocks.h"

using brindle::frame::Timestamp;

extern "C" {
char* datetostr(const Timestamp* t, const char* picture);
char* datetostrlang(const Timestamp* t, const char* picture, const char* code);
}

namespace brindle {
namespace {

using test::at;
using test::text;

// Sets TZ for one test and puts the old value back.
class ZoneGuard {
public:
    explicit ZoneGuard(const char* tz) {
        if (const char* old = std::getenv("TZ")) old_ = old, had_ = true;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~ZoneGuard() {
        if (had_) setenv("TZ", old_.c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }

private:
    std::string old_;
    bool had_ = false;
};

std::string fmt(const Timestamp& t, const char* picture) { return *text(datetostr(&t, picture)); }
std::string lang(const Timestamp& t, const char* picture, const char* code) {
    return *text(datetostrlang(&t, picture, code));
}

const Timestamp kFriday = at(2008, 3, 14, 13, 5, 9);

TEST(Datetostr, ConversionTable) {
    EXPECT_EQ(fmt(kFriday, "%A, %d. %B %Y %H:%M:%S"), "Friday, 14. March 2008 13:05:09");
    EXPECT_EQ(fmt(kFriday, "%c"), "Fri Mar 14 13:05:09 2008");
    EXPECT_EQ(fmt(kFriday, "%x"), "Fri Mar 14, 2008");
    EXPECT_EQ(fmt(kFriday, "%j %U %u %e"), "074 10 5 14");
    EXPECT_EQ(fmt(kFriday, "%D|%F|%R|%T|%X|%r"), "03/14/08|2008-03-14|13:05|13:05:09|13:05:09|01:05:09 PM");
    EXPECT_EQ(fmt(kFriday, "%a%b%h%n%t%%%C%g%G%V%w%W%y"), "FriMarMar\n\t%200820081151008");
    EXPECT_EQ(fmt(at(2008, 3, 5, 0, 4, 9), "%e|%I %p|%d"), " 5|12 AM|05");
    EXPECT_EQ(fmt(at(2008, 3, 5, 12), "%I %p"), "12 PM");
    // Modifiers are skipped; a letter without a conversion stands for itself.
    EXPECT_EQ(fmt(kFriday, "%Ey %OH %Ec %q %K %5"), "08 13 Fri Mar 14 13:05:09 2008 q K 5");
}

TEST(Datetostr, EdgesOfThePicture) {
    EXPECT_EQ(fmt(kFriday, "100%"), "100%");  // a lone '%' at the end stays
    EXPECT_EQ(fmt(kFriday, "%Y%E"), "2008%E");
    EXPECT_EQ(fmt(kFriday, "%"), "%");
    EXPECT_EQ(fmt(kFriday, ""), "");
    EXPECT_EQ(fmt(kFriday, "\xE9t\xE9 %d"), "\xE9t\xE9 14");
    // The text must stay below 255 bytes; longer ones give the empty string.
    EXPECT_EQ(fmt(kFriday, std::string(254, 'x').c_str()), std::string(254, 'x'));
    EXPECT_EQ(fmt(kFriday, std::string(255, 'x').c_str()), "");
    EXPECT_EQ(fmt(kFriday, (std::string(250, 'x') + "%Y").c_str()), std::string(250, 'x') + "2008");
    EXPECT_EQ(fmt(kFriday, (std::string(251, 'x') + "%Y").c_str()), "");
    std::string many;
    for (int i = 0; i < 5000; ++i) many += "%c";
    EXPECT_EQ(fmt(kFriday, many.c_str()), "");
}

// Every numeric conversion against the C library in the C locale and UTC, over four
// centuries of days (the ISO week-year turns are the interesting part).
TEST(Datetostr, AgreesWithTheCLibrary) {
    ZoneGuard zone("UTC");
    const char* picture = "%a %A %b %B %C %d %e %g %G %H %I %j %m %M %p %S %u %U %V %w %W %y %Y %D %F %R %T %r";
    for (int32_t d = at(1600, 1, 1).date; d < at(2400, 1, 1).date; d += 3) {
        const Timestamp t{d, static_cast<uint32_t>((d % 86400 + 86400) % 86400) * 10000u};
        const date::Tm r = date::decode_timestamp(t);
        struct tm c {};
        c.tm_sec = r.tm_sec;
        c.tm_min = r.tm_min;
        c.tm_hour = r.tm_hour;
        c.tm_mday = r.tm_mday;
        c.tm_mon = r.tm_mon;
        c.tm_year = r.tm_year;
        c.tm_wday = r.tm_wday;
        c.tm_yday = r.tm_yday;
        char expected[256];
        ASSERT_GT(strftime(expected, sizeof expected, picture, &c), 0u);
        ASSERT_EQ(fmt(t, picture), expected) << d;
    }
}

TEST(Datetostr, TimeZoneOfTheDate) {
    {
        ZoneGuard zone("CET-1CEST,M3.5.0,M10.5.0/3");
        EXPECT_EQ(fmt(kFriday, "%z %Z"), "+0100 CET");
        EXPECT_EQ(fmt(at(2008, 7, 1, 12), "%z %Z"), "+0200 CEST");
        EXPECT_EQ(fmt(at(2008, 3, 30, 1, 59, 59), "%z"), "+0100");
        EXPECT_EQ(fmt(at(2008, 3, 30, 3, 0, 0), "%z"), "+0200");
    }
    {
        ZoneGuard zone("EST5EDT,M3.2.0,M11.1.0");
        EXPECT_EQ(fmt(at(2008, 1, 1), "%z %Z"), "-0500 EST");
        EXPECT_EQ(fmt(at(2008, 8, 1), "%z %Z"), "-0400 EDT");
    }
    {
        ZoneGuard zone("IST-5:30");
        EXPECT_EQ(fmt(kFriday, "%z %Z"), "+0530 IST");
    }
    {
        ZoneGuard zone("UTC0");
        EXPECT_EQ(fmt(kFriday, "%z %Z"), "+0000 UTC");
        const Timestamp far{2147483647, 863999999};  // far beyond any calendar the zone knows
        EXPECT_TRUE(text(datetostr(&far, "%z %Z %c")));
    }
}

TEST(Datetostrlang, Translation) {
    EXPECT_EQ(lang(kFriday, "%A %d %B", "de"), "Freitag 14 M\xE4rz");
    EXPECT_EQ(lang(kFriday, "%a %b", "de"), "Fr M\xE4r");
    EXPECT_EQ(lang(kFriday, "%a %b", "DE"), "Fr M\xE4r");
    const Timestamp monday = at(2008, 3, 17);
    // The first "Mon" begins "Montag", so the short name is left everywhere.
    EXPECT_EQ(lang(monday, "%A %a", "de"), "Montag Mon");
    // A short name is never replaced inside the translated full name.
    EXPECT_EQ(lang(monday, "%a %A", "de"), "Mo Montag");
    EXPECT_EQ(lang(at(2008, 3, 16), "%a %A", "fi"), "Su Sunnuntai");
    EXPECT_EQ(lang(at(2008, 3, 16), "%a %A", "s1"), "Sunday Sunday");
    EXPECT_EQ(lang(at(2008, 3, 22), "%a %A %a", "va"), "Dies Saturni Dies Saturni Dies Saturni");
    EXPECT_EQ(lang(monday, "Sunday: %A", "de"), "Sonntag: Montag");
    EXPECT_EQ(lang(at(2008, 8, 1), "%b", "fr"), "Ao\xFB");
    EXPECT_EQ(lang(at(2008, 6, 1), "%b", "fr"), "Jun");
    EXPECT_EQ(lang(at(2008, 7, 1), "%b", "fr"), "Jul");
    EXPECT_EQ(lang(at(2008, 7, 1), "%b", "FR"), "Jui");
    EXPECT_EQ(lang(at(2008, 3, 19), "%A %B", "b1"), "Dimerc\x92her Meurzh");
    EXPECT_EQ(lang(at(2008, 2, 20), "%a %b", "b1"), "Dimerc\x92her C'h");
    EXPECT_EQ(lang(kFriday, "%c", "uk"), "Fri Mar 14 13:05:09 2008");
    EXPECT_EQ(lang(kFriday, "%c", "us"), "Fri Mar 14 13:05:09 2008");
    EXPECT_EQ(lang(kFriday, "%x", "it"), "Ven Mar 14, 2008");
    EXPECT_EQ(lang(kFriday, "%A", "xx"), "???");
    EXPECT_EQ(lang(kFriday, "%A", ""), "???");
    EXPECT_EQ(lang(kFriday, "", "de"), "");
}

TEST(Datetostrlang, LimitsAndNulls) {
    // Within the limit before translation, beyond it after: the empty string.
    std::string picture;
    for (int i = 0; i < 42; ++i) picture += "%a%b";  // 252 bytes in English
    EXPECT_EQ(lang(kFriday, picture.c_str(), "uk").size(), 252u);
    EXPECT_EQ(lang(kFriday, picture.c_str(), "de").size(), 42u * 5);
    EXPECT_EQ(lang(kFriday, picture.c_str(), "ie"), "");  // "Dé hAoine" per day
    EXPECT_EQ(lang(kFriday, std::string(255, 'x').c_str(), "de"), "");
    // The names may grow the text to 255 characters, not beyond.
    const std::string tail(248, 'x');
    EXPECT_EQ(lang(kFriday, ("%A" + tail).c_str(), "de"), "Freitag" + tail);
    EXPECT_EQ(lang(kFriday, ("%A%a" + tail.substr(3)).c_str(), "de"), "FreitagFr" + tail.substr(3));
    EXPECT_EQ(lang(kFriday, ("%A" + tail).c_str(), "fr"), "");  // "Vendredi": 256
    test::reset_blocks();
    EXPECT_EQ(datetostr(nullptr, "%c"), nullptr);
    EXPECT_EQ(datetostr(&kFriday, nullptr), nullptr);
    EXPECT_EQ(datetostrlang(nullptr, "%c", "de"), nullptr);
    EXPECT_EQ(datetostrlang(&kFriday, nullptr, "de"), nullptr);
    EXPECT_EQ(datetostrlang(&kFriday, "%c", nullptr), nullptr);
    EXPECT_EQ(test::stats().count, 0);
}

}  // namespace
}  // namespace brindle
