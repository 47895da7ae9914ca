#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "frame/text.h"
#include "support/blocks.h"

extern "C" {
char* upper(const char*);
char* lower(const char*);
char* rupper(const char*);
char* rlower(const char*);
char* rlatin(const char*);
char* propercase(const char*);
char* collatebr(const char*);
char* keyup(const char*, const int32_t*);
char* convertsymbols(const char*, const char*, const char*);
char* rot13(const char*);
}

namespace brindle {
namespace {

using test::text;

std::string all_bytes() {
    std::string s;
    for (int b = 1; b < 256; ++b) s.push_back(static_cast<char>(b));
    return s;
}

TEST(Case, Latin1) {
    EXPECT_EQ(text(upper("stra\xDF" "e")), "STRA\xDF" "E");
    EXPECT_EQ(text(lower("\xC0\xD0")), "\xE0\xD0");
    EXPECT_EQ(text(upper("\xE9\xF7\xFF")), "\xC9\xF7\xFF");
    EXPECT_EQ(text(upper("")), "");
    EXPECT_EQ(text(upper(nullptr)), std::nullopt);
}

TEST(Case, Windows1251) {
    EXPECT_EQ(text(rupper("\xB8\xE6")), "\xA8\xC6");  // yo, zhe
    EXPECT_EQ(text(rlower("\xA8\xC6" "AB")), "\xB8\xE6" "ab");
    EXPECT_EQ(text(rupper("\xBA\xBF\xB3\xA2\xB4")), "\xAA\xAF\xB2\xA2\xB4");  // u short, ghe unmapped
    // rlower undoes rupper on every lower-case letter and back.
    const std::string all = all_bytes();
    const std::string up = *text(rupper(all.c_str()));
    const std::string down = *text(rlower(all.c_str()));
    for (int b = 1; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (up[b - 1] != c) {
            EXPECT_EQ(down[static_cast<unsigned char>(up[b - 1]) - 1], c) << b;
        }
    }
    EXPECT_EQ(text(rlatin("\xC6\xF3\xEA")), "Juk");
    EXPECT_EQ(text(rlatin("\xD5\xD6\xD7\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF")), "HCCSS_I_EUJ");
    EXPECT_EQ(text(rlatin("\xA8\xAA\xAF\xB2\xB3\xB8\xBA\xBF" "abc")), "EEIIieeiabc");
}

TEST(Case, ProperCase) {
    EXPECT_EQ(text(propercase("hello WORLD")), "Hello World");
    EXPECT_EQ(text(propercase("a.b")), "A.B");
    EXPECT_EQ(text(propercase("o'neil-SMITH")), "O'Neil-Smith");
    EXPECT_EQ(text(propercase("\xE9lan")), "\xC9lan");
    EXPECT_EQ(text(propercase("3RD")), "3rd");
    EXPECT_EQ(text(propercase("x\xA0y")), "X\xA0Y");  // 0x80-0xBF separate words
}

TEST(Case, CollateAndKeys) {
    EXPECT_EQ(text(collatebr("a\xE7\xE3o")), "aCAo");
    EXPECT_EQ(text(collatebr("\xC6\xD0\xD7\xD8\xDE\xDF\xE6\xF0\xF7\xF8\xFE\xFD\xFF")),
              "\xC6\xD0\xD7\xD8\xDE\xDF\xE6\xF0\xF7\xF8\xFE" "YY");
    const int32_t ten = 10, twenty = 20, two = 2, three = 3, zero = 0, neg = -4;
    EXPECT_EQ(text(keyup("M\xFCller-L\xFC" "denscheidt", &ten)), "MULLERLUDE");
    EXPECT_EQ(text(keyup("Stra\xDF" "e", &twenty)), "STRASSE");
    EXPECT_EQ(text(keyup("\xC6r\xF8", &two)), "AE");
    EXPECT_EQ(text(keyup("\xC6r\xF8", &three)), "AER");
    EXPECT_EQ(text(keyup("\xDF", &three)), "SS");
    EXPECT_EQ(text(keyup("a\xDF", &two)), "AS");  // no room for the second S
    EXPECT_EQ(text(keyup("\xF6\xFF\xDE\xD7 x", &ten)), "OX");
    EXPECT_EQ(text(keyup("abc", &zero)), "");
    EXPECT_EQ(text(keyup("abc", &neg)), "");
}

TEST(Case, ConvertSymbolsAndRot13) {
    EXPECT_EQ(text(convertsymbols("abc", "ab", "x")), std::nullopt);
    EXPECT_EQ(text(convertsymbols("abc", "ab", "xyz")), "xyc");
    EXPECT_EQ(text(convertsymbols("aaa", "aa", "xy")), "xxx");  // first occurrence in from
    EXPECT_EQ(text(convertsymbols("abc", "", "")), "abc");
    EXPECT_EQ(text(rot13("Hello, World")), "Uryyb, Jbeyq");
    EXPECT_EQ(text(rot13("azAZ\xE9")), "nmNM\xE9");
}

}  // namespace
}  // namespace brindle
