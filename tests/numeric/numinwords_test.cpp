#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "numeric/language.h"
#include "numeric/number_words.h"
#include "support/blocks.h"

extern "C" char* numinwords(const double* value, const int32_t* decimals, const char* code);

namespace brindle {
namespace {

using test::text;

std::optional<std::string> words(double v, int32_t decimals, const char* code) {
    return text(numinwords(&v, &decimals, code));
}

// A transcription of the number-word table in UTF-8: the code, the digit words 0 to 9 and the
// word for the point, separated by '|'.
const char* const kWords[] = {
    "uk|zero|one|two|three|four|five|six|seven|eight|nine|dot",
    "de|null|eins|zwei|drei|vier|fünf|sechs|sieben|acht|neun|Komma",
    "fr|zéro|un|deux|trois|quatre|cinq|six|sept|huit|neuf|virgule",
    "it|zero|uno|due|tre|quattro|cinque|sei|sette|otto|nove|virgola",
    "es|cero|uno|dos|tres|cuatro|cinco|seis|siete|ocho|nueve|coma",
    "pt|zero|um|duas|três|quatro|cinco|seis|sete|oito|nove|,",
    "nl|nul|een|twee|drie|vier|vijf|zes|zeven|acht|negen|,",
    "no|null|en|to|tre|fire|fem|seks|syv|åtte|ni|,",
    "se|noll|en|två|tre|fyra|fem|sex|sju|åtta|nio|,",
    "dk|nul|en|to|tre|fire|fem|seks|syv|otte|ni|,",
    "fi|nolla|yksi|kaksi|kolme|neljä|viisi|kuusi|seitsemän|kahdeksan|yhdeksän|,",
    "hu|nulla|egy|ketto~|három|négy|öt|hat|hét|nyolc|kilenc|,",
    "ie|náid|a haon|a dó|a trí|a ceathair|a cúig|a sé|a seacht|a hocht|a naoi|,",
    "ee|null|üks|kaks|kolm|neli|viis|kuus|seitse|kaheksa|üheksa|,",
    "is|núll|einn|tveir|þrír|fjórir|fimm|sex|sjö|átta|níu|,",
    "al|zero|një|dy|tre|katër|pesë|gjashtë|shtatë|tetë|nëntë|,",
    "va|NVLLVS|VNVS|DVO|TRES|QVATTVOR|QVINQVE|SEX|SEPTEM|OCTO|NOVEM|,",
    "v1|nullus|unus|duo|tres|quattuor|quinque|sex|septem|octo|novem|,",
    "c1|zero|un|dos|tres|quatre|cinc|sis|set|vuit|nou|,",
    "s1|nocht|ane|twa|three|fower|five|sax|sieven|aicht|nine|,",
    "s2|neoni|aon|dhà|trì|ceithir|còig|sia|seachd|ochd|naoi|,",
    "w1|dim|un|dau|tri|pedwar|pump|chwech|saith|wyth|naw|,",
    "b1|mann|unan|daou|tri|pevar|pemp|c’hwec’h|seizh|eizh|nav|,",
    "b2|zero|bat|bi|hiru|lau|bost|sei|zazpi|zortzi|bederatzi|,",
    "n1|null|ein|to|tri|fire|fem|seks|syv|åtte|ni|,",
    "za|nul|een|twee|drie|vier|vyf|ses|sewe|agt|nege|,",
    "fo|null|ein|tveir|tríggir|fýra|fimm|seks|sjey|átta|níggju|,",
    "lu|null|eent|zwee|dräi|véier|fënnef|sechs|siwen|aacht|néng|,",
    "w2|zérô|onk|deus|troes|cwate|cénk|shîjh|set|ût|noûv|,",
};

// UTF-8 (two-byte forms and U+2019) to Windows-1252.
std::string cp1252(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out.push_back(s[i]);
            ++i;
        } else if ((b & 0xE0) == 0xC0) {
            out.push_back(static_cast<char>(((b & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F)));
            i += 2;
        } else {
            EXPECT_EQ(s.substr(i, 3), "\xE2\x80\x99");
            out.push_back('\x92');
            i += 3;
        }
    }
    return out;
}

TEST(NumberWords, EveryEntryMatchesTheTranscription) {
    ASSERT_EQ(std::size(kWords), 29u);
    for (int row = 0; row < 29; ++row) {
        const std::string line = cp1252(kWords[row]);
        ASSERT_EQ(numeric::decode_language(line), row);
        std::size_t start = 3;
        for (int c = 0; c < 11; ++c) {
            const std::size_t bar = line.find('|', start);
            EXPECT_EQ(numeric::kNumberWords[row][c], line.substr(start, bar - start)) << row << " " << c;
            start = bar + 1;
        }
        EXPECT_EQ(start, 0u) << row;  // the last field ends the line
    }
}

TEST(Numinwords, Examples) {
    EXPECT_EQ(words(12.5, 1, "de"), "***eins-zwei-Komma-f\xFCnf***");
    EXPECT_EQ(words(12.5, 0, "uk"), "***one-two***");
    EXPECT_EQ(words(0.25, 2, "fr"), "***z\xE9ro-virgule-deux-cinq***");
    EXPECT_EQ(words(3.5, 1, "nl"), "***drie-,-vijf***");
    EXPECT_EQ(words(1, 11, "uk"), "***one-dot-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero***");
    EXPECT_EQ(words(1, 10, "uk"), words(1, 2147483647, "uk"));
    EXPECT_EQ(words(0, 0, "uk"), "***zero***");
    EXPECT_EQ(words(7.25, -3, "uk"), "***seven***");
    EXPECT_EQ(words(2.999, 2, "uk"), "***two-dot-nine-nine***");
    EXPECT_EQ(words(2.99999999999, 2, "uk"), "***three-dot-zero-zero***");
    EXPECT_EQ(words(1, 0, "US"), "***one***");
    EXPECT_EQ(words(1, 0, "Uk"), "***one***");
    EXPECT_EQ(words(6, 0, "b1"), "***c\x92hwec\x92h***");
    EXPECT_EQ(words(1234567890.5, 1, "lu"), "***eent-zwee-dr\xE4i-v\xE9ier-f\xEBnnef-sechs-siwen-aacht-n\xE9ng-null-,-f\xEBnnef***");
    EXPECT_EQ(words(1, 0, "xx"), "???");
    EXPECT_EQ(words(1, 0, "u"), "???");
}

TEST(Numinwords, SignsLargeValuesAndNulls) {
    EXPECT_EQ(words(-12.5, 1, "uk"), "***-one-two-dot-five***");
    EXPECT_EQ(words(-0.4, 0, "uk"), "***zero***");  // no minus before nothing but zeros
    EXPECT_EQ(words(-0.0, 1, "uk"), "***zero-dot-zero***");
    EXPECT_EQ(words(-0.05, 1, "uk"), "***zero-dot-zero***");
    EXPECT_EQ(words(-0.05, 2, "uk"), "***-zero-dot-zero-five***");
    // Beyond 31 formatted characters every digit is still spoken.
    EXPECT_EQ(words(1e20, 0, "uk"),
              "***one-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-"
              "zero-zero-zero***");
    const auto huge = words(-std::numeric_limits<double>::max(), 10, "fi");
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->substr(0, 14), "***-yksi-seits");
    EXPECT_EQ(huge->substr(huge->size() - 9), "-nolla***");
    test::reset_blocks();
    EXPECT_EQ(words(std::nan(""), 2, "uk"), std::nullopt);
    EXPECT_EQ(words(INFINITY, 2, "uk"), std::nullopt);
    EXPECT_EQ(words(-INFINITY, 2, "uk"), std::nullopt);
    const double v = 1;
    const int32_t d = 1;
    EXPECT_EQ(numinwords(nullptr, &d, "uk"), nullptr);
    EXPECT_EQ(numinwords(&v, nullptr, "uk"), nullptr);
    EXPECT_EQ(numinwords(&v, &d, nullptr), nullptr);
    EXPECT_EQ(test::stats().count, 0);
}

}  // namespace
}  // namespace brindle
