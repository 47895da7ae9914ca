#include "string/string_tests.h"

namespace brindle::test {
namespace {

TEST(Case, Latin1AndWindows1251) {
    EXPECT_EQ(text(upper("stra\xDF" "e")), "STRA\xDF" "E");
    EXPECT_EQ(text(lower("\xC0\xD0")), "\xE0\xD0");
    EXPECT_EQ(text(upper("\xE9\xF7\xFF")), "\xC9\xF7\xFF");
    EXPECT_EQ(text(rupper("\xB8\xE6" "ab")), "\xA8\xC6" "AB");  // yo, zhe
    EXPECT_EQ(text(rlower("\xA8\xC6" "AB")), "\xB8\xE6" "ab");
    EXPECT_EQ(text(rupper("\xBA\xBF\xB3\xA2\xB4")), "\xAA\xAF\xB2\xA2\xB4");  // u short, ghe unmapped
    // rlower undoes rupper on every byte it changes.
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string up = *text(rupper(all.c_str())), down = *text(rlower(all.c_str()));
    for (int b = 1; b < 256; ++b)
        EXPECT_TRUE(up[b - 1] == all[b - 1] || down[static_cast<unsigned char>(up[b - 1]) - 1] == all[b - 1]) << b;
    EXPECT_EQ(text(rlatin("\xC6\xF3\xEA")), "Juk");
    EXPECT_EQ(text(rlatin("\xD5\xD6\xD7\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF")), "HCCSS_I_EUJ");
    EXPECT_EQ(text(rlatin("\xA8\xAA\xAF\xB2\xB3\xB8\xBA\xBF" "abc")), "EEIIieeiabc");
}

TEST(Case, WordsKeysAndSubstitution) {
    const std::pair<S, S> proper[] = {{"hello WORLD", "Hello World"}, {"a.b", "A.B"},
        {"o'neil-SMITH", "O'Neil-Smith"}, {"\xE9lan", "\xC9lan"}, {"3RD", "3rd"}, {"x\xA0y", "X\xA0Y"}};
    for (const auto& [in, want] : proper) EXPECT_EQ(text(propercase(in)), want) << in;
    EXPECT_EQ(text(collatebr("a\xE7\xE3o")), "aCAo");
    EXPECT_EQ(text(collatebr("\xC6\xD0\xD7\xD8\xDE\xDF\xE6\xF0\xF7\xF8\xFE\xFD\xFF")),
              "\xC6\xD0\xD7\xD8\xDE\xDF\xE6\xF0\xF7\xF8\xFE" "YY");
    struct { const char* s; int32_t n; const char* want; } keys[] = {{"M\xFCller-L\xFC" "denscheidt", 10, "MULLERLUDE"},
        {"Stra\xDF" "e", 20, "STRASSE"}, {"\xC6r\xF8", 2, "AE"}, {"\xC6r\xF8", 3, "AER"}, {"\xDF", 3, "SS"},
        {"a\xDF", 2, "AS"}, {"\xF6\xFF\xDE\xD7 x", 10, "OX"}, {"abc", 0, ""}, {"abc", -4, ""}};
    for (const auto& k : keys) EXPECT_EQ(text(keyup(k.s, I(k.n))), k.want) << k.s << " " << k.n;
    EXPECT_EQ(text(convertsymbols("abc", "ab", "x")), std::nullopt);
    EXPECT_EQ(text(convertsymbols("abc", "ab", "xyz")), "xyc");
    EXPECT_EQ(text(convertsymbols("aaa", "aa", "xy")), "xxx");  // first occurrence in from
    EXPECT_EQ(text(convertsymbols("abc", "", "")), "abc");
    EXPECT_EQ(text(rot13("Hello, World")), "Uryyb, Jbeyq");
    EXPECT_EQ(text(rot13("azAZ\xE9")), "nmNM\xE9");
}

TEST(Phonetic, SoundexAndGermanCodes) {
    // The leading byte is upper-cased in ASCII only and counts as the last byte written.
    const std::pair<S, S> soundex_codes[] = {{"Robert", "R1630"}, {"Tymczak", "T5200"},
        {"Pfister", "P1236"}, {"", " 0000"}, {"a", "A0000"}, {"Ashcraft", "A2613"}, {"\xE9t\xE9", "\xE9" "3000"},
        {"1bfp", "10000"}, {"Bbbbcdlmr", "B1234"}};
    for (const auto& [in, want] : soundex_codes) EXPECT_EQ(text(soundex(in)), want) << in;
    const std::pair<S, S> german[] = {{"Meier", "MAYR"}, {"Mayer", "MAYR"}, {"Maier", "MAYR"},
        {"Schmidt", "CMYD"}, {"Schmitt", "CMYD"}, {"M\xFCller", "MYLR"}, {"Mueller", "MYLR"}, {"", ""}, {"123 -", ""},
        {"Quast", "CVASD"}, {"Haus", "AUS"}, {"G\xF6the", "C\xD6" "D"}, {"Goethe", "C\xD6" "D"}, {"Stra\xDF" "e", "SDR"},
        {"Philipp", "VYLYB"}, {"s", "S"}};
    for (const auto& [in, want] : german) EXPECT_EQ(text(gsoundex(in)), want) << in;
}

}  // namespace
}  // namespace brindle::test
