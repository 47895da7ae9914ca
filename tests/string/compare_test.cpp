#include <gtest/gtest.h>

#include <cstdint>

#include "support/blocks.h"

extern "C" {
int32_t* equalstring(const char*, const char*);
int32_t* r_strcmp(const char*, const char*);
char* aif(const char*, const char*, const char*, const char*, const char*);
}

namespace brindle {
namespace {

using test::text;
using test::value;

TEST(Compare, EqualityAndOrder) {
    EXPECT_EQ(value(equalstring("a", "a")), 1);
    EXPECT_EQ(value(equalstring("a", "a ")), 0);
    EXPECT_EQ(value(r_strcmp("a", "b")), -1);
    EXPECT_EQ(value(r_strcmp("b", "a")), 1);
    EXPECT_EQ(value(r_strcmp("", "")), 0);
    EXPECT_EQ(value(r_strcmp("\xE9", "z")), 1);  // bytes compare unsigned
    EXPECT_EQ(value(r_strcmp("ab", "abc")), -1);
}

bool holds(const char* a, const char* op, const char* b) {
    return *text(aif(a, op, b, "T", "F")) == "T";
}

TEST(Aif, ByteComparison) {
    EXPECT_EQ(text(aif("10", ">", "9", "yes", "no")), "no");
    EXPECT_EQ(text(aif("a", "!=", "b", "x", "y")), "y");
    EXPECT_TRUE(holds("a", "<>", "b"));
    EXPECT_TRUE(holds("a", "<=", "a"));
    EXPECT_TRUE(holds("b", ">=", "a"));
    EXPECT_FALSE(holds("a", "==", "a"));
    EXPECT_FALSE(holds("a", "", "a"));
    EXPECT_FALSE(holds("a", "= ", "a"));
    EXPECT_FALSE(holds("1", "N=", "1"));  // an upper-case N is no numeric operator
}

TEST(Aif, NumericComparisonInSinglePrecision) {
    EXPECT_EQ(text(aif("10", "n>", "9", "yes", "no")), "yes");
    EXPECT_EQ(text(aif("1", "n=", "1.00000001", "eq", "ne")), "eq");
    EXPECT_FALSE(holds("1", "n=", "1.0001"));
    EXPECT_TRUE(holds("  +2.5e1xyz", "n=", "25"));   // white space, sign, stops at junk
    EXPECT_TRUE(holds("abc", "n=", "0"));            // no number gives 0
    EXPECT_TRUE(holds("--5", "n=", "0"));
    EXPECT_TRUE(holds("0x1A", "n=", "26"));          // hexadecimal as the C library reads it
    EXPECT_TRUE(holds("0x", "n=", "0"));
    EXPECT_TRUE(holds("-inf", "n<", "-1e38"));
    EXPECT_TRUE(holds("1e39", "n=", "infinity"));    // beyond single precision
    EXPECT_TRUE(holds("1e999", "n=", "inf"));
    EXPECT_TRUE(holds("-1e-999", "n=", "0"));
    EXPECT_TRUE(holds("3.4028235e38", "n<", "inf"));
    EXPECT_TRUE(holds("nan", "n<>", "nan"));
    EXPECT_FALSE(holds("nan", "n=", "nan"));
    EXPECT_TRUE(holds("2", "n<=", "2"));
    EXPECT_TRUE(holds("2", "n>=", "1.5"));
    EXPECT_FALSE(holds("2", "n!", "1"));
    EXPECT_FALSE(holds("2", "n", "2"));
}

}  // namespace
}  // namespace brindle
