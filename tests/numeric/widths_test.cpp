// The numeric texts at their worst cases, held against the widths their rows declare: the
// longest doubles in every language, and the texts whose length a count or a separator argument
// decides, which only the capacity of the writer bounds.
#include <cfloat>
#include <cmath>
#include <cstring>

#include "numeric/language.h"
#include "numeric/number_words.h"
#include "numeric/widths.h"

namespace brindle::test {
namespace {

namespace r = brindle::routines;
using frame::TextOut;

const std::vector<std::string> kNumericEntries = {
#define BRINDLE_FN(sql, entry, ...) #entry,
#include "numeric/numeric_rows.h"
#undef BRINDLE_FN
};

// The longest texts: all 309 integer digits of the largest doubles, with a sign, digits
// below the point, the smallest values, and the values without digits.
constexpr double kDoubles[] = {-DBL_MAX, DBL_MAX, -4.4444444444444444e307, -0.4444444444444444, -5e-324,
                               -DBL_MIN, -0.0, INFINITY, -INFINITY, NAN};

const WorstCase kCases[] = {
    {"converttodollar", [](WidthProbe& p, std::size_t) {
         for (double x : kDoubles) p([&](TextOut& o) { return r::converttodollar(o, x); });
     }},
    {"fixedpoint", [](WidthProbe& p, std::size_t) {
         for (double x : kDoubles)
             for (int32_t d : {INT32_MIN, -1, 0, 2, 400, INT32_MAX}) p([&](TextOut& o) { return r::fixedpoint(o, x, d); });
     }},
    {"fixedpointlang", [](WidthProbe& p, std::size_t w) {
         const std::string sep = repeated("#", w);
         for (double x : kDoubles)
             for (int32_t d : {0, 2, 400, INT32_MAX}) p([&](TextOut& o) { return r::fixedpointlang(o, x, d, sep, sep); });
     }},
    {"numinwords", [](WidthProbe& p, std::size_t w) {
         for (std::size_t at = 0; at + 2 <= numeric::kLanguageCodes.size(); at += 3) {
             std::string code(numeric::kLanguageCodes.substr(at, 2));
             code += repeated("-", w);
             for (double x : kDoubles)
                 for (int32_t d : {0, 10, INT32_MAX}) p([&](TextOut& o) { return r::numinwords(o, x, d, code); });
         }
     }},
};

TEST(Widths, NumericTextsStayWithinTheirRows) { expect_within_rows(kCases, kNumericEntries); }

TEST(Widths, DollarTextOfTheLargestDoubleFillsItsWidth) {
    WidthProbe p;
    kCases[0].run(p, 0);
    EXPECT_EQ(rule_allows(declared_rows().at(kCases[0].entry).width, 0), p.longest());  // "$-179...0.00"
}

// No double spells longer than the words allow: a sign, 320 words (the 309 integer digits of
// the largest double, the point and 10 decimals) between 319 hyphens, and the frames.
TEST(Widths, NuminwordsBoundFromTheWordTable) {
    std::size_t most = 0;
    for (const auto& words : numeric::kNumberWords) {
        std::size_t digit = 0;
        for (int d = 0; d < 10; ++d) digit = std::max(digit, std::strlen(words[d]));
        most = std::max(most, 3 + 1 + 319 * digit + std::strlen(words[numeric::kPointWord]) + 319 + 3);
    }
    EXPECT_EQ(rule_allows(declared_rows().at("numinwords").width, 0), most);
    std::vector<char> buf(8192);  // the largest double: sign, 320 words, 319 hyphens between them
    TextOut o(buf.data(), buf.size());
    ASSERT_TRUE(r::numinwords(o, -DBL_MAX, 10, "uk"));
    EXPECT_EQ(std::count(o.data(), o.data() + o.size(), '-'), 320);
}

}  // namespace
}  // namespace brindle::test
