#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/blocks.h"

extern "C" {
char* crlf();
char* lf();
char* tab();
char* nbsp();
char* dqm();
char* sqm();
char* character(const char*);
char* space(const int32_t*);
char* strofchar(const char*, const int32_t*);
char* strrepeat(const char*, const int32_t*);
int32_t* stringlength(const char*);
char* reverse(const char*);
char* left(const char*, const int32_t*);
char* right(const char*, const int32_t*);
char* mid(const char*, const int32_t*, const int32_t*);
char* mid1(const char*, const int32_t*, const int32_t*);
char* strcopy(const char*, const int32_t*, const int32_t*);
char* strrm(const char*, const int32_t*);
char* strstuff(const char*, const int32_t*, const int32_t*, const char*);
char* linewrap(const char*, const int32_t*, const int32_t*);
char* ltrim(const char*);
char* rtrim(const char*);
char* lrtrim(const char*);
char* padleft(const char*, const char*, const int32_t*);
char* r_padleft(const char*, const int32_t*, const char*);
char* padright(const char*, const char*, const int32_t*);
char* r_padright(const char*, const int32_t*, const char*);
char* padcenter(const char*, const char*, const int32_t*);
char* repeattrim(const char*, const char*);
}

namespace {

using brindle::test::text;
using Opt = std::optional<std::string>;
const int32_t* I(int32_t v) {
    static thread_local int32_t slots[8];
    static thread_local int next = 0;
    int32_t* p = &slots[next++ % 8];
    *p = v;
    return p;
}
constexpr int32_t kMax = INT32_MAX;
constexpr int32_t kMin = INT32_MIN;

TEST(Constants, OneByteEach) {
    EXPECT_EQ(text(crlf()), "\r\n");
    EXPECT_EQ(text(lf()), "\n");
    EXPECT_EQ(text(tab()), "\t");
    EXPECT_EQ(text(nbsp()), "\xA0");
    EXPECT_EQ(text(dqm()), "\"");
    EXPECT_EQ(text(sqm()), "'");
    EXPECT_EQ(text(character("xyz")), "x");
    EXPECT_EQ(text(character("")), "");
}

TEST(Substrings, LeftRightMid) {
    EXPECT_EQ(text(left("abc", I(5))), "abc");
    EXPECT_EQ(text(left("abc", I(-1))), "");
    EXPECT_EQ(text(right("abc", I(2))), "bc");
    EXPECT_EQ(text(right("abc", I(kMax))), "abc");
    EXPECT_EQ(text(right("abc", I(kMin))), "");
    EXPECT_EQ(text(mid("abcdef", I(0), I(2))), "ab");
    EXPECT_EQ(text(mid("abcdef", I(-1), I(2))), "");
    EXPECT_EQ(text(mid("abcdef", I(4), I(10))), "ef");
    EXPECT_EQ(text(mid("abcdef", I(6), I(1))), "");
    EXPECT_EQ(text(mid("abcdef", I(2), I(kMax))), "cdef");
    EXPECT_EQ(text(mid1("abcdef", I(1), I(2))), "ab");
    EXPECT_EQ(text(mid1("abcdef", I(0), I(2))), "");
    EXPECT_EQ(text(mid1("abcdef", I(kMin), I(2))), "");
    EXPECT_EQ(text(mid1("abcdef", I(6), I(1))), "f");
}

TEST(Substrings, StrcopyAndStrrm) {
    EXPECT_EQ(text(strcopy("abcdef", I(2), I(3))), "cde");
    EXPECT_EQ(text(strcopy("abcdef", I(4), I(5))), "ef");
    EXPECT_EQ(text(strcopy("abcdef", I(9), I(5))), "");
    EXPECT_EQ(text(strcopy("abcdef", I(-2), I(5))), "");
    EXPECT_EQ(text(strcopy("abcdef", I(kMax), I(kMax))), "");
    EXPECT_EQ(text(strcopy("abcdef", I(1), I(-3))), "");
    EXPECT_EQ(text(strrm("abc", I(1))), "ac");
    EXPECT_EQ(text(strrm("abc", I(7))), "abc");
    EXPECT_EQ(text(strrm("abc", I(-1))), "abc");
    EXPECT_EQ(text(strrm("", I(0))), Opt{});
}

TEST(Substrings, Strstuff) {
    EXPECT_EQ(text(strstuff("abcdef", I(2), I(3), "XY")), "aXYef");
    EXPECT_EQ(text(strstuff("abc", I(9), I(0), "X")), "abcX");
    EXPECT_EQ(text(strstuff("abc", I(3), I(0), "X")), "abXc");
    EXPECT_EQ(text(strstuff("abc", I(0), I(1), "X")), "Xbc");
    EXPECT_EQ(text(strstuff("abc", I(1), I(kMax), "X")), "X");
    // A negative count resumes before the insertion point; the output holds at most
    // len + len(insert) + 1 bytes, and never reaches before the text.
    EXPECT_EQ(text(strstuff("abcdef", I(3), I(-1), "XY")), "abXYbcdef");
    EXPECT_EQ(text(strstuff("abcdef", I(3), I(-2), "XY")), "abXYabcde");
    EXPECT_EQ(text(strstuff("abcdef", I(3), I(kMin), "XY")), "abXYabcde");
    EXPECT_EQ(text(strstuff("abc", I(9), I(-1), "X")), "abcXc");
}

TEST(Substrings, Linewrap) {
    EXPECT_EQ(text(linewrap("the quick brown fox", I(0), I(10))), "the quick ");
    EXPECT_EQ(text(linewrap("the quick brown fox", I(10), I(10))), "brown fox");
    EXPECT_EQ(text(linewrap("abcdefghijkl", I(0), I(5))), "abcde");
    EXPECT_EQ(text(linewrap("abc", I(0), I(10))), "abc");
    EXPECT_EQ(text(linewrap(" abcdef", I(0), I(3))), " ab");  // the first byte is never the break
    EXPECT_EQ(text(linewrap("ab\tcd\nef", I(0), I(6))), "ab\tcd\n");  // any white space breaks
    EXPECT_EQ(text(linewrap("ab\xA0" "cdef", I(0), I(4))), "ab\xA0" "c");  // no-break space does not
    EXPECT_EQ(text(linewrap("abc def", I(0), I(0))), "");
    EXPECT_EQ(text(linewrap("abc def", I(0), I(-4))), "");
    EXPECT_EQ(text(linewrap("abc def", I(-3), I(4))), "");
    EXPECT_EQ(text(linewrap("abc def", I(9), I(4))), "");
    EXPECT_EQ(text(linewrap("abc def", I(1), I(kMax))), "bc def");
}

TEST(Trimming, AsciiWhiteSpaceOnly) {
    EXPECT_EQ(text(ltrim(" \t\n\v\f\rx ")), "x ");
    EXPECT_EQ(text(ltrim("\xA0x")), "\xA0x");
    EXPECT_EQ(text(rtrim("a \t\r\n")), "a");
    EXPECT_EQ(text(rtrim("a\xA0")), "a\xA0");
    EXPECT_EQ(text(lrtrim("  a b  ")), "a b");
    EXPECT_EQ(text(lrtrim(" \t ")), "");
}

TEST(Padding, PatternsAndWidths) {
    EXPECT_EQ(text(padleft("ab", "xyz", I(7))), "yzxyzab");
    EXPECT_EQ(text(r_padleft("ab", I(7), "xyz")), "yzxyzab");
    EXPECT_EQ(text(padright("ab", "xyz", I(7))), "abxyzxy");
    EXPECT_EQ(text(r_padright("ab", I(7), "xyz")), "abxyzxy");
    EXPECT_EQ(text(padcenter("ab", "xy", I(7))), "xyxabxy");
    EXPECT_EQ(text(padcenter("a", "-", I(4))), "--a-");
    EXPECT_EQ(text(padleft("abc", "*", I(2))), "abc");
    EXPECT_EQ(text(padcenter("abc", "*", I(kMin))), "abc");
    // Nothing to fill with: the text comes back as it is.
    EXPECT_EQ(text(padleft("ab", "", I(5))), "ab");
    EXPECT_EQ(text(padright("ab", "", I(5))), "ab");
    EXPECT_EQ(text(padcenter("ab", "", I(5))), "ab");
}

TEST(Padding, HugeWidthsStayInTheBlock) {
    auto l = text(padleft("end", "ab", I(kMax)));
    ASSERT_TRUE(l);
    EXPECT_EQ(l->size(), 32767u);
    EXPECT_EQ(l->substr(l->size() - 5), "abend");  // the text itself is kept
    auto r = text(padright("start", "ab", I(kMax)));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->size(), 32767u);
    EXPECT_EQ(r->substr(0, 7), "startab");
    auto c = text(padcenter("mid", "-", I(100000)));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->size(), 32767u);
    EXPECT_EQ(c->substr(16381, 5), "-mid-");  // centred in the block
}

TEST(Repetition, CountsAndCapacity) {
    EXPECT_EQ(text(strofchar("xyz", I(3))), "xxx");
    EXPECT_EQ(text(strofchar("", I(3))), "");
    EXPECT_EQ(text(strofchar("x", I(-3))), "");
    EXPECT_EQ(text(space(I(0))), "");
    EXPECT_EQ(text(space(I(3))), "   ");
    EXPECT_EQ(text(strrepeat("ab", I(3))), "ababab");
    EXPECT_EQ(text(strrepeat("", I(kMax))), "");
    EXPECT_EQ(text(strrepeat("ab", I(-1))), "");
    EXPECT_EQ(text(strrepeat("ab", I(100000)))->size(), 32767u);
    EXPECT_EQ(text(space(I(kMax)))->size(), 32767u);
    // Without a result block the repeating writers give NULL and touch nothing.
    brindle::test::fail_allocations(true);
    EXPECT_EQ(strrepeat("ab", I(kMax)), nullptr);
    EXPECT_EQ(padleft("ab", "xyz", I(kMax)), nullptr);
    EXPECT_EQ(padcenter("ab", "xyz", I(kMax)), nullptr);
    brindle::test::fail_allocations(false);
}

TEST(Misc, LengthReverseRepeattrim) {
    EXPECT_EQ(brindle::test::value(stringlength("abc")), 3);
    EXPECT_EQ(brindle::test::value(stringlength("")), 0);
    EXPECT_EQ(text(reverse("ab\xE9")), "\xE9" "ba");
    EXPECT_EQ(text(reverse("")), "");
    EXPECT_EQ(text(repeattrim("a,,b,,,c", ",")), "a,b,c");
    EXPECT_EQ(text(repeattrim(",,a,,", ",")), ",a,");
    EXPECT_EQ(text(repeattrim("aaa", "a")), "a");
    EXPECT_EQ(text(repeattrim("abc", nullptr)), "abc");
    EXPECT_EQ(text(repeattrim("abc", "")), "abc");
    EXPECT_EQ(text(repeattrim(nullptr, "a")), Opt{});
}

TEST(NullRule, EveryArgumentPosition) {
    brindle::test::reset_blocks();
    EXPECT_EQ(left(nullptr, I(1)), nullptr);
    EXPECT_EQ(left("a", nullptr), nullptr);
    EXPECT_EQ(mid("a", I(0), nullptr), nullptr);
    EXPECT_EQ(strstuff("a", I(1), I(1), nullptr), nullptr);
    EXPECT_EQ(padleft("a", nullptr, I(3)), nullptr);
    EXPECT_EQ(r_padright("a", nullptr, "x"), nullptr);
    EXPECT_EQ(stringlength(nullptr), nullptr);
    EXPECT_EQ(space(nullptr), nullptr);
    EXPECT_EQ(brindle::test::stats().count, 0);
    EXPECT_EQ(text(left("abc", I(2))), "ab");
    EXPECT_EQ(brindle::test::stats().count, 1);
    EXPECT_FALSE(brindle::test::stats().wrong_size);
}

}  // namespace
