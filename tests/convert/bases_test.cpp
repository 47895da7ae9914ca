#include "numeric/exact.h"


namespace {

using namespace brindle::test;
const char* const kHex = "0123456789ABCDEF";

TEST(Constants, StoredDigitsByValue) {
    EXPECT_TRUE(Exact(pi(), 3.141592654) && Exact(euler(), 2.718281828) && Exact(g(), 9.80665) && Exact(k(), -273.15));
    EXPECT_EQ(c(), 299792458);
}

TEST(Bases, EveryByteCountsNegativesWrapAndBadBasesGiveNull) {
    const struct { const char* text; int32_t base; const char* alphabet; int32_t want; } cases[] = {
        {"FF", 16, kHex, 255}, {"", 16, kHex, 0}, {"2", 2, "012", 2}, {"x", 10, "0123", 4}, {"aa", 10, "aba", 0},
        {"FFFFFFFF", 16, kHex, -1}, {"100000000", 16, kHex, 0}, {"\xE9\xE9", 256, "\x01\xE9", 257}};
    for (const auto& c : cases) EXPECT_EQ(iv(convertfrombase(c.text, I(c.base), c.alphabet)), c.want) << c.text;
    for (auto [text, want] : {std::pair{"21", 33}, {"Z", 33}, {"0", 34}, {"a", 34}, {"1", 0}})
        EXPECT_EQ(iv(convertfrom33(text)), want) << text;
    EXPECT_EQ(txt(converttobase(I(255), I(16), kHex)), "FF");
    EXPECT_EQ(txt(converttobase(I(0), I(2), "01")), "0");
    for (auto [v, want] : {std::pair{0, "1"}, {32, "Y"}, {33, "21"}}) EXPECT_EQ(txt(convertto33(I(v))), want);
    // Negative values are written as their unsigned 32-bit pattern and read back by the wrapping sum.
    EXPECT_EQ(txt(converttobase(I(INT32_MIN), I(2), "01")), "1" + std::string(31, '0'));
    for (int32_t v : {-1, -33, INT32_MIN, INT32_MAX, 33, 123456789})
        EXPECT_EQ(iv(convertfrom33(txt(convertto33(I(v))).c_str())), v);
    reset_blocks();  // bases outside 2 to the length of the alphabet: null
    for (int32_t base : {0, 1, -2, 3}) EXPECT_EQ(converttobase(I(5), I(base), "01"), nullptr) << base;
    EXPECT_EQ(converttobase(I(5), I(2), ""), nullptr);
    EXPECT_EQ(stats().count, 0);
}

TEST(Hex, ZeroPaddingAndEveryByteShifting) {
    for (auto [v, w, want] : {std::tuple{255, 0, "ff"}, {255, 4, "00ff"}, {255, -4, "ff00"}, {255, 1, "ff"},
                              {-1, 10, "00ffffffff"}, {INT32_MIN, 0, "80000000"}, {0, 0, "0"}})
        EXPECT_EQ(txt(inttohex(I(v), I(w))), want);
    // Widths beyond the block pad up to it and keep every digit.
    for (int32_t w : {32767, 40000, INT32_MAX, -40000, INT32_MIN}) {
        const std::string t = txt(inttohex(I(255), I(w)));
        EXPECT_EQ(t.size(), 32767u);
        EXPECT_EQ(w > 0 ? t.find_first_not_of('0') : t.find_last_not_of('0'), w > 0 ? 32765u : 1u) << w;
    }
    for (auto [text, want] : {std::pair{"ff", 255}, {"FF", 255}, {"", 0}, {"1 2", 258}, {"0x1F", 8479}, {"g", 16},
                              {"Z", 35}, {"\xE9", 0}, {"123456789", 0x23456789}, {"zzzzzzzzz", 0x55555553}})
        EXPECT_EQ(iv(hextoint(text)), want) << text;
}

TEST(Roman, ReadingAndWriting) {
    for (auto [text, want] : {std::pair{"XIV", 14}, {"MCMXCIX", 1999}, {"IM", 999}, {"IIV", 5}, {"iv", 4}, {"", 0},
                              {"XIV ", -1}, {"\xCC", -1}})
        EXPECT_EQ(iv(roman2arabic(text)), want) << text;
    EXPECT_EQ(iv(roman2arabic(std::string(32767, 'M').c_str())), 32767000);
    EXPECT_EQ(txt(arabic2roman(I(3999))), "MMMCMXCIX");
    EXPECT_EQ(txt(arabic2roman(I(200000))), std::string(200, 'M'));
    for (int32_t out : {200001, 0, INT32_MIN}) EXPECT_EQ(txt(arabic2roman(I(out))), "") << out;
    for (int32_t v = 1; v <= 5000; ++v) ASSERT_EQ(iv(roman2arabic(txt(arabic2roman(I(v))).c_str())), v) << v;
}

}  // namespace
