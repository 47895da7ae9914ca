#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "frame/block.h"
#include "frame/format.h"
#include "frame/text.h"
#include "frame/udf.h"
#include "support/blocks.h"

extern "C" char* version();

namespace brindle {
namespace {

using test::text;

TEST(Frame, VersionInOneFullBlock) {
    test::reset_blocks();
    EXPECT_EQ(text(version()), "zelko 20080303 OpenWatcom32");
    EXPECT_EQ(test::stats().count, 1);
    EXPECT_EQ(test::stats().last_size, 32768);
}

TEST(Frame, AllocatorFailureGivesNull) {
    test::fail_allocations(true);
    char* r = version();
    test::fail_allocations(false);
    EXPECT_EQ(r, nullptr);
}

TEST(Frame, WriterNeverPassesCapacity) {
    frame::TextOut out;
    out.fill('x', 40000);
    out.put('y');
    out.append(std::string(100, 'z'));
    EXPECT_EQ(out.size(), frame::kTextCapacity);
    auto span = out.reserve(10);
    EXPECT_EQ(span.size, 0u);
    auto t = text(out.finish());
    ASSERT_TRUE(t);
    EXPECT_EQ(t->size(), 32767u);
    EXPECT_EQ(t->find_first_not_of('x'), std::string::npos);
}

TEST(Frame, EmptyTextStillTakesABlock) {
    test::reset_blocks();
    frame::TextOut out;
    EXPECT_EQ(text(out.finish()), "");
    EXPECT_EQ(test::stats().count, 1);
}

int32_t twice(int32_t v) { return 2 * v; }
std::optional<int32_t> positive(int32_t v) {
    if (v <= 0) return std::nullopt;
    return v;
}
bool echo_nonempty(frame::TextOut& out, std::string_view s) {
    if (s.empty()) return false;
    out.append(s);
    return true;
}

TEST(Frame, NullArgumentsAllocateNothing) {
    test::reset_blocks();
    const int32_t* none = nullptr;
    const char* no_text = nullptr;
    EXPECT_EQ(frame::udf<twice>(none), nullptr);
    EXPECT_EQ(frame::udf<echo_nonempty>(no_text), nullptr);
    EXPECT_EQ(test::stats().count, 0);
    int32_t zero = 0;
    EXPECT_EQ(frame::udf<positive>(&zero), nullptr);  // NULL decided before any block
    EXPECT_EQ(frame::udf<echo_nonempty>(""), nullptr);
    EXPECT_EQ(test::stats().count, 0);
    int32_t seven = 7;
    EXPECT_EQ(test::value(frame::udf<twice>(&seven)), 14);
    EXPECT_EQ(test::value(frame::udf<positive>(&seven)), 7);
    EXPECT_EQ(test::stats().count, 2);
}

std::string fmt_fixed(double v, int p) {
    frame::TextOut out;
    frame::put_fixed(out, v, p);
    return *text(out.finish());
}
std::string fmt_int(int64_t v, frame::IntFormat f) {
    frame::TextOut out;
    frame::put_int(out, v, f);
    return *text(out.finish());
}

TEST(Frame, FormattingMatchesPrintf) {
    char buf[512];
    const double values[] = {0.0, -0.0, 2.5, 3.5, 1.005, 2.675, -1234.5678, 1e22, 123456789.125, 5e-324};
    for (double v : values) {
        for (int p : {0, 1, 2, 6, 10, 20}) {
            std::snprintf(buf, sizeof buf, "%.*f", p, v);
            EXPECT_EQ(fmt_fixed(v, p), buf) << v << " " << p;
        }
    }
    EXPECT_EQ(fmt_fixed(1.0 / 0.0, 2), "inf");
    EXPECT_EQ(fmt_fixed(-1.0 / 0.0, 2), "-inf");
    EXPECT_EQ(fmt_fixed(2.0, -1), "2.000000");
    frame::IntFormat z;
    z.width = 5;
    z.zero_pad = true;
    EXPECT_EQ(fmt_int(-42, z), "-0042");
    frame::IntFormat l;
    l.width = 4;
    l.left = true;
    EXPECT_EQ(fmt_int(7, l), "7   ");
    EXPECT_EQ(fmt_int(INT64_MIN, {}), "-9223372036854775808");
    for (const char* f : {"%#o", "%#08o", "%#-8o", "%#.0o", "%#.3o", "%#8.2o", "%#x", "%#08X"}) {
        for (unsigned v : {0u, 8u, 511u}) {
            frame::IntFormat g;
            const char* p = f + 2;
            g.left = *p == '-';
            g.zero_pad = *p == '0';
            if (*p == '-' || *p == '0') ++p;
            g.width = static_cast<int>(std::strtol(p, const_cast<char**>(&p), 10));
            if (*p == '.') g.precision = static_cast<int>(std::strtol(p + 1, const_cast<char**>(&p), 10));
            const char conv = *p;
            frame::TextOut out;
            frame::put_unsigned(out, v, conv == 'o' ? 8 : 16, conv == 'X', g, true);
            std::snprintf(buf, sizeof buf, f, v);
            EXPECT_EQ(*text(out.finish()), buf) << f << " " << v;
        }
    }
}

TEST(Frame, CharacterClassesAreAsciiOnly) {
    EXPECT_TRUE(frame::is_space('\v'));
    EXPECT_FALSE(frame::is_space('\xA0'));
    EXPECT_FALSE(frame::is_alpha('\xE9'));
    EXPECT_EQ(frame::latin1_upper('\xE9'), '\xC9');
    EXPECT_EQ(frame::latin1_upper('\xDF'), '\xDF');
    EXPECT_EQ(frame::latin1_upper('\xFF'), '\xFF');
    EXPECT_EQ(frame::latin1_lower('\xD0'), '\xD0');
    EXPECT_EQ(frame::latin1_lower('\xDE'), '\xFE');
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (frame::latin1_upper(c) != c) {
            EXPECT_EQ(frame::latin1_lower(frame::latin1_upper(c)), c) << b;
        }
    }
}

}  // namespace
}  // namespace brindle
