#include <tuple>

#include "string/string_tests.h"

namespace brindle::test {
namespace {

struct Cut { int32_t a, b; const char* want; };  // two integer arguments and the expected text

TEST(Substrings, ConstantsLeftRightMid) {
    char* (*const constant[])() = {crlf, lf, tab, nbsp, dqm, sqm};
    const char* bytes[] = {"\r\n", "\n", "\t", "\xA0", "\"", "'"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(text(constant[i]()), bytes[i]) << i;
    EXPECT_EQ(text(character("xyz")), "x");
    EXPECT_EQ(text(character("")), "");
    for (Cut c : {Cut{5, 0, "abc"}, {-1, 0, ""}, {kMin, 0, ""}}) EXPECT_EQ(text(left("abc", I(c.a))), c.want) << c.a;
    for (Cut c : {Cut{2, 0, "bc"}, {kMax, 0, "abc"}, {kMin, 0, ""}}) EXPECT_EQ(text(right("abc", I(c.a))), c.want) << c.a;
    for (Cut c : {Cut{0, 2, "ab"}, {-1, 2, ""}, {4, 10, "ef"}, {6, 1, ""}, {2, kMax, "cdef"}})
        EXPECT_EQ(text(mid("abcdef", I(c.a), I(c.b))), c.want) << c.a << " " << c.b;
    for (Cut c : {Cut{1, 2, "ab"}, {0, 2, ""}, {kMin, 2, ""}, {6, 1, "f"}})
        EXPECT_EQ(text(mid1("abcdef", I(c.a), I(c.b))), c.want) << c.a << " " << c.b;
}

// Negative starts and counts, and starts beyond the text, stay inside it.
TEST(Substrings, StrcopyStrrmStrstuff) {
    for (Cut c : {Cut{2, 3, "cde"}, {4, 5, "ef"}, {9, 5, ""}, {-2, 5, ""}, {kMax, kMax, ""}, {1, -3, ""}})
        EXPECT_EQ(text(strcopy("abcdef", I(c.a), I(c.b))), c.want) << c.a << " " << c.b;
    for (Cut c : {Cut{1, 0, "ac"}, {7, 0, "abc"}, {-1, 0, "abc"}}) EXPECT_EQ(text(strrm("abc", I(c.a))), c.want) << c.a;
    EXPECT_EQ(text(strrm("", I(0))), Opt{});
    EXPECT_EQ(text(strstuff("abcdef", I(2), I(3), "XY")), "aXYef");
    for (Cut c : {Cut{9, 0, "abcX"}, {3, 0, "abXc"}, {0, 1, "Xbc"}, {1, kMax, "X"}, {9, -1, "abcXc"}})
        EXPECT_EQ(text(strstuff("abc", I(c.a), I(c.b), "X")), c.want) << c.a << " " << c.b;
    // A negative count resumes before the insertion point: at most len + len(insert) + 1 bytes.
    for (Cut c : {Cut{3, -1, "abXYbcdef"}, {3, -2, "abXYabcde"}, {3, kMin, "abXYabcde"}})
        EXPECT_EQ(text(strstuff("abcdef", I(c.a), I(c.b), "XY")), c.want) << c.b;
}

TEST(Substrings, Linewrap) {
    // The first byte is never the break; any ASCII white space is one, the no-break space is not.
    const std::tuple<S, int32_t, int32_t, S> cases[] = {{"the quick brown fox", 0, 10, "the quick "}, {"abcdefghijkl", 0, 5, "abcde"},
        {"abc", 0, 10, "abc"}, {" abcdef", 0, 3, " ab"}, {"ab\tcd\nef", 0, 6, "ab\tcd\n"}, {"ab\xA0" "cdef", 0, 4, "ab\xA0" "c"},
        {"abc def", 0, 0, ""}, {"abc def", 0, -4, ""}, {"abc def", -3, 4, ""}, {"abc def", 9, 4, ""}, {"abc def", 1, kMax, "bc def"}};
    for (const auto& [s, start, width, want] : cases) EXPECT_EQ(text(linewrap(s, I(start), I(width))), want) << s << start << width;
}

TEST(Trimming, AsciiWhiteSpaceOnly) {
    const std::tuple<char* (*)(S), S, S> cases[] = {{ltrim, " \t\n\v\f\rx ", "x "},
        {ltrim, "\xA0x", "\xA0x"}, {rtrim, "a \t\r\n", "a"}, {rtrim, "a\xA0", "a\xA0"}, {lrtrim, "  a b  ", "a b"}, {lrtrim, " \t ", ""}};
    for (const auto& [trim, in, want] : cases) EXPECT_EQ(text(trim(in)), want) << in;
}

TEST(Padding, PatternsWidthsAndEmptyPad) {
    using Pad = char* (*)(S, S, Int);
    const std::tuple<Pad, S, S, int32_t, S> cases[] = {{padleft, "ab", "xyz", 7, "yzxyzab"},
        {padright, "ab", "xyz", 7, "abxyzxy"}, {padcenter, "ab", "xy", 7, "xyxabxy"}, {padcenter, "a", "-", 4, "--a-"},
        {padleft, "abc", "*", 2, "abc"}, {padcenter, "abc", "*", kMin, "abc"},
        {padleft, "ab", "", 5, "ab"}, {padright, "ab", "", 5, "ab"}, {padcenter, "ab", "", 5, "ab"}};  // nothing to fill with
    for (const auto& [pad, s, with, width, want] : cases) EXPECT_EQ(text(pad(s, with, I(width))), want) << s << width;
    EXPECT_EQ(text(r_padleft("ab", I(7), "xyz")), "yzxyzab");
    EXPECT_EQ(text(r_padright("ab", I(7), "xyz")), "abxyzxy");
    // Widths beyond the block count as its capacity; the text itself is kept in its place.
    EXPECT_EQ(text(padleft("end", "ab", I(kMax))), rep("ab", 16382) + "end");
    EXPECT_EQ(text(padright("start", "ab", I(kMax))), "start" + rep("ab", 16381));
    EXPECT_EQ(text(padcenter("mid", "-", I(100000))), rep("-", 16382) + "mid" + rep("-", 16382));
}

TEST(Repetition, CountsCapacityAndFailingAllocator) {
    using Repeat = char* (*)(S, Int);
    const std::tuple<Repeat, S, int32_t, S> cases[] = {{strofchar, "xyz", 3, "xxx"}, {strofchar, "", 3, ""},
        {strofchar, "x", -3, ""}, {strrepeat, "ab", 3, "ababab"}, {strrepeat, "", kMax, ""}, {strrepeat, "ab", -1, ""}};
    for (const auto& [fn, s, n, want] : cases) EXPECT_EQ(text(fn(s, I(n))), want) << s << n;
    EXPECT_EQ(text(space(I(0))), "");
    EXPECT_EQ(text(space(I(kMax))), std::string(32767, ' '));
    EXPECT_EQ(text(strrepeat("abc", I(100000))), rep("abc", 10922) + "a");
    fail_allocations(true);  // without a result block the repeating writers give NULL
    EXPECT_EQ(strrepeat("ab", I(kMax)), nullptr);
    EXPECT_EQ(padleft("ab", "xyz", I(kMax)), nullptr);
    EXPECT_EQ(padcenter("ab", "xyz", I(kMax)), nullptr);
    fail_allocations(false);
}

TEST(Repetition, LengthReverseRepeattrim) {
    EXPECT_EQ(value(stringlength("abc")), 3);
    EXPECT_EQ(text(reverse("ab\xE9")), "\xE9" "ba");
    const std::tuple<S, S, S> trims[] = {{"a,,b,,,c", ",", "a,b,c"}, {",,a,,", ",", ",a,"},
        {"aaa", "a", "a"}, {"abc", nullptr, "abc"}, {"abc", "", "abc"}};  // the one NULL argument taken
    for (const auto& [s, c, want] : trims) EXPECT_EQ(text(repeattrim(s, c)), want) << s;
    EXPECT_EQ(text(repeattrim(nullptr, "a")), Opt{});
}

TEST(NullRule, EveryArgumentPositionAndOneBlock) {
    reset_blocks();
    for (const void* r : std::initializer_list<const void*>{left(nullptr, I(1)), left("a", nullptr), mid("a", I(0), nullptr),
             strstuff("a", I(1), I(1), nullptr), padleft("a", nullptr, I(3)), r_padright("a", nullptr, "x"),
             stringlength(nullptr), space(nullptr)})
        EXPECT_EQ(r, nullptr);
    EXPECT_EQ(stats().count, 0);
    EXPECT_EQ(text(left("abc", I(2))), "ab");
    EXPECT_EQ(stats().count, 1);
    EXPECT_FALSE(stats().wrong_size);
}

}  // namespace
}  // namespace brindle::test
