#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "string/search.h"
#include "support/blocks.h"

extern "C" {
int32_t* strpos(const char*, const char*);
int32_t* substr(const char*, const char*);
int32_t* substrnull(const char*, const char*);
int32_t* strsub(const char*, const char*);
int32_t* strsubnull(const char*, const char*);
int32_t* stringcount(const char*, const char*);
int32_t* r_stringcount(const char*, const char*);
char* findword(const char*, const int32_t*);
char* findnthword(const char*, const int32_t*);
int32_t* findwordindex(const char*, const int32_t*);
int32_t* findwordindexnull(const char*, const int32_t*);
int32_t* wordcount(const char*);
int32_t* r_wordcount(const char*, const char*, const int32_t*);
char* wordnum(const char*, const int32_t*, const char*, const int32_t*);
char* stringlistitem(const char*, const char*);
}

namespace brindle {
namespace {

using test::text;
using test::value;

const int32_t* I(int32_t v) {
    static thread_local int32_t slots[8];
    static thread_local int next = 0;
    int32_t* p = &slots[next++ % 8];
    *p = v;
    return p;
}

TEST(Search, PositionsAndAbsence) {
    EXPECT_EQ(value(strpos("b", "abc")), 2);
    EXPECT_EQ(value(strpos("", "abc")), 1);
    EXPECT_EQ(value(strpos("x", "abc")), 0);
    EXPECT_EQ(value(substr("abc", "b")), 1);
    EXPECT_EQ(value(substr("abc", "x")), -1);
    EXPECT_EQ(value(substrnull("abc", "x")), std::nullopt);
    EXPECT_EQ(value(substrnull("abc", "c")), 2);
    EXPECT_EQ(value(strsub("b", "abc")), 1);
    EXPECT_EQ(value(strsubnull("q", "abc")), std::nullopt);
    EXPECT_EQ(value(strpos("\xE9", "caf\xE9")), 4);
    EXPECT_EQ(value(strpos(nullptr, "abc")), std::nullopt);
}

TEST(Search, CountsNonOverlapping) {
    EXPECT_EQ(value(stringcount("aaaa", "aa")), 2);
    EXPECT_EQ(value(stringcount("aaaaa", "aa")), 2);
    EXPECT_EQ(value(stringcount("abababab", "abab")), 2);
    EXPECT_EQ(value(stringcount("", "a")), std::nullopt);
    EXPECT_EQ(value(stringcount("a", "")), std::nullopt);
    EXPECT_EQ(value(r_stringcount("aa", "aaaa")), 2);
    EXPECT_EQ(value(r_stringcount("x", "abc")), 0);
}

// The linear matcher must agree with a plain search on texts full of partial matches.
TEST(Search, FinderAgreesWithPlainSearch) {
    std::mt19937 rng(7);
    for (int round = 0; round < 3000; ++round) {
        std::string hay(rng() % 200, 'a'), needle(1 + rng() % (round % 3 == 0 ? 90 : 6), 'a');
        for (auto& c : hay) c = "abA"[rng() % 3];
        for (auto& c : needle) c = "abA"[rng() % 3];
        const bool nocase = round % 2 == 1;
        std::string fh = hay, fn = needle;
        if (nocase) {
            for (auto& c : fh) c = c == 'a' ? 'A' : c;
            for (auto& c : fn) c = c == 'a' ? 'A' : c;
        }
        const string::Finder f(needle, nocase);
        const std::size_t from = rng() % 20;
        EXPECT_EQ(f.find(hay, from), from > hay.size() ? std::string::npos : fh.find(fn, from))
            << hay << " / " << needle << " / " << nocase;
    }
    EXPECT_EQ(string::Finder("\xC4" "b", true).find("x\xE4" "B"), 1u);
}

TEST(Words, FindWord) {
    EXPECT_EQ(text(findword("  ab cd", I(0))), "ab");
    EXPECT_EQ(text(findword("ab cd", I(1))), "b");
    EXPECT_EQ(text(findword("ab   ", I(2))), "");
    EXPECT_EQ(text(findword("ab", I(2))), std::nullopt);
    EXPECT_EQ(text(findword("ab", I(-1))), std::nullopt);
    EXPECT_EQ(text(findword("a\tb c", I(0))), "a\tb");  // blanks only separate
}

TEST(Words, FindNthWord) {
    EXPECT_EQ(text(findnthword("ab  cd ef", I(1))), "cd");
    EXPECT_EQ(text(findnthword("ab  cd ef", I(2))), "ef");
    EXPECT_EQ(text(findnthword("ab cd", I(2))), std::nullopt);
    EXPECT_EQ(text(findnthword("ab cd ", I(2))), std::nullopt);
    EXPECT_EQ(text(findnthword("  ab", I(0))), "ab");
    EXPECT_EQ(text(findnthword("ab cd", I(-3))), "ab");
    EXPECT_EQ(text(findnthword(" ab", I(-1))), std::nullopt);
    EXPECT_EQ(text(findnthword("ab", I(INT32_MAX))), std::nullopt);
}

TEST(Words, FindWordIndex) {
    EXPECT_EQ(value(findwordindex("  --ab", I(0))), 4);
    EXPECT_EQ(value(findwordindex("...", I(0))), -1);
    EXPECT_EQ(value(findwordindexnull("...", I(0))), std::nullopt);
    EXPECT_EQ(value(findwordindex("x'y", I(1))), 2);   // apostrophe after a non-space byte
    EXPECT_EQ(value(findwordindex("x 'y", I(2))), 3);  // ... but not after a blank
    EXPECT_EQ(value(findwordindex("'y", I(0))), 1);    // nor at the start itself
    EXPECT_EQ(value(findwordindex("ab", I(5))), -1);
    // A start before the text scans from its beginning.
    EXPECT_EQ(value(findwordindex("--a", I(-5))), 2);
    EXPECT_EQ(value(findwordindex("'a", I(INT32_MIN))), 1);
    EXPECT_EQ(value(findwordindexnull("  ", I(-1))), std::nullopt);
}

TEST(Words, CountsWordsAndFields) {
    EXPECT_EQ(value(wordcount("a\tb\nc")), 3);
    EXPECT_EQ(value(wordcount("  ")), 0);
    EXPECT_EQ(value(wordcount("a\xA0" "b")), 1);  // no-break space is not white space
    EXPECT_EQ(value(r_wordcount("a,,b", ",", I(1))), 3);
    EXPECT_EQ(value(r_wordcount("a,,b", ",", I(0))), 2);
    EXPECT_EQ(value(r_wordcount("", ",", I(1))), 1);
    EXPECT_EQ(value(r_wordcount("", ",", I(0))), 0);
    EXPECT_EQ(value(r_wordcount("a b;c", " ;", I(0))), 3);
    EXPECT_EQ(value(r_wordcount("abc", "", I(1))), 1);
}

TEST(Words, WordNum) {
    EXPECT_EQ(text(wordnum("a,,b", I(2), ",", I(0))), "b");
    EXPECT_EQ(text(wordnum("a,,b", I(2), ",", I(1))), "");
    EXPECT_EQ(text(wordnum("a,,b", I(3), ",", I(1))), "b");
    EXPECT_EQ(text(wordnum("", I(1), ",", I(0))), "");
    EXPECT_EQ(text(wordnum(",,a,b", I(1), ",", I(0))), "a");
    EXPECT_EQ(text(wordnum(",a", I(1), ",", I(1))), "");
    EXPECT_EQ(text(wordnum("a,b", I(0), ",", I(0))), "");
    EXPECT_EQ(text(wordnum("a,b", I(-2), ",", I(1))), "");
    EXPECT_EQ(text(wordnum("a,b", I(9), ",", I(0))), "");
    EXPECT_EQ(text(wordnum("one two;three", I(3), " ;", I(0))), "three");
}

TEST(Words, StringListItem) {
    const char* list = "\"name=Max\"\"city=Ulm\"";
    EXPECT_EQ(text(stringlistitem(list, "city")), "city=Ulm");
    EXPECT_EQ(text(stringlistitem(list, "name")), "name=Max");
    EXPECT_EQ(text(stringlistitem(list, "ulm")), std::nullopt);
    EXPECT_EQ(text(stringlistitem("\"a=1", "a")), "a=1");  // runs to the end without a quote
    EXPECT_EQ(text(stringlistitem("\"=x\"", "")), "=x");
}

}  // namespace
}  // namespace brindle
