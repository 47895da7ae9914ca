// Dates and periods as text: datetostr, datetostrlang, gformatd, strtotime and the periods.
#include "date/date_support.h"

namespace {

using namespace brindle;

struct Zone {  // TZ for one scope
    std::optional<std::string> old;
    explicit Zone(const char* tz) {
        if (const char* o = std::getenv("TZ")) old = o;
        setenv("TZ", tz, 1), tzset();
    }
    ~Zone() { old ? setenv("TZ", old->c_str(), 1) : unsetenv("TZ"), tzset(); }
};

std::string fmt(const Timestamp& t, const std::string& picture) { return *text(datetostr(&t, picture.c_str())); }
std::string lang(const Timestamp& t, const std::string& p, CP lc) { return *text(datetostrlang(&t, p.c_str(), lc)); }

const Timestamp kFriday = at(2008, 3, 14, 13, 5, 9);

TEST(Datetostr, ConversionsAndLimits) {
    const struct { Timestamp t; const char *picture, *out; } cases[] = {
        {kFriday, "%A, %d. %B %Y %H:%M:%S", "Friday, 14. March 2008 13:05:09"}, {kFriday, "%x", "Fri Mar 14, 2008"},
        {kFriday, "%c", "Fri Mar 14 13:05:09 2008"}, {at(2008, 3, 5), "%c", "Wed Mar 05 00:00:00 2008"},
        // Modifiers are skipped; a letter without a conversion stands for itself; a lone '%' stays.
        {kFriday, "%Ey %OH %Ec %q %K %5", "08 13 Fri Mar 14 13:05:09 2008 q K 5"}, {kFriday, "100%", "100%"},
        {kFriday, "%Y%E", "2008%E"}, {kFriday, "", ""}, {kFriday, "\xE9t\xE9 %d", "\xE9t\xE9 14"},
    };
    for (const auto& c : cases) EXPECT_EQ(fmt(c.t, c.picture), c.out) << c.picture;
    // The text must stay below 255 bytes; longer ones give the empty string.
    const std::string x(250, 'x');
    EXPECT_TRUE(fmt(kFriday, x + "xxxx") == x + "xxxx" && fmt(kFriday, x + "xxxxx").empty());
    EXPECT_TRUE(fmt(kFriday, x + "%Y") == x + "2008" && fmt(kFriday, x + "x%Y").empty());
    std::string many;
    while (many.size() < 10000) many += "%c";
    EXPECT_EQ(fmt(kFriday, many), "");
}

// The conversions the C locale defines alike, against the C library (UTC), over eight centuries.
TEST(Datetostr, AgreesWithTheCLibrary) {
    Zone zone("UTC");
    const char* picture = "%a %A %b %h %B %C %d %e %g %G %H %I %j %m %M %p %S %u %U %V %w %W %y %Y %D %F %R %T"
                          "%X %r%n%t%%";
    for (int32_t d = at(1600, 1, 1).date; d < at(2400, 1, 1).date; d += 3) {
        const Timestamp t{d, static_cast<uint32_t>((d % 86400 + 86400) % 86400) * 10000u};
        const ::tm c = to_c(date::decode_timestamp(t));
        char expected[256];
        ASSERT_GT(strftime(expected, sizeof expected, picture, &c), 0u);
        ASSERT_EQ(fmt(t, picture), expected) << d;
    }
}

TEST(Datetostr, TimeZoneOfTheDate) {
    const char *cet = "CET-1CEST,M3.5.0,M10.5.0/3", *est = "EST5EDT,M3.2.0,M11.1.0";
    const struct { const char* tz; Timestamp t; const char* out; } cases[] = {
        {cet, kFriday, "+0100 CET"}, {cet, at(2008, 7, 1, 12), "+0200 CEST"}, {est, at(2008, 1, 1), "-0500 EST"},
        {cet, at(2008, 3, 30, 1, 59, 59), "+0100 CET"}, {cet, at(2008, 3, 30, 3), "+0200 CEST"},  // the switch
        {est, at(2008, 8, 1), "-0400 EDT"}, {"IST-5:30", kFriday, "+0530 IST"}, {"UTC0", kFriday, "+0000 UTC"},
        {cet, at(2008, 3, 30, 2, 30), "+0200 CEST"},  // a time the switch skips
        {"<A123456789B123456789C123456789D123456789E123456789F123456789G1234>-1", kFriday,
         "+0100 A123456789B123456789C123456789D123456789E123456789F123456789G12"},  // names end at 63 bytes
    };
    for (const auto& c : cases) {
        Zone zone(c.tz);
        EXPECT_EQ(fmt(c.t, "%z %Z"), c.out) << c.tz;
    }
    Zone zone("UTC0");
    const Timestamp far{INT32_MAX, 863999999};  // far beyond any calendar the zone knows
    EXPECT_TRUE(text(datetostr(&far, "%z %Z %c")));
}

TEST(Datetostrlang, TranslationLimitsAndNulls) {
    const Timestamp mon = at(2008, 3, 17), sun = at(2008, 3, 16);
    const struct { Timestamp t; const char *picture, *code, *out; } cases[] = {
        {kFriday, "%A %d %B", "de", "Freitag 14 M\xE4rz"}, {kFriday, "%a %b", "DE", "Fr M\xE4r"},
        {mon, "%A %a", "de", "Montag Mon"},  // the first "Mon" begins "Montag": no short name is replaced
        {mon, "%a %A", "de", "Mo Montag"},   // a short name is never replaced inside the translated name
        {sun, "%a %A", "fi", "Su Sunnuntai"}, {sun, "%a %A", "s1", "Sunday Sunday"},
        {at(2008, 3, 22), "%a %A %a", "va", "Dies Saturni Dies Saturni Dies Saturni"},
        {mon, "Sunday: %A", "de", "Sonntag: Montag"}, {at(2008, 8, 1), "%b", "fr", "Ao\xFB"},
        {at(2008, 6, 1), "%b", "fr", "Jun"}, {at(2008, 7, 1), "%b", "fr", "Jul"}, {at(2008, 7, 1), "%b", "FR", "Jui"},
        {at(2008, 3, 19), "%A %B", "b1", "Dimerc\x92her Meurzh"}, {at(2008, 2, 20), "%a %b", "b1", "Dimerc\x92her C'h"},
        {kFriday, "%x", "it", "Ven Mar 14, 2008"}, {kFriday, "%A", "xx", "???"}, {kFriday, "%A", "", "???"},
        {kFriday, "", "de", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(lang(c.t, c.picture, c.code), c.out) << c.picture << " " << c.code;
    std::string picture;
    for (int i = 0; i < 42; ++i) picture += "%a%b";  // 252 bytes in English
    EXPECT_TRUE(lang(kFriday, picture, "uk").size() == 252u && lang(kFriday, picture, "de").size() == 42u * 5);
    EXPECT_EQ(lang(kFriday, picture, "ie"), "");  // "Dé hAoine" per day: beyond 255 after translation
    EXPECT_EQ(lang(kFriday, std::string(255, 'x'), "de"), "");
    const std::string tail(248, 'x');  // the names may grow the text to 255 characters, not beyond
    EXPECT_EQ(lang(kFriday, "%A" + tail, "de"), "Freitag" + tail);
    EXPECT_EQ(lang(kFriday, "%A%a" + tail.substr(3), "de"), "FreitagFr" + tail.substr(3));
    EXPECT_EQ(lang(kFriday, "%A" + tail, "fr"), "");  // "Vendredi": 256
}

TEST(Gformatd, Pictures) {
    const Timestamp t = at(2008, 3, 5, 7, 4, 9);
    const struct { const char* picture; Timestamp t; const char* out; } cases[] = {
        {"dd.mm.yyyy", t, "05.03.2008"}, {"d.m.yy", t, "5.3.08"}, {"ddd mmm", t, "Mit M\xE4r"}, {"D Y", t, "D Y"},
        {"dddd, d. mmmm yyyy", t, "Mittwoch, 5. M\xE4rz 2008"}, {"hh:nn:ss", t, "07:04:09"}, {"h:n:s", t, "7:4:9"},
        {"yyy|ddddd|y|hhh|mmmmm", t, "||||"}, {"mm-mm", t, "03-03"}, {"", t, ""}, {"\xE4\xE4 xx", t, "\xE4\xE4 xx"},
        {"ddd", at(2008, 3, 4), "Die"}, {"mmm", at(2008, 5, 4), "Mai"}, {"yyyy", at(33, 1, 1), "0033"},
        {"yy/yyyy", at(1899, 1, 1), "-1/1899"}, {"yy/yyyy", at(1885, 1, 1), "-15/1885"},  // truncating remainder
    };
    for (const auto& c : cases) EXPECT_EQ(text(gformatd(c.picture, &c.t)), c.out) << c.picture;
    std::string picture;  // output beyond the block is cut at 32767 bytes
    for (int i = 0; i < 12000; ++i) picture += "d.";  // every "d" grows to "24"
    const Timestamp xmas = at(2008, 12, 24);
    const auto out = text(gformatd(picture.c_str(), &xmas)).value_or("");
    EXPECT_TRUE(out.size() == 32767u && out.substr(0, 6) == "24.24." && out.back() == '2');
}

TEST(Strtotime, MorningAfternoonAndCarryRoundTheClock) {
    const struct { const char* in; uint32_t h, m, s; } cases[] = {
        {"11:30:15 AM", 11, 30, 15}, {"11:30:15 PM", 23, 30, 15}, {"12:00:00 AM", 0, 0, 0}, {"12:00:00 PM", 12, 0, 0},
        {"8:15:00", 20, 15, 0}, {"13:00:00", 1, 0, 0}, {"7 PM", 19, 0, 0}, {"11:59:59 am", 23, 59, 59},  // afternoon
        {"8", 8, 0, 0}, {"", 0, 0, 0}, {"  9: 05 :07AM", 9, 5, 7}, {"9:", 21, 0, 0}, {"9:5:", 21, 5, 0},
        {"x:y:z AM", 0, 0, 0}, {"10:75:00 AM", 11, 15, 0}, {"11:59:99", 0, 0, 39}, {"10:-5 AM", 9, 55, 0},
        {"-1 AM", 23, 0, 0}, {"0:0:-1 AM", 23, 59, 59},
    };
    for (const auto& c : cases) EXPECT_EQ(value(strtotime(c.in)), ((c.h * 60 + c.m) * 60 + c.s) * 10000) << c.in;
    // Numbers beyond 32 bits saturate; the time stays within the day.
    const auto big = value(strtotime("99999999999999999999:99999999999999999999:99999999999999999999 AM"));
    EXPECT_TRUE(big && *big < 864000000u && big == value(strtotime("2147483647:2147483647:2147483647 AM")));
    EXPECT_EQ(value(strtotime("-99999999999999999999 AM")), value(strtotime("-2147483648 AM")));
}

std::optional<int32_t> seconds(const char* s) { return value(period2seconds(s)); }

TEST(Periods, Reading) {
    const struct { const char* in; int32_t v; } good[] = {
        {"1:00:00", 3600}, {"-1:00:00", -3600}, {"2:01:00:00", 176400}, {"0:90:0", 5400}, {"1:30:0:0", 194400},
        {"-1:00:00:01", -86401}, {"-0:0:0", 0}, {" 1: 2:\t3", 3723}, {"\n\v\f\r1:2:3", 3723}, {"+1:+2:+3", 3723},
        {"-+1:0:0", -3600}, {"- 1:0:0", -3600}, {"1:-0:3", 3603}, {"001:002:003", 3723}, {"1:2:3xyz", 3723},
        {"1:2:3 4", 3723}, {"1:2:3:4x", 93784}, {"1:2:3.9", 3723}, {"-24855:03:14:08", INT32_MIN},
        {"24855:03:14:07", INT32_MAX}, {"596523:14:07", INT32_MAX}, {"-596523:14:08", INT32_MIN},
    };
    for (const auto& c : good) EXPECT_EQ(seconds(c.in), c.v) << '"' << c.in << '"';
    for (const char* bad : {"1:00", "1:2:3:4:5", "1::3", "1:-2:3", "abc", "", "-", ":", "1 :2:3", "1:2 :3", "--1:0:0",
                            " -1:0:0", "+:1:2", "1:2:", "1:2:3:", "1:2:3xyz:", "1:2:+", "\xA0" "1:2:3", "1:2:\xA0" "3",
                            "1:2:0x3:4", "24855:03:14:08", "596523:14:08", "2147483648:0:0", "0:0:4294967296",
                            "99999999999999999999999999:0:0", "-24855:03:14:09",  // from 24855 on: beyond 32 bits
                            "2147483647:2147483647:2147483647:2147483647"})
        EXPECT_EQ(seconds(bad), std::nullopt) << '"' << bad << '"';
}

TEST(Periods, WritingAddingAndSubtracting) {
    for (auto [v, s] : {std::pair<int32_t, const char*>{0, "00:00:00"}, {-5, "-00:00:05"}, {86400, "01:00:00:00"},
                        {90061, "01:01:01:01"}, {86399, "23:59:59"}, {123 * 86400, "123:00:00:00"},
                        {INT32_MIN, "-24855:03:14:08"}, {INT32_MAX, "24855:03:14:07"}})
        EXPECT_EQ(text(seconds2period(&v)), s) << v;
    using PeriodFn = char* (*)(CP, CP);
    const struct { PeriodFn f; const char *a, *b, *out; } ops[] = {
        {addperiod, "23:00:00", "2:00:00", "01:01:00:00"}, {subperiod, "1:00:00", "2:30:00", "-01:30:00"},
        {subperiod, "1:0:0:0", "-1:0:0:0", "02:00:00:00"}, {subperiod, "-24855:03:14:07", "0:0:1", "-24855:03:14:08"},
        // A sum or difference beyond 32 bits is NULL, as is an operand that does not parse.
        {addperiod, "24855:03:14:07", "0:0:1", nullptr}, {subperiod, "-24855:03:14:08", "0:0:1", nullptr},
        {subperiod, "0:0:0", "-24855:03:14:08", nullptr}, {addperiod, "1:00", "1:00:00", nullptr},
        {subperiod, "1:00:00", "x", nullptr},
    };
    for (const auto& o : ops) EXPECT_EQ(text(o.f(o.a, o.b)).value_or("NULL"), o.out ? o.out : "NULL") << o.a << o.b;
}

}  // namespace
