#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "frame/block.h"
#include "string/replace.h"
#include "support/blocks.h"

extern "C" {
char* replace(const char*, const char*, const char*);
char* replacestring(const char*, const char*, const char*, const int32_t*, const int32_t*);
char* intern_replacestring(const char*, const char*, const char*, const int32_t*, const int32_t*, const int32_t*);
char* stripstring(const char*, const char*);
char* stripstringhold(const char*, const char*);
char* digits(const char*);
}

namespace brindle {
namespace {

using test::text;
const int32_t kZero = 0, kOne = 1;

TEST(Replace, EveryOccurrenceLeftToRight) {
    EXPECT_EQ(text(replace("aXbXc", "X", "--")), "a--b--c");
    EXPECT_EQ(text(replace("aaa", "aa", "b")), "ba");
    EXPECT_EQ(text(replace("abc", "b", "bb")), "abbc");  // a replacement is not searched again
    EXPECT_EQ(text(replace("abc", "abc", "")), "");
    EXPECT_EQ(text(replace("abc", "", "z")), "abc");     // empty find: text unchanged
    EXPECT_EQ(text(replace(nullptr, "a", "b")), std::nullopt);
}

TEST(Replace, FirstOrAllWithOptionalCase) {
    EXPECT_EQ(text(replacestring("aXbXc", "x", "-", &kZero, &kOne)), "a-bXc");
    EXPECT_EQ(text(replacestring("aXbXc", "x", "-", &kOne, &kOne)), "a-b-c");
    EXPECT_EQ(text(replacestring("aXbXc", "x", "-", &kOne, &kZero)), "aXbXc");
    EXPECT_EQ(text(replacestring("\xC4pfel \xE4pfel", "\xE4pfel", "Birnen", &kOne, &kOne)), "Birnen Birnen");
    EXPECT_EQ(text(replacestring("abc", "", "z", &kOne, &kZero)), "");
    EXPECT_EQ(text(replacestring("abc", "b", "z", nullptr, &kZero)), std::nullopt);
    // From SQL the engine always answers in a result block, whatever the memory selector.
    EXPECT_EQ(text(intern_replacestring("abc", "B", "x", &kOne, &kOne, &kOne)), "axc");
    EXPECT_EQ(text(intern_replacestring("abc", "B", "x", &kOne, &kOne, &kZero)), "axc");
    EXPECT_EQ(text(intern_replacestring("abc", "b", "x", &kOne, &kOne, nullptr)), std::nullopt);
}

TEST(Replace, LongResultsAreCutAtTheBlock) {
    const std::string s(20000, 'a');
    auto r = text(replace(s.c_str(), "a", "xyz"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->size(), frame::kTextCapacity);
    EXPECT_EQ(r->substr(0, 6), "xyzxyz");
    r = text(replacestring(s.c_str(), "A", "0123456789", &kOne, &kOne));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->size(), frame::kTextCapacity);
}

// The heap form holds the whole result, however long, in memory of its exact size.
TEST(Replace, HeapFormHoldsTheWholeResult) {
    const std::string s(40000, 'a');
    char* r = string::replace_to_heap(s, "a", "bc", true, false);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(std::strlen(r), 80000u);
    std::free(r);
    // A find longer than one byte that never matches: the text comes back whole.
    r = string::replace_to_heap("abcd", "xy", "", true, false);
    ASSERT_NE(r, nullptr);
    EXPECT_STREQ(r, "abcd");
    std::free(r);
    EXPECT_EQ(string::replaced_length("aXbxc", "x", "--", false, true), 6u);
    r = string::replace_to_heap("abc", "", "z", true, false);
    ASSERT_NE(r, nullptr);
    EXPECT_STREQ(r, "");
    std::free(r);
}

TEST(Filter, StripAndHold) {
    EXPECT_EQ(text(digits("tel. 0711/123")), "0711123");
    EXPECT_EQ(text(stripstring("a-b-c", "-")), "abc");
    EXPECT_EQ(text(stripstring("abc", "")), "abc");
    EXPECT_EQ(text(stripstringhold("abc", "")), "");
    EXPECT_EQ(text(stripstringhold("a\xE9" "b\xE9", "\xE9")), "\xE9\xE9");
}

}  // namespace
}  // namespace brindle
