#include <array>
#include <cstdlib>
#include <cstring>
#include <random>
#include <tuple>

#include "string/replace.h"
#include "string/search.h"
#include "string/string_tests.h"

namespace brindle::test {
namespace {

TEST(Search, PositionsAndCounts) {
    const std::tuple<int32_t* (*)(S, S), S, S, std::optional<int32_t>> cases[] = {
        {strpos, "b", "abc", 2}, {strpos, "", "abc", 1}, {strpos, "x", "abc", 0}, {strpos, "\xE9", "caf\xE9", 4},
        {substr, "abc", "b", 1}, {substr, "abc", "x", -1}, {substrnull, "abc", "x", {}}, {substrnull, "abc", "c", 2},
        {strsub, "b", "abc", 1}, {strsubnull, "q", "abc", {}}, {stringcount, "aaaa", "aa", 2},
        {stringcount, "abababab", "abab", 2}, {stringcount, "", "a", {}}, {stringcount, "a", "", {}},
        {r_stringcount, "aa", "aaaa", 2}, {r_stringcount, "x", "abc", 0}};
    for (const auto& [fn, a, b, want] : cases) EXPECT_EQ(value(fn(a, b)), want) << a << " / " << b;
}

// The linear matcher must agree with a plain search on texts full of partial matches.
TEST(Search, FinderAgreesWithPlainSearch) {
    std::mt19937 rng(7);
    for (int round = 0; round < 3000; ++round) {
        std::string hay(rng() % 200, 'a'), needle(1 + rng() % (round % 3 == 0 ? 90 : 6), 'a');
        for (auto& c : hay) c = "abA"[rng() % 3];
        for (auto& c : needle) c = "abA"[rng() % 3];
        const bool nocase = round % 2 == 1;
        auto fold = [&](std::string t) {
            for (auto& c : t) c = nocase && c == 'a' ? 'A' : c;
            return t;
        };
        const std::size_t from = rng() % 20;
        EXPECT_EQ(string::Finder(needle, nocase).find(hay, from), from > hay.size() ? std::string::npos : fold(hay).find(fold(needle), from))
            << hay << " / " << needle << " / " << nocase;
    }
    EXPECT_EQ(string::Finder("\xC4" "b", true).find("x\xE4" "B"), 1u);
}

TEST(Words, FindCountAndPick) {
    // findword, findnthword: blanks alone separate words.
    const std::tuple<char* (*)(S, Int), S, int32_t, Opt> picks[] = {{findword, "  ab cd", 0, "ab"}, {findword, "ab cd", 1, "b"},
        {findword, "ab   ", 2, ""}, {findword, "ab", 2, {}}, {findword, "ab", -1, {}}, {findword, "a\tb c", 0, "a\tb"},
        {findnthword, "ab  cd ef", 1, "cd"}, {findnthword, "ab  cd ef", 2, "ef"}, {findnthword, "ab cd", 2, {}},
        {findnthword, "ab cd ", 2, {}}, {findnthword, "  ab", 0, "ab"}, {findnthword, "ab cd", -3, "ab"},
        {findnthword, " ab", -1, {}}, {findnthword, "ab", kMax, {}}};
    for (const auto& [fn, s, n, want] : picks) EXPECT_EQ(text(fn(s, I(n))), want) << s << " " << n;
    // An apostrophe starts a word after a byte that is not white space, never at the start itself;
    // a start before the text scans from its beginning.
    const std::tuple<S, int32_t, int32_t> starts[] = {{"  --ab", 0, 4}, {"...", 0, -1}, {"x'y", 1, 2}, {"x 'y", 2, 3},
        {"'y", 0, 1}, {"ab", 5, -1}, {"--a", -5, 2}, {"'a", kMin, 1}, {"  ", -1, -1}, {"-'y", 0, 1},
        {"- 'y", 0, 3}};
    for (const auto& [s, start, want] : starts) {
        EXPECT_EQ(value(findwordindex(s, I(start))), want) << s << " " << start;
        EXPECT_EQ(value(findwordindexnull(s, I(start))), want < 0 ? std::nullopt : std::optional(want));
    }
    EXPECT_EQ(value(wordcount("a\tb\nc")), 3);
    EXPECT_EQ(value(wordcount("  ")), 0);
    EXPECT_EQ(value(wordcount("a\xA0" "b")), 1);  // no-break space is not white space
    const std::tuple<S, S, int32_t, int32_t> fields[] = {{"a,,b", ",", 1, 3}, {"a,,b", ",", 0, 2}, {"", ",", 1, 1},
        {"", ",", 0, 0}, {"a b;c", " ;", 0, 3}, {"abc", "", 1, 1}};
    for (const auto& [s, seps, mode, want] : fields) EXPECT_EQ(value(r_wordcount(s, seps, I(mode))), want) << s << mode;
    const std::tuple<S, int32_t, int32_t, S> nums[] = {{"a,,b", 2, 0, "b"}, {"a,,b", 2, 1, ""}, {"a,,b", 3, 1, "b"},
        {"", 1, 0, ""}, {",,a,b", 1, 0, "a"}, {",a", 1, 1, ""}, {"a,b", 0, 0, ""}, {"a,b", -2, 1, ""}, {"a,b", 9, 0, ""},
        {"one two;three", 3, 0, "three"}, {"a,,", 2, 0, ""}};
    for (const auto& [s, n, mode, want] : nums) EXPECT_EQ(text(wordnum(s, I(n), ",; ", I(mode))), want) << s << " " << n;
    const char* list = "\"name=Max\"\"city=Ulm\"";
    EXPECT_EQ(text(stringlistitem(list, "city")), "city=Ulm");
    EXPECT_EQ(text(stringlistitem(list, "ulm")), std::nullopt);
    EXPECT_EQ(text(stringlistitem("\"a=1", "a")), "a=1");  // runs to the end without a quote
    EXPECT_EQ(text(stringlistitem("\"=x\"", "")), "=x");
}

TEST(Replace, EveryOrFirstOccurrenceWithOptionalCase) {
    EXPECT_EQ(text(replace("aXbXc", "X", "--")), "a--b--c");
    EXPECT_EQ(text(replace("aaa", "aa", "b")), "ba");
    EXPECT_EQ(text(replace("abc", "b", "bb")), "abbc");  // a replacement is not searched again
    EXPECT_EQ(text(replace("abc", "", "z")), "abc");     // empty find: text unchanged
    const std::tuple<S, S, int32_t, int32_t, S> cases[] = {{"aXbXc", "x", 0, 1, "a-bXc"},
        {"aXbXc", "x", 1, 1, "a-b-c"}, {"aXbXc", "x", 1, 0, "aXbXc"}, {"\xC4 \xE4", "\xE4", 1, 1, "- -"}, {"abc", "", 1, 0, ""}};
    for (const auto& [s, find, all, nocase, want] : cases) {
        EXPECT_EQ(text(replacestring(s, find, "-", I(all), I(nocase))), want) << s << all << nocase;
        // From SQL the engine always answers in a result block, whatever the memory selector.
        EXPECT_EQ(text(intern_replacestring(s, find, "-", I(all), I(nocase), I(0))), want);
    }
    EXPECT_EQ(text(replacestring("abc", "b", "z", nullptr, I(0))), std::nullopt);
    const std::string s(40000, 'a');  // long results are cut at the block
    EXPECT_EQ(text(replace(s.c_str(), "a", "xyz"))->substr(32760), "xyzxyzx");
    EXPECT_EQ(text(replacestring(s.c_str(), "A", "0123456789", I(1), I(1)))->size(), frame::kTextCapacity);
    // The heap form holds the whole result, however long, in memory of its exact size.
    EXPECT_EQ(string::replaced_length("aXbxc", "x", "--", false, true), 6u);
    const std::pair<char*, std::string> heap[] = {{string::replace_to_heap(s, "a", "bc", true, false), rep("bc", 40000)},
        {string::replace_to_heap("abcd", "xy", "", true, false), "abcd"}, {string::replace_to_heap("abc", "", "z", true, false), ""}};
    for (const auto& [r, want] : heap) {
        EXPECT_EQ(r ? std::string(r) : "NULL", want);
        std::free(r);
    }
    EXPECT_EQ(text(digits("tel. 0711/123")), "0711123");
    EXPECT_EQ(text(stripstring("a-b-c", "-")), "abc");
    EXPECT_EQ(text(stripstring("abc", "")), "abc");
    EXPECT_EQ(text(stripstringhold("abc", "")), "");
    EXPECT_EQ(text(stripstringhold("a\xE9" "b\xE9", "\xE9")), "\xE9\xE9");
}

TEST(Compare, AgreeWithTheCLibrary) {
    // Byte order as strcmp gives it (unsigned bytes); numbers as strtod reads them, in single precision.
    S bytes[] = {"", "a", "a ", "ab", "abc", "b", "10", "9", "\xE9", "z"};
    S numbers[] = {"10", "9", "1", "1.00000001", "1.0001", "  +2.5e1xyz", "25", "abc", "0", "--5", "0x1A",
        "26", "0x", "-inf", "-1e38", "1e39", "infinity", "1e999", "-1e-999", "3.4028235e38", "nan", "2", "1.5"};
    const char* ops[] = {"=", "<>", "<", ">", "<=", ">="};
    auto truth = [](auto x, auto y) { return std::array<bool, 6>{x == y, x != y, x < y, x > y, x <= y, x >= y}; };
    for (S a : bytes)
        for (S b : bytes) {
            const int c = std::strcmp(a, b);
            EXPECT_EQ(value(r_strcmp(a, b)), (c > 0) - (c < 0)) << a << " " << b;
            EXPECT_EQ(value(equalstring(a, b)), c == 0);
            for (int op = 0; op < 6; ++op) EXPECT_EQ(text(aif(a, ops[op], b, "T", "F")), truth(c, 0)[op] ? "T" : "F");
        }
    for (S a : numbers)
        for (S b : numbers) {  // a NaN is unordered: only "n<>" holds
            const auto want = truth(static_cast<float>(std::strtod(a, nullptr)), static_cast<float>(std::strtod(b, nullptr)));
            for (int op = 0; op < 6; ++op)
                EXPECT_EQ(text(aif(a, (std::string("n") + ops[op]).c_str(), b, "T", "F")), want[op] ? "T" : "F") << a << ops[op] << b;
        }
    for (const char* op : {"!=", "==", "", "= ", "N=", "n!", "n"}) EXPECT_EQ(text(aif("1", op, "1", "T", "F")), "F") << op;
}

}  // namespace
}  // namespace brindle::test
