#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/blocks.h"

extern "C" {
char* floattostr(const double*, const char*);
char* inttostr(const int32_t*, const char*);
char* dollarval(const double*);
char* euroval(const double*);
}

namespace brindle {
namespace {

using test::text;

std::optional<std::string> f2s(double x, const std::string& fmt) { return text(floattostr(&x, fmt.c_str())); }
std::optional<std::string> i2s(int32_t n, const std::string& fmt) { return text(inttostr(&n, fmt.c_str())); }

// Every combination of flags, width and precision with each conversion letter.
std::vector<std::string> conversions(const char* letters) {
    std::vector<std::string> out;
    const char* flags[] = {"", "-", "+", " ", "#", "0", "-0", "+0", "#0", "# ", "-+#0 "};
    const char* widths[] = {"", "1", "8", "25"};
    const char* precs[] = {"", ".", ".0", ".1", ".3", ".17", ".40"};
    for (const char* l = letters; *l; ++l)
        for (auto f : flags)
            for (auto w : widths)
                for (auto p : precs) out.push_back(std::string("%") + f + w + p + *l);
    return out;
}

TEST(Format, IntegersMatchPrintf) {
    const int32_t values[] = {0, 1, -1, 7, 42, 255, -255, 100000, INT32_MAX, INT32_MIN};
    char ref[512];
    for (const auto& c : conversions("diouxXc")) {
        for (int32_t v : values) {
            const std::string fmt = "<" + c + ">";
            std::snprintf(ref, sizeof ref, fmt.c_str(), v);
            EXPECT_EQ(i2s(v, fmt), ref) << fmt << " " << v;
        }
    }
}

TEST(Format, DoublesMatchPrintf) {
    const double values[] = {0.0, -0.0, 1.0, 2.5, 0.5, -3.14159, 1e-5, 0.0001, 9.9999995, 99999.5,
                             123456.789, 1e15, 1e21, -1e300, 5e-324, 2.2250738585072014e-308,
                             0.1, 1.0 / 3, 1.96875, 1.03125, 0x1.fffffffffffffp+0,
                             2.225073858507201e-308, std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             -std::numeric_limits<double>::quiet_NaN()};
    char ref[2048];
    for (const auto& c : conversions("fFeEgGaA")) {
        for (double v : values) {
            const std::string fmt = "x" + c + "y";
            std::snprintf(ref, sizeof ref, fmt.c_str(), v);
            EXPECT_EQ(f2s(v, fmt), ref) << fmt << " " << v;
        }
    }
    // Longest fields: precision and width at their bound.
    char big[4096];
    const std::pair<const char*, double> longest[] = {
        {"%.1000f", 1e308}, {"%.1000e", 1e-300}, {"%1000.999g", 1.0 / 7}, {"%#.1000g", 1e-300},
        {"%-+#1000.1000A", -1e-310}};
    for (const auto& [fmt, v] : longest) {
        std::snprintf(big, sizeof big, fmt, v);
        EXPECT_EQ(f2s(v, fmt), big) << fmt;
    }
}

// Random doubles of every magnitude against random conversions with wide fields.
TEST(Format, RandomDoublesMatchPrintf) {
    std::mt19937_64 rng(1);
    const char* flags[] = {"", "-", "+", " ", "#", "0", "+0", "-#", " 0#"};
    const char* letters = "fFeEgGaA";
    char ref[4096];
    for (int i = 0; i < 20000; ++i) {
        const uint64_t bits = rng();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        std::string f = std::string("%") + flags[rng() % 9];
        if (rng() % 2) f += std::to_string(rng() % (i % 10 == 0 ? 1001 : 40));
        if (rng() % 2) f += "." + std::to_string(rng() % (i % 10 == 0 ? 1001 : 30));
        f += letters[rng() % 8];
        std::snprintf(ref, sizeof ref, f.c_str(), x);
        ASSERT_EQ(f2s(x, f), ref) << f << " " << x;
    }
}

TEST(Format, FloatThroughTheIntegerPath) {
    EXPECT_EQ(f2s(3.14159, "x=%.2f"), "x=3.14");
    EXPECT_EQ(f2s(7.0, "no format"), "no format");
    EXPECT_EQ(f2s(2.6, "%05d"), "00003");
    EXPECT_EQ(f2s(2.5, "%d"), "2");      // "%.0f" rounds half to even
    EXPECT_EQ(f2s(3.5, "%d"), "4");
    EXPECT_EQ(f2s(-2.5, "%i"), "-2");
    EXPECT_EQ(f2s(255.2, "%#x"), "0xff");
    EXPECT_EQ(f2s(-1.0, "%u"), "4294967295");
    EXPECT_EQ(f2s(4294967301.0, "%d"), "5");  // beyond the int range the low 32 bits remain
    EXPECT_EQ(f2s(2147483648.0, "%d"), "-2147483648");
    EXPECT_EQ(f2s(1e300, "%d"), "0");         // 10^300 has no low 32 bits set
    EXPECT_EQ(f2s(std::nan(""), "%d"), "0");
    EXPECT_EQ(f2s(-INFINITY, "%d"), "0");
    EXPECT_EQ(f2s(1.5, "100%% %.1f"), "100% 1.5");
    EXPECT_EQ(f2s(1.5, "%%d %d%%"), "%d 2%");  // "%%" is literal, the real conversion decides
    EXPECT_EQ(f2s(1.5, "%0-5d|"), "2    |");
}

TEST(Format, IntegerFormats) {
    EXPECT_EQ(i2s(42, "%04d"), "0042");
    EXPECT_EQ(i2s(255, "%X"), "FF");
    EXPECT_EQ(i2s(5, "no conversion"), "no conversion");
    EXPECT_EQ(i2s(5, "%%"), "%");
    EXPECT_EQ(i2s(5, "n=%d%%"), "n=5%");
    EXPECT_EQ(i2s(0, "%.0d|%#.0o|%#.0x"), std::nullopt);  // three conversions
    EXPECT_EQ(i2s(0, "%#.0o"), "0");
    EXPECT_EQ(i2s(7, "%1000d")->size(), 1000u);
}

TEST(Format, RefusedFormatsGiveNull) {
    const char* refused[] = {"%s", "%n", "%p", "%*d", "%.*d", "%ld", "%lld",
                             "%hd", "%hhd", "%jd", "%zd", "%td", "%qd", "%Lf", "%lf", "%d %d",
                             "%d%i", "%", "abc%", "%5", "%-", "%1$d", "%5%", "%'d", "%Id", "%C",
                             "%S", "%m", "%1001d", "%.1001d", "%99999999999999999999d", "% %"};
    for (const char* f : refused) {
        EXPECT_EQ(i2s(1, f), std::nullopt) << f;
        EXPECT_EQ(f2s(1.0, f), std::nullopt) << f;
    }
    // A double conversion cannot print an integer argument.
    for (const char* f : {"%f", "%e", "%G", "%.2f", "%a", "%A"}) EXPECT_EQ(i2s(1, f), std::nullopt) << f;
    // Nor can a character conversion print a double.
    EXPECT_EQ(f2s(65.0, "%c"), std::nullopt);
    EXPECT_EQ(f2s(1.0, "%f %d"), std::nullopt);
    EXPECT_EQ(test::stats().wrong_size, false);
}

TEST(Format, Money) {
    const double a = 1234.5, b = 2, c = -0.005, d = 1e20;
    EXPECT_EQ(text(dollarval(&a)), "$1234.50");
    EXPECT_EQ(text(euroval(&b)), "2.00 EUR");
    EXPECT_EQ(text(dollarval(&c)), "$-0.01");  // -0.005 is stored just below -0.005
    EXPECT_EQ(text(euroval(&d)), "100000000000000000000.00 EUR");
    EXPECT_EQ(text(dollarval(nullptr)), std::nullopt);
}

}  // namespace
}  // namespace brindle
