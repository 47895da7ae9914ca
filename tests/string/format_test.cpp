#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <tuple>
#include <vector>

#include "frame/block.h"
#include "string/md5.h"
#include "string/string_tests.h"

namespace brindle::test {
namespace {

Opt f2s(double x, const std::string& fmt) { return text(floattostr(&x, fmt.c_str())); }
Opt i2s(int32_t n, const std::string& fmt) { return text(inttostr(&n, fmt.c_str())); }

// Every combination of flags, width and precision with each conversion letter, against printf.
TEST(Format, ConversionsMatchPrintf) {
    constexpr double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    const int32_t ints[] = {0, 1, -1, 42, 255, 100000, kMax, kMin};
    const double doubles[] = {0.0, -0.0, 1.0, 2.5, 0.5, -3.14159, 1e-5, 0.0001, 9.9999995, 99999.5, 123456.789, 1e15,
        1e21, -1e300, 5e-324, 2.2250738585072014e-308, 2.225073858507201e-308, 0.1, 1.0 / 3, 1.96875, 1.03125,
        0x1.fffffffffffffp+0, inf, -inf, nan, -nan};
    char ref[4096];
    for (const char* f : {"", "-", "+", " ", "#", "0", "-0", "+0", "#0", "# ", "-+#0 "})
        for (const char* w : {"", "1", "8", "25"})
            for (const char* p : {"", ".", ".0", ".1", ".3", ".17", ".40"})
                for (const char* l = "diouxXcfFeEgGaA"; *l; ++l) {
                    const std::string fmt = std::string("<%") + f + w + p + *l + ">";
                    if (std::strchr("diouxXc", *l))
                        for (int32_t v : ints) EXPECT_EQ(i2s(v, fmt), (std::snprintf(ref, sizeof ref, fmt.c_str(), v), ref)) << fmt << v;
                    else
                        for (double v : doubles) EXPECT_EQ(f2s(v, fmt), (std::snprintf(ref, sizeof ref, fmt.c_str(), v), ref)) << fmt << v;
                }
    // Longest fields, and random doubles of every magnitude with random wide fields.
    const std::pair<const char*, double> longest[] = {{"%.1000f", 1e308}, {"%.1000e", 1e-300}, {"%1000.999g", 1.0 / 7},
        {"%#.1000g", 1e-300}, {"%-+#1000.1000A", -1e-310}};
    for (const auto& [fmt, v] : longest) EXPECT_EQ(f2s(v, fmt), (std::snprintf(ref, sizeof ref, fmt, v), ref)) << fmt;
    std::mt19937_64 rng(1);
    const char* flags[] = {"", "-", "+", " ", "#", "0", "+0", "-#", " 0#"};
    for (int i = 0; i < 20000; ++i) {
        const double x = std::bit_cast<double>(rng());
        std::string f = std::string("%") + flags[rng() % 9];
        if (rng() % 2) f += std::to_string(rng() % (i % 10 == 0 ? 1001 : 40));
        if (rng() % 2) (f += '.') += std::to_string(rng() % (i % 10 == 0 ? 1001 : 30));
        f += "fFeEgGaA"[rng() % 8];
        ASSERT_EQ(f2s(x, f), (std::snprintf(ref, sizeof ref, f.c_str(), x), ref)) << f << " " << x;
    }
}

TEST(Format, IntegerPathAndRefusedFormats) {
    // "%.0f" rounds half to even; the text then wraps like 32-bit arithmetic, and a text that is no number gives 0.
    const std::tuple<double, const char*, const char*> via_int[] = {{3.14159, "x=%.2f", "x=3.14"}, {7.0, "no format", "no format"},
        {2.6, "%05d", "00003"}, {2.5, "%d", "2"}, {3.5, "%d", "4"}, {-2.5, "%i", "-2"}, {255.2, "%#x", "0xff"},
        {-1.0, "%u", "4294967295"}, {4294967301.0, "%d", "5"}, {2147483648.0, "%d", "-2147483648"}, {1e300, "%d", "0"},
        {std::nan(""), "%d", "0"}, {-INFINITY, "%d", "0"}, {1.5, "100%% %.1f", "100% 1.5"}, {1.5, "%%d %d%%", "%d 2%"},
        {1.5, "%0-5d|", "2    |"}};
    for (const auto& [x, fmt, want] : via_int) EXPECT_EQ(f2s(x, fmt), want) << fmt << " " << x;
    EXPECT_EQ(i2s(5, "no conversion"), "no conversion");
    EXPECT_EQ(i2s(5, "n=%d%%"), "n=5%");
    EXPECT_EQ(i2s(7, "%1000d"), std::string(999, ' ').append("7"));
    for (const char* f : {"%s", "%n", "%p", "%*d", "%.*d", "%ld", "%lld", "%hd", "%hhd", "%jd", "%zd", "%td", "%qd", "%Lf",
                          "%lf", "%d %d", "%d%i", "%", "abc%", "%5", "%-", "%1$d", "%5%", "%'d", "%Id", "%C", "%S", "%m",
                          "%1001d", "%.1001d", "%99999999999999999999d", "% %", "%.0d|%#.0o|%#.0x"}) {
        EXPECT_EQ(i2s(1, f), std::nullopt) << f;
        EXPECT_EQ(f2s(1.0, f), std::nullopt) << f;
    }
    for (const char* f : {"%f", "%e", "%G", "%.2f", "%a", "%A"}) EXPECT_EQ(i2s(1, f), std::nullopt) << f;
    EXPECT_EQ(f2s(65.0, "%c"), std::nullopt);
    EXPECT_EQ(f2s(1.0, "%f %d"), std::nullopt);
}

TEST(Format, MoneyAndMd5) {
    EXPECT_EQ(text(dollarval(P(1234.5))), "$1234.50");
    EXPECT_EQ(text(dollarval(P(-0.005))), "$-0.01");  // -0.005 is stored just below -0.005
    EXPECT_EQ(text(euroval(P(1e20))), "100000000000000000000.00 EUR");
    const std::pair<std::string, const char*> suite[] = {{"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"}, {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"}, {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {rep("1234567890", 8), "57edf4a22be3c955ac49da2e2107b67a"}, {std::string(1000000, 'a'), "7707d6ae4e027c70eea2a935c2296f21"}};
    for (const auto& [in, digest] : suite) EXPECT_EQ(text(encryptmd5(in.c_str())), digest) << in.substr(0, 20);
    // Pieces of every size around the 64-byte block and the 56-byte padding boundary.
    std::string data;
    for (int i = 0; i < 300; ++i) data.push_back(static_cast<char>(i * 7 + 3));
    for (std::size_t len : {55u, 56u, 63u, 64u, 65u, 119u, 120u, 128u, 300u})
        for (std::size_t piece : {1u, 3u, 63u, 64u, 100u}) {
            string::md5::Context c;
            for (std::size_t i = 0; i < len; i += piece) c.update(data.data() + i, std::min(piece, len - i));
            EXPECT_EQ(c.finish(), string::md5::digest(std::string_view(data).substr(0, len))) << len << " " << piece;
        }
}

TEST(Misc, DomainQuotingPhoneAndCodes) {
    const std::pair<S, S> domains[] = {{"a@b ", "b"}, {"nobody", ""}, {"a@b@c\t\n", "b@c"}, {"a@ x\xA0", " x\xA0"}};
    for (const auto& [in, want] : domains) EXPECT_EQ(text(domainfromemail(in)), want) << in;
    // At the limit: 32765 content bytes between the quotes, even mid-way through a doubled quote.
    const std::pair<std::string, std::string> quoted[] = {{"say \"hi\"", "\"say \"\"hi\"\"\""}, {"a\r\nb", "\"a\nb\""},
        {"", "\"\""}, {std::string(32764, 'x').append("\"tail"), std::string(1, '"').append(32764, 'x').append("\"\"")},
        {std::string(40000, '"'), std::string(32767, '"')}, {std::string(40000, '\r'), "\"\""},
        {std::string(32765, 'x').append("\r\r"), std::string(1, '"').append(32765, 'x').append("\"")}};
    for (const auto& [in, want] : quoted) EXPECT_EQ(text(excelstring(in.c_str())), want) << in.substr(0, 20);
    const std::tuple<S, int32_t, std::string> tel[] = {{"+49 (711) 123-456", 3, "+49711123***"}, {"12", 4, "****"},
        {"0711 / 12 34 56", 0, "0711123456"}, {"tel +49 1", 1, "+49*"}, {"1+2", 0, "12"}, {"+1", 1, "+*"},
        {"123", -2, "123"}, {"123", kMax, std::string(32767, '*')}};  // a negative count masks nothing
    for (const auto& [s, n, want] : tel) EXPECT_EQ(text(telefonnr(s, I(n))), want) << s << n;
    // predecessor adds, successor subtracts; only the low byte of n counts and byte 0 is an empty text.
    const std::tuple<char* (*)(S, Int), S, int32_t, S> shifts[] = {{predecessor, "a", 1, "b"},
        {successor, "b", 1, "a"}, {predecessor, "a", 257, "b"}, {predecessor, "\xFF", 1, ""}, {successor, "", -1, "\x01"},
        {successor, "a", kMin, "a"}};
    for (const auto& [fn, c, n, want] : shifts) EXPECT_EQ(text(fn(c, I(n))), want) << c << n;
    EXPECT_EQ(value(ord("A")), 65);
    EXPECT_EQ(value(ord("")), 0);
    unsigned char* block = reinterpret_cast<unsigned char*>(ord("\xE9"));  // two bytes; the rest as allocated
    EXPECT_EQ(std::vector<int>(block, block + 3), (std::vector<int>{0xE9, 0, 0xAB}));
    std::free(block);
    reset_blocks();
    S s = "value";
    EXPECT_EQ(r_c(s), s);
    EXPECT_EQ(r_c(nullptr), nullptr);
    EXPECT_EQ(stats().count, 0);
}

}  // namespace
}  // namespace brindle::test
