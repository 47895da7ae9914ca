#include <string>

#include "numeric/exact.h"

extern "C" {
double pi();
double euler();
int32_t c();
double g();
double k();
int32_t* convertfrombase(const char*, const int32_t*, const char*);
char* converttobase(const int32_t*, const int32_t*, const char*);
int32_t* convertfrom33(const char*);
char* convertto33(const int32_t*);
char* inttohex(const int32_t*, const int32_t*);
int32_t* hextoint(const char*);
int32_t* roman2arabic(const char*);
char* arabic2roman(const int32_t*);
}

namespace {

using namespace brindle::test;
const char* const kHex = "0123456789ABCDEF";

TEST(Constants, StoredDigitsByValue) {
    reset_blocks();
    EXPECT_TRUE(Exact(pi(), 3.141592654));
    EXPECT_TRUE(Exact(euler(), 2.718281828));
    EXPECT_EQ(c(), 299792458);
    EXPECT_TRUE(Exact(g(), 9.80665));
    EXPECT_TRUE(Exact(k(), -273.15));
    EXPECT_EQ(stats().count, 0);
}

TEST(Bases, FromBaseCountsEveryByte) {
    EXPECT_EQ(value(convertfrombase("FF", I(16), kHex)), 255);
    EXPECT_EQ(value(convertfrombase("", I(16), kHex)), 0);
    EXPECT_EQ(value(convertfrombase("1010", I(2), "01")), 10);
    EXPECT_EQ(value(convertfrombase("2", I(2), "012")), 2);   // beyond the base: its position
    EXPECT_EQ(value(convertfrombase("x", I(10), "0123")), 4);  // foreign: the alphabet's length
    EXPECT_EQ(value(convertfrombase("aa", I(10), "aba")), 0);  // first occurrence counts
    EXPECT_EQ(value(convertfrombase("FFFFFFFF", I(16), kHex)), -1);  // wraps in 32 bits
    EXPECT_EQ(value(convertfrombase("100000000", I(16), kHex)), 0);
    EXPECT_EQ(value(convertfrombase("\xE9\xE9", I(256), "\x01\xE9")), 257);
    EXPECT_EQ(value(convertfrom33("21")), 33);
    EXPECT_EQ(value(convertfrom33("Z")), 33);
    EXPECT_EQ(value(convertfrom33("0")), 34);
    EXPECT_EQ(value(convertfrom33("a")), 34);
    EXPECT_EQ(value(convertfrom33("1")), 0);
}

TEST(Bases, ToBase) {
    EXPECT_EQ(text(converttobase(I(255), I(16), kHex)), "FF");
    EXPECT_EQ(text(converttobase(I(10), I(2), "01")), "1010");
    EXPECT_EQ(text(converttobase(I(0), I(2), "01")), "0");
    EXPECT_EQ(text(converttobase(I(INT32_MAX), I(2), "01")), std::string(31, '1'));
    EXPECT_EQ(text(convertto33(I(33))), "21");
    EXPECT_EQ(text(convertto33(I(0))), "1");
    EXPECT_EQ(text(convertto33(I(32))), "Y");
    // Negative values are written as their unsigned 32-bit pattern and read back by the
    // wrapping sum.
    EXPECT_EQ(text(converttobase(I(-1), I(16), kHex)), "FFFFFFFF");
    EXPECT_EQ(text(converttobase(I(INT32_MIN), I(2), "01")), "1" + std::string(31, '0'));
    for (int32_t v : {-1, -33, INT32_MIN, INT32_MAX, 123456789}) {
        auto t = text(convertto33(I(v)));
        ASSERT_TRUE(t);
        EXPECT_EQ(value(convertfrom33(t->c_str())), v) << *t;
    }
}

TEST(Bases, BadBasesGiveNull) {
    reset_blocks();
    EXPECT_EQ(converttobase(I(5), I(0), "01"), nullptr);
    EXPECT_EQ(converttobase(I(5), I(1), "01"), nullptr);
    EXPECT_EQ(converttobase(I(5), I(-2), "01"), nullptr);
    EXPECT_EQ(converttobase(I(5), I(3), "01"), nullptr);  // more than the alphabet has
    EXPECT_EQ(converttobase(I(5), I(2), ""), nullptr);
    EXPECT_EQ(converttobase(nullptr, I(2), "01"), nullptr);
    EXPECT_EQ(convertfrombase("1", nullptr, "01"), nullptr);
    EXPECT_EQ(convertto33(nullptr), nullptr);
    EXPECT_EQ(stats().count, 0);
}

TEST(Hex, IntToHexPadsWithZeros) {
    EXPECT_EQ(text(inttohex(I(255), I(0))), "ff");
    EXPECT_EQ(text(inttohex(I(255), I(4))), "00ff");
    EXPECT_EQ(text(inttohex(I(255), I(-4))), "ff00");
    EXPECT_EQ(text(inttohex(I(255), I(1))), "ff");
    EXPECT_EQ(text(inttohex(I(-1), I(10))), "00ffffffff");
    EXPECT_EQ(text(inttohex(I(INT32_MIN), I(0))), "80000000");
    EXPECT_EQ(text(inttohex(I(0), I(0))), "0");
}

TEST(Hex, WidthsBeyondTheBlockKeepTheDigits) {
    for (int32_t w : {32767, 40000, INT32_MAX}) {
        auto t = text(inttohex(I(255), I(w)));
        ASSERT_TRUE(t);
        EXPECT_EQ(t->size(), 32767u);
        EXPECT_EQ(t->substr(t->size() - 3), "0ff");
        EXPECT_EQ(t->find_first_not_of('0'), 32765u);
    }
    for (int32_t w : {-40000, INT32_MIN}) {
        auto t = text(inttohex(I(255), I(w)));
        ASSERT_TRUE(t);
        EXPECT_EQ(t->size(), 32767u);
        EXPECT_EQ(t->substr(0, 3), "ff0");
    }
}

TEST(Hex, HexToIntShiftsForEveryByte) {
    EXPECT_EQ(value(hextoint("ff")), 255);
    EXPECT_EQ(value(hextoint("FF")), 255);
    EXPECT_EQ(value(hextoint("")), 0);
    EXPECT_EQ(value(hextoint("1 2")), 258);
    EXPECT_EQ(value(hextoint("0x1F")), 8479);
    EXPECT_EQ(value(hextoint("g")), 16);
    EXPECT_EQ(value(hextoint("Z")), 35);
    EXPECT_EQ(value(hextoint("\xE9")), 0);  // not an ASCII letter
    EXPECT_EQ(value(hextoint("ffffffff")), -1);
    EXPECT_EQ(value(hextoint("123456789")), 0x23456789);  // wraps
    EXPECT_EQ(value(hextoint("zzzzzzzzz")), 0x55555553);  // 35 per byte, spilling and wrapping
}

TEST(Roman, ReadingNumerals) {
    EXPECT_EQ(value(roman2arabic("XIV")), 14);
    EXPECT_EQ(value(roman2arabic("MCMXCIX")), 1999);
    EXPECT_EQ(value(roman2arabic("IM")), 999);
    EXPECT_EQ(value(roman2arabic("IIV")), 5);
    EXPECT_EQ(value(roman2arabic("iv")), 4);
    EXPECT_EQ(value(roman2arabic("")), 0);
    EXPECT_EQ(value(roman2arabic("XIV ")), -1);
    EXPECT_EQ(value(roman2arabic("\xCC")), -1);
    const std::string many(32767, 'M');
    EXPECT_EQ(value(roman2arabic(many.c_str())), 32767000);
}

TEST(Roman, WritingNumerals) {
    EXPECT_EQ(text(arabic2roman(I(3999))), "MMMCMXCIX");
    EXPECT_EQ(text(arabic2roman(I(4000))), "MMMM");
    EXPECT_EQ(text(arabic2roman(I(1444))), "MCDXLIV");
    EXPECT_EQ(text(arabic2roman(I(200000))), std::string(200, 'M'));
    EXPECT_EQ(text(arabic2roman(I(199999))), std::string(199, 'M') + "CMXCIX");
    EXPECT_EQ(text(arabic2roman(I(200001))), "");
    EXPECT_EQ(text(arabic2roman(I(0))), "");
    EXPECT_EQ(text(arabic2roman(I(INT32_MIN))), "");
    EXPECT_EQ(arabic2roman(nullptr), nullptr);
    for (int32_t v = 1; v <= 5000; ++v) {
        auto t = text(arabic2roman(I(v)));
        ASSERT_EQ(value(roman2arabic(t->c_str())), v) << *t;
    }
}

}  // namespace
