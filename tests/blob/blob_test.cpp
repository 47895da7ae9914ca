// The blob functions over fake blobs: their rules and edge cases, NULL, the
// library's own choices, and the published forms of the registry rows.
#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <type_traits>

#include "blob/blob_tests.h"
#include "frame/registry.h"

// The published forms of the rows in blob.def.
#define BRINDLE_FN(sql, entry, routine, result, travel, args, ...) \
    namespace brindle::routines { extern const BR_CANON(result, travel, args)::fn entry; }
#include "blob/blob.def"
#undef BRINDLE_FN

namespace brindle::test {
namespace {

namespace b = brindle::blob;
constexpr int32_t kMax = INT32_MAX, kMin = INT32_MIN;

TEST(Blob, EdgeCases) {
    // 'abc', blanks and a line feed: the text read is 'abc', the size counts every byte.
    FakeBlobIn trail("abc  \n");
    EXPECT_EQ(run(b::blobaspchar, trail), "abc");
    FakeBlobIn trail2("abc  \n");
    EXPECT_EQ(b::blobsize(trail2), 6);

    const std::tuple<Opt (*)(FakeBlobIn&), Opt> cases[] = {
        {[](FakeBlobIn& x) { return run(b::blobmid, x, 1, 2); }, "bc"},
        {[](FakeBlobIn& x) { return run(b::r_blobmid, x, 1, 2); }, "ab"},
        {[](FakeBlobIn& x) { return run(b::r_blobmid, x, 5, 1); }, "e"},
        {[](FakeBlobIn& x) { return run(b::r_blobmid, x, 9, 2); }, ""},
        {[](FakeBlobIn& x) { return run(b::blobmid, x, -3, 2); }, "ab"},
        {[](FakeBlobIn& x) { return run(b::blobleft, x, 9); }, "abcde"},
        {[](FakeBlobIn& x) { return run(b::blobright, x, 2); }, "de"},
        {[](FakeBlobIn& x) { return run(b::blobright, x, 9); }, "abcde"},
        {[](FakeBlobIn& x) { return run(b::blobright, x, 0); }, ""},
        {[](FakeBlobIn& x) { return run(b::blobright, x, -4); }, ""},
        {[](FakeBlobIn& x) { return run(b::blobleft, x, 0); }, ""},
        {[](FakeBlobIn& x) { return run(b::blobmid, x, 2, -1); }, ""},
        {[](FakeBlobIn& x) { return run(b::r_blobmid, x, 0, 2); }, "ab"},
        {[](FakeBlobIn& x) { return run(b::r_blobmid, x, kMin, 1); }, "a"},
        {[](FakeBlobIn& x) { return run(b::blobmid, x, 4, kMax); }, "e"},
        {[](FakeBlobIn& x) { return run(b::blobmid, x, kMax, kMax); }, ""},
        {[](FakeBlobIn& x) { return run(b::blobright, x, kMin); }, ""},
        {[](FakeBlobIn& x) { return run(b::blobright, x, kMax); }, "abcde"},
    };
    for (const auto& [f, want] : cases) {
        FakeBlobIn x("abcde");
        EXPECT_EQ(f(x), want);
    }

    // Lines separated by carriage return and line feed.
    for (const auto& [n, want] : {std::pair{2, "two"}, {0, "one"}, {4, ""}, {1, "one"}, {3, "three"}, {kMin, "one"}, {kMax, ""}}) {
        FakeBlobIn x("one\r\ntwo\r\nthree");
        EXPECT_EQ(run(b::blobline, x, n), want) << n;
    }
    FakeBlobIn lines("one\r\ntwo\r\nthree"), empty("");
    EXPECT_EQ(b::bloblinecount(lines), 3);
    EXPECT_EQ(b::bloblinecount(empty), 0);

    FakeBlobIn n1, n2;
    FakeBlobOut out;
    EXPECT_TRUE(b::blobcat(out, n1, n2));
    EXPECT_EQ(out.segments, std::vector<std::string>{"\r\n"});

    FakeBlobIn abc1("abc"), abc2("abc"), xab("x\xE4" "b");
    EXPECT_EQ(b::b_strpos("c", abc1), 3);
    EXPECT_EQ(b::blobsubstr(abc2, "c"), 2);
    EXPECT_EQ(b::b_textpos("\xC4" "B", xab), 2);

    FakeBlobIn say("say \"hi\"\r\n"), cr("a\rb\nc");
    EXPECT_EQ(run(routines::excelblob, say), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(run(routines::excelblob, cr), "\"ab\nc\"");  // a carriage return inside is dropped, a line feed kept
}

// Positions clamp against the total length, so pieces beyond the trimmed end reach the white
// space kept behind the reader's NUL.
TEST(Blob, TrailingWhiteSpaceBehindTheNul) {
    for (const auto& [n, want] : {std::pair{1, " "}, {2, ""}, {3, "c"}, {5, "abc"}}) {
        FakeBlobIn x("abc  ");
        EXPECT_EQ(run(b::blobright, x, n), want) << n;
    }
    FakeBlobIn x("abc \t\n"), y("abc \t\n"), z("abc  ");
    EXPECT_EQ(run(b::blobmid, x, 4, 9), "\t\n");
    EXPECT_EQ(run(b::r_blobmid, y, 6, 1), "\n");
    EXPECT_EQ(run(b::blobaspchar, z), "abc");
}

TEST(Blob, NullBlobsAndArguments) {
    FakeBlobIn n;
    EXPECT_EQ(run(b::blobaspchar, n), std::nullopt);
    EXPECT_EQ(run(b::blobmid, n, 0, 1), std::nullopt);
    EXPECT_EQ(run(b::r_blobmid, n, 1, 1), std::nullopt);
    EXPECT_EQ(run(b::blobleft, n, 1), std::nullopt);
    EXPECT_EQ(run(b::blobright, n, 1), std::nullopt);
    EXPECT_EQ(run(b::blobline, n, 1), std::nullopt);
    EXPECT_EQ(run(routines::excelblob, n), std::nullopt);
    for (auto f : {b::blobsize, b::blobsegmentcount, b::blobmaxsegmentlength, b::bloblinecount, b::blobwordcount}) {
        EXPECT_EQ(f(n), std::nullopt);
    }
    FakeBlobIn x("x");
    EXPECT_EQ(b::blobcompare(n, x), std::nullopt);
    EXPECT_EQ(b::blobcompare(x, n), std::nullopt);
    EXPECT_EQ(b::b_strcmp(n, x), std::nullopt);
    EXPECT_EQ(b::b_strcmp(x, n), std::nullopt);
    EXPECT_EQ(b::blobsubstr(n, ""), std::nullopt);
    EXPECT_EQ(b::b_strpos("", n), std::nullopt);
    EXPECT_EQ(b::b_textpos("", n), std::nullopt);
    EXPECT_EQ(n.reads, 0);

    // The writers: a NULL blob is skipped, a NULL text is an empty text.
    FakeBlobOut o1, o2, o3, o4;
    EXPECT_TRUE(b::strblob(o1, std::nullopt));
    EXPECT_EQ(o1.segments, std::vector<std::string>{""});
    FakeBlobIn ab("ab");
    EXPECT_TRUE(b::blobcatstr(o2, ab, std::nullopt));
    EXPECT_EQ(o2.segments, (std::vector<std::string>{"ab", "\r\n", ""}));
    EXPECT_TRUE(b::blobcatstr(o3, n, "cd "));
    EXPECT_EQ(o3.segments, (std::vector<std::string>{"\r\n", "cd"}));
    EXPECT_TRUE(b::blobreplacestring(o4, n, "a", "b", 1, 0));
    EXPECT_EQ(o4.segments, std::vector<std::string>{""});
    // blobreplacestring: a NULL find, replacement, all or nocase writes the text unchanged.
    for (int which = 0; which < 4; ++which) {
        FakeBlobOut o;
        FakeBlobIn x{"aXb", "X  "};
        using T = std::optional<std::string_view>;
        using I = std::optional<int32_t>;
        EXPECT_TRUE(b::blobreplacestring(o, x, which == 0 ? T() : T("X"), which == 1 ? T() : T("-"),
                                         which == 2 ? I() : I(1), which == 3 ? I() : I(0)));
        EXPECT_EQ(o.segments, std::vector<std::string>{"aXbX"}) << which;
    }
}

// The registry rows: which arguments reach the routine when NULL. Reading functions take BLOB
// (a NULL blob gives NULL before the routine runs); the writers take BLOB_N and TEXT_N where
// NULL has a meaning here, and blobreplacestring takes all of its arguments so: a function
// that returns its output blob cannot answer SQL NULL (blob/blob.h).
TEST(Blob, RegistryRows) {
    using frame::BlobIn;
    using frame::BlobOut;
    using OptText = std::optional<std::string_view>;
    using OptInt = std::optional<int32_t>;
    static_assert(std::is_same_v<decltype(routines::blobreplacestring),
                                 bool (*const)(BlobOut&, BlobIn&, OptText, OptText, OptInt, OptInt)>);
    static_assert(std::is_same_v<decltype(routines::strblob), bool (*const)(BlobOut&, std::optional<std::string_view>)>);
    static_assert(std::is_same_v<decltype(routines::blobcatstr),
                                 bool (*const)(BlobOut&, BlobIn&, std::optional<std::string_view>)>);
    static_assert(std::is_same_v<decltype(routines::blobsize), bool (*const)(int32_t&, BlobIn&)>);
    // Through the published form.
    FakeBlobIn x("abc  ");
    int32_t v = 0;
    EXPECT_TRUE(routines::blobsize(v, x));
    EXPECT_EQ(v, 5);
    FakeBlobIn n;
    EXPECT_FALSE(routines::bloblinecount(v, n));
    FakeBlobIn y("abcde");
    EXPECT_EQ(run(routines::blobmid, y, 1, 3), "bcd");
}

TEST(Blob, ZeroAndOneByteBlobs) {
    for (const std::string& s : {std::string(""), std::string("x"), std::string(" "), std::string("\n"), std::string(1, '\0')}) {
        const std::string t = literal_text(s, static_cast<int64_t>(s.size()));
        FakeBlobIn a(s), c(s), d(s), e(s), f(s), g(s), h(s);
        EXPECT_EQ(run(b::blobaspchar, a), t);
        EXPECT_EQ(b::blobsize(c), static_cast<int32_t>(s.size()));
        EXPECT_EQ(b::bloblinecount(d), t.empty() ? 0 : 1);
        EXPECT_EQ(b::blobwordcount(e), t.empty() ? 0 : 1);
        EXPECT_EQ(run(b::blobline, f, 1), t);
        EXPECT_EQ(run(b::r_blobmid, g, 1, 1), t);
        EXPECT_EQ(b::b_strpos("", h), 1);
    }
    FakeBlobIn e1(""), e2("");
    EXPECT_EQ(b::blobcompare(e1, e2), 1);
    FakeBlobIn e3(""), e4("  ");
    EXPECT_EQ(b::b_strcmp(e3, e4), 0);
    FakeBlobIn e5("");
    EXPECT_EQ(b::blobsegmentcount(e5), 0);
    FakeBlobIn x("x");
    EXPECT_EQ(b::blobsegmentcount(x), 1);
}

// A NUL byte inside the blob ends the text read; white space before it stays; pieces of the
// cutting functions start wherever their position says.
TEST(Blob, NulBytesInside) {
    const std::string s("ab\0cd", 5), t("ab  \0cd  ", 9);
    FakeBlobIn a(s), c(s), d(s), e(t), f(t), g(t);
    EXPECT_EQ(run(b::blobaspchar, a), "ab");
    EXPECT_EQ(run(b::blobmid, c, 3, 2), "cd");
    EXPECT_EQ(run(b::blobright, d, 3), "");
    EXPECT_EQ(run(b::blobaspchar, e), "ab  ");
    EXPECT_EQ(b::blobwordcount(f), 1);
    EXPECT_EQ(run(b::blobright, g, 4), "cd");
    FakeBlobIn x1(std::string("ab\0x", 4)), x2(std::string("ab\0y", 4));
    EXPECT_EQ(b::blobcompare(x1, x2), 1);
    FakeBlobIn l(std::string("a\nb\0c\nd", 7)), m(std::string("a\n\0b", 4)), k(std::string("a\n\0b", 4));
    EXPECT_EQ(b::bloblinecount(l), 2);
    EXPECT_EQ(b::bloblinecount(m), 1);  // the text 'a' line-feed ends in its line feed
    EXPECT_EQ(run(b::blobline, k, 2), "");
    FakeBlobIn z1(std::string("abc\0", 4)), z2(std::string("abc\0", 4));
    EXPECT_EQ(b::blobsubstr(z1, "c"), 2);
    EXPECT_EQ(b::b_strpos("c\n", z2), 0);
}

// blobline: a line feed ends a line; only a carriage return right before it is removed, so a
// bare line feed loses no byte and an empty line stays empty (the choice left to us).
TEST(Blob, LinesWithBareLineFeeds) {
    const std::string text = "one\ntwo\r\n\n\r\nx\ry\r\nlast\rz";
    for (const auto& [n, want] : {std::pair{1, "one"}, {2, "two"}, {3, ""}, {4, ""}, {5, "x\ry"}, {6, "last\rz"}, {7, ""}}) {
        FakeBlobIn x(text);
        EXPECT_EQ(run(b::blobline, x, n), want) << n;
    }
    FakeBlobIn c(text);
    EXPECT_EQ(b::bloblinecount(c), 6);
    FakeBlobIn lf("\n\nabc"), one("abc \n \n");
    EXPECT_EQ(b::bloblinecount(lf), 3);
    EXPECT_EQ(b::bloblinecount(one), 1);
    FakeBlobIn cut(rep("a", 40000) + "\r\nb");
    EXPECT_EQ(run(b::blobline, cut, 1), rep("a", 32767));
    FakeBlobIn small("abcdef\r\nb");
    EXPECT_EQ(run_cap(3, b::blobline, small, 1), "abc");
}

TEST(Blob, Words) {
    const std::pair<std::string, int32_t> cases[] = {{"a \r\nb", 3}, {"a\tb\nc  d", 4}, {"   ", 0}, {"", 0},
        {"\v\f", 0}, {"x\vy", 1}, {"  lead", 1}, {"a\xA0" "b", 1}, {"a,b c", 2}};
    for (const auto& [s, want] : cases) {
        FakeBlobIn x(s);
        EXPECT_EQ(b::blobwordcount(x), want) << s;
    }
}

TEST(Blob, Comparing) {
    // b_strcmp gives the text of blob 2 against blob 1; bytes compare unsigned.
    const std::tuple<std::string, std::string, int32_t, int32_t> cases[] = {
        {"abc", "abd", 1, 0}, {"abd", "abc", -1, 0}, {"abc", "abc  \n", 0, 1}, {"ab", "abc", 1, 0},
        {"abc", "ab", -1, 0}, {"a", "\xE9", 1, 0}, {"\xE9", "a", -1, 0}, {"", "a", 1, 0}, {"A", "a", 1, 0}};
    for (const auto& [x, y, cmp, eq] : cases) {
        FakeBlobIn x1(x), y1(y), x2(x), y2(y);
        EXPECT_EQ(b::b_strcmp(x1, y1), cmp) << x << " / " << y;
        EXPECT_EQ(b::blobcompare(x2, y2), eq) << x << " / " << y;
    }
    // The same text in other segments is equal.
    FakeBlobIn p{"ab", "c", "", "de"}, q("abcde");
    EXPECT_EQ(b::blobcompare(p, q), 1);
}

TEST(Blob, Searching) {
    const std::tuple<std::string, std::string, int32_t, int32_t, int32_t> cases[] = {
        // text, needle, blobsubstr, b_strpos, b_textpos
        {"abc", "", 0, 1, 1}, {"", "", 0, 1, 1}, {"", "a", -1, 0, 0}, {"abc", "x", -1, 0, 0},
        {"abcabc", "ca", 2, 3, 3}, {"abc", "abcd", -1, 0, 0}, {"aBc", "bc", -1, 0, 2},
        {"x\xE4" "b", "\xC4" "B", -1, 0, 2}, {"\xFF", "\xFF", 0, 1, 1}, {"\xDF", "SS", -1, 0, 0},
        {"abc  ", " ", -1, 0, 0}, {"a b  ", " ", 1, 2, 2}};
    for (const auto& [text, needle, sub, pos, tpos] : cases) {
        FakeBlobIn x(text), y(text), z(text);
        EXPECT_EQ(b::blobsubstr(x, needle), sub) << text << " / " << needle;
        EXPECT_EQ(b::b_strpos(needle, y), pos) << text << " / " << needle;
        EXPECT_EQ(b::b_textpos(needle, z), tpos) << text << " / " << needle;
    }
}

TEST(Blob, Writing) {
    {
        FakeBlobOut o;
        EXPECT_TRUE(b::strblob(o, "ab \t\r\n"));
        EXPECT_EQ(o.segments, std::vector<std::string>{"ab"});
    }
    {
        FakeBlobOut o;
        EXPECT_TRUE(b::strblob(o, "  "));
        EXPECT_EQ(o.segments, std::vector<std::string>{""});
    }
    {
        FakeBlobOut o;  // a text of 65536 bytes or more goes as several segments, not cut
        const std::string big = rep("xyz", 50000);
        EXPECT_TRUE(b::strblob(o, big));
        EXPECT_EQ(o.segments.size(), 3u);
        EXPECT_EQ(o.segments[0].size(), 65535u);
        EXPECT_EQ(o.content(), big);
        EXPECT_FALSE(o.oversized);
    }
    {
        FakeBlobOut o;  // segments are copied as they come, line end between
        FakeBlobIn x{"ab", "", "cd "}, y{"ef", "g"};
        EXPECT_TRUE(b::blobcat(o, x, y));
        EXPECT_EQ(o.segments, (std::vector<std::string>{"ab", "", "cd ", "\r\n", "ef", "g"}));
    }
    {
        FakeBlobOut o;
        FakeBlobIn x("ab"), n;
        EXPECT_TRUE(b::blobcat(o, n, x));
        EXPECT_EQ(o.content(), "\r\nab");
    }
    {
        FakeBlobOut o;
        FakeBlobIn x{"a", "b  "};
        EXPECT_TRUE(b::blobcatstr(o, x, "cd \n"));
        EXPECT_EQ(o.segments, (std::vector<std::string>{"a", "b  ", "\r\n", "cd"}));
    }
    // blobreplacestring: the replace engine, then written as strblob writes.
    const std::tuple<std::string, std::string, std::string, int32_t, int32_t, std::string> cases[] = {
        {"aXbXc", "X", "--", 1, 0, "a--b--c"}, {"aXbXc", "x", "-", 0, 1, "a-bXc"}, {"aXbXc", "x", "-", 1, 0, "aXbXc"},
        {"abc", "", "z", 1, 0, ""}, {"a b", "b", "  ", 1, 0, "a"}, {"\xC4" "b", "\xE4", "a", 1, 1, "ab"},
        {"abc \r\n", "c", "C", 1, 0, "abC"}, {"aaa", "a", "aa", 1, 0, "aaaaaa"}, {"ab", "ab", "", 5, 0, ""}};
    for (const auto& [text, find, repl, all, nocase, want] : cases) {
        FakeBlobOut o;
        FakeBlobIn x(text);
        EXPECT_TRUE(b::blobreplacestring(o, x, find, repl, all, nocase));
        EXPECT_EQ(o.content(), want) << text << " " << find << " " << repl;
        EXPECT_EQ(o.segments.size(), 1u);
    }
}

TEST(Blob, WriteFailures) {
    FakeBlobIn x{"ab", "cd"}, y("ef");
    FakeBlobOut o1, o2, o4;
    o1.fail_from_write(2);
    EXPECT_FALSE(b::blobcat(o1, x, y));
    EXPECT_EQ(o1.writes, 2);  // stops at the first failed segment
    o2.fail_from_write(1);
    EXPECT_FALSE(b::strblob(o2, "ab"));
    // Any failed write ends a concatenation: the first part's, the line break's, the second part's.
    for (const long n : {1, 2, 3}) {
        FakeBlobIn first("ab"), second("cd"), only("ab");
        FakeBlobOut cat, catstr;
        cat.fail_from_write(n);
        catstr.fail_from_write(n);
        EXPECT_FALSE(b::blobcat(cat, first, second)) << n;
        EXPECT_FALSE(b::blobcatstr(catstr, only, "cd")) << n;
        EXPECT_EQ(cat.writes + catstr.writes, 2 * n) << n;
    }
    FakeBlobIn w(rep("q", 200000));
    o4.fail_from_write(2);
    EXPECT_FALSE(b::blobreplacestring(o4, w, "q", "r", 1, 0));
    EXPECT_EQ(o4.writes, 2);
}

// The cutting functions cut at the writer's capacity, never past it.
TEST(Blob, CutAtTheWritersCapacity) {
    for (std::size_t cap : {0u, 1u, 3u, 5u, 6u}) {
        FakeBlobIn a("abcdef"), c("abcdef"), d("abcdef"), e("abcdef  ");
        const std::string want = std::string("abcdef").substr(0, cap);
        EXPECT_EQ(run_cap(cap, b::blobaspchar, a), want);
        EXPECT_EQ(run_cap(cap, b::blobright, c, 6), want);
        EXPECT_EQ(run_cap(cap, b::blobmid, d, 1, 3), std::string("bcd").substr(0, cap));
        EXPECT_EQ(run_cap(cap, b::blobleft, e, 8), want);
    }
    // Only a piece that goes on past the capacity is noted as cut.
    const std::tuple<std::string, std::size_t, bool> flags[] = {{"abcdef", 6, false}, {"abcdef", 5, true},
        {"abc   ", 3, false}, {"abc   x", 3, true}, {std::string("abc\0def", 7), 3, false}, {"abc", 0, true}, {"", 0, false}};
    for (const auto& [text, cap, want_cut] : flags) {
        FakeBlobIn x(text), y(text);
        run_cap(cap, b::blobaspchar, x);
        EXPECT_EQ(last_cut, want_cut) << text << " " << cap;
        run_cap(cap, b::blobline, y, 1);
        EXPECT_EQ(last_cut, want_cut) << text << " " << cap;
    }
    FakeBlobIn blanks("abc" + std::string(40000, ' ') + "\n"), behind("abc   ");
    EXPECT_EQ(run(b::blobaspchar, blanks), "abc");
    EXPECT_FALSE(last_cut);
    EXPECT_EQ(run_cap(1, b::blobmid, behind, 4, 2), " ");  // the blanks behind the NUL are this piece
    EXPECT_TRUE(last_cut);
    const std::string big = rep("0123456789", 4000);  // 40000 bytes
    FakeBlobIn a(big), c(big), d(big);
    EXPECT_EQ(run(b::blobaspchar, a), big.substr(0, 32767));
    EXPECT_EQ(run(b::blobright, c, 35000), big.substr(5000, 32767));
    const Opt q = run(routines::excelblob, d);
    ASSERT_TRUE(q.has_value());
    EXPECT_EQ(q->size(), 32767u);
    EXPECT_EQ(q->front(), '"');
    EXPECT_EQ(q->back(), '"');
}

// Every cutting function agrees with the reading rule written out literally, for random
// contents with white space, NULs and line ends, random segments (empty ones too), reported
// total lengths that are right, too small, too large or negative, and random positions.
TEST(Blob, AgreesWithThePartsReader) {
    std::mt19937 rng(2101);
    const char alphabet[] = {'a', 'b', ' ', '\t', '\r', '\n', '\0', '\xE4', 'c', ' '};
    for (int round = 0; round < 6000; ++round) {
        std::string content(rng() % 24, 'a');
        for (auto& ch : content) ch = alphabet[rng() % sizeof alphabet];
        std::vector<std::string> segs;
        for (std::size_t i = 0; i < content.size();) {
            const std::size_t n = rng() % 5;  // 0: an empty segment
            segs.push_back(content.substr(i, n));
            i += n;
        }
        int64_t total = static_cast<int64_t>(content.size());
        switch (rng() % 6) {
            case 0: total += rng() % 5; break;
            case 1: total -= rng() % 5; break;
            case 2: total = -static_cast<int64_t>(rng() % 3); break;
            default: break;
        }
        const int32_t start = static_cast<int32_t>(rng() % 36) - 6, count = static_cast<int32_t>(rng() % 36) - 6;
        const std::size_t cap = round % 4 == 0 ? rng() % 8 : frame::kTextCapacity;
        auto blob = [&] { return std::move(FakeBlobIn(segs).report_total(total)); };
        const int64_t a = total < 0 ? 0 : total;
        auto cut = [&](std::string s) { return s.substr(0, cap); };
        const std::string what = "content of " + std::to_string(content.size()) + " total " + std::to_string(total) +
                                 " start " + std::to_string(start) + " count " + std::to_string(count) + " round " +
                                 std::to_string(round);
        FakeBlobIn x1 = blob(), x2 = blob(), x3 = blob(), x4 = blob(), x5 = blob(), x6 = blob(), x7 = blob();
        // The writer notes a cut exactly when the whole piece is longer than its capacity.
        auto check = [&](const Opt& got, const std::string& whole, const char* fn) {
            EXPECT_EQ(got, cut(whole)) << fn << " " << what;
            EXPECT_EQ(last_cut, whole.size() > cap) << fn << " " << what;
        };
        check(run_cap(cap, b::blobmid, x1, start, count), literal_mid(content, total, start, count), "blobmid");
        check(run_cap(cap, b::r_blobmid, x2, start, count),
              literal_mid(content, total, static_cast<int64_t>(start < 1 ? 1 : start) - 1, count), "r_blobmid");
        check(run_cap(cap, b::blobleft, x3, count), literal_mid(content, total, 0, count), "blobleft");
        check(run_cap(cap, b::blobright, x4, count), literal_mid(content, total, a - count, count), "blobright");
        check(run_cap(cap, b::blobaspchar, x5), literal_text(content, total), "blobaspchar");
        const std::string t = literal_text(content, total);
        EXPECT_EQ(b::blobsubstr(x6, "a"), t.find('a') == std::string::npos ? -1 : static_cast<int32_t>(t.find('a'))) << what;
        int32_t lines = 0;
        for (char ch : t) lines += ch == '\n';
        if (!t.empty() && t.back() != '\n') ++lines;
        EXPECT_EQ(b::bloblinecount(x7), lines) << what;
        FakeBlobOut o;
        FakeBlobIn y = blob();
        EXPECT_TRUE(b::blobreplacestring(o, y, "b", "B", 1, 0));
        std::string r = t;
        for (auto& ch : r) ch = ch == 'b' ? 'B' : ch;
        EXPECT_EQ(o.content(), std::string(frame::trim_right(r))) << what;
    }
}

}  // namespace
}  // namespace brindle::test
