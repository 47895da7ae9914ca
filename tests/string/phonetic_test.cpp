#include <gtest/gtest.h>

#include <string>

#include "support/blocks.h"

extern "C" {
char* soundex(const char*);
char* gsoundex(const char*);
}

namespace brindle {
namespace {

using test::text;

TEST(Soundex, Codes) {
    EXPECT_EQ(text(soundex("Robert")), "R1630");
    EXPECT_EQ(text(soundex("Rupert")), "R1630");
    EXPECT_EQ(text(soundex("Tymczak")), "T5200");
    EXPECT_EQ(text(soundex("Pfister")), "P1236");
    EXPECT_EQ(text(soundex("")), " 0000");
    EXPECT_EQ(text(soundex("a")), "A0000");
    EXPECT_EQ(text(soundex("Ashcraft")), "A2613");  // h does not separate the two 2s
    EXPECT_EQ(text(soundex("\xE9t\xE9")), "\xE9" "3000");  // only ASCII is upper-cased
    EXPECT_EQ(text(soundex("1bfp")), "10000");  // the leading byte counts as the last written
    EXPECT_EQ(text(soundex("Bbbbcdlmr")), "B1234");  // stops after four digits
}

TEST(GermanPhonetic, Codes) {
    EXPECT_EQ(text(gsoundex("Meier")), "MAYR");
    EXPECT_EQ(text(gsoundex("Mayer")), "MAYR");
    EXPECT_EQ(text(gsoundex("Maier")), "MAYR");
    EXPECT_EQ(text(gsoundex("Schmidt")), "CMYD");
    EXPECT_EQ(text(gsoundex("Schmitt")), "CMYD");
    EXPECT_EQ(text(gsoundex("M\xFCller")), "MYLR");
    EXPECT_EQ(text(gsoundex("Mueller")), "MYLR");
    EXPECT_EQ(text(gsoundex("")), "");
    EXPECT_EQ(text(gsoundex("123 -")), "");
    EXPECT_EQ(text(gsoundex("Quast")), "CVASD");      // QU -> KV, then K -> C, T -> D
    EXPECT_EQ(text(gsoundex("Haus")), "AUS");          // AU -> A@, @ -> U
    EXPECT_EQ(text(gsoundex("G\xF6the")), "C\xD6" "D"); // O with diaeresis is kept
    EXPECT_EQ(text(gsoundex("Goethe")), "C\xD6" "D");
    EXPECT_EQ(text(gsoundex("Stra\xDF" "e")), "SDR");  // sharp s is not a letter here
    EXPECT_EQ(text(gsoundex("Philipp")), "VYLYB");
    EXPECT_EQ(text(gsoundex("s")), "S");               // a last byte forms no pair
}

}  // namespace
}  // namespace brindle
