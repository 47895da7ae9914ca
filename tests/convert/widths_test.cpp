// The conversion texts at their worst cases, held against the widths their rows declare: every
// Roman numeral, the digits of the widest 32-bit patterns, and the hexadecimal padding, which
// only the capacity of the writer bounds.
#include "convert/units.h"
#include "numeric/widths.h"

namespace brindle::test {
namespace {

namespace r = brindle::routines;
using frame::TextOut;

const std::vector<std::string> kConvertEntries = {
#define BRINDLE_FN(sql, entry, ...) #entry,
#include "convert/convert_rows.h"
#undef BRINDLE_FN
};

constexpr int32_t kPatterns[] = {INT32_MIN, -1, 0, 1, INT32_MAX};

const WorstCase kCases[] = {
    {"converttobase", [](WidthProbe& p, std::size_t w) {
         const std::string alphabet = repeated("01", std::max<std::size_t>(w, 2));
         for (int32_t v : kPatterns)
             for (int32_t base : {2, 3, 16, 33, 36}) p([&](TextOut& o) { return r::converttobase(o, v, base, alphabet); });
     }},
    {"convertto33", [](WidthProbe& p, std::size_t) {
         for (int32_t v : kPatterns) p([&](TextOut& o) { return r::convertto33(o, v); });
     }},
    {"inttohex", [](WidthProbe& p, std::size_t) {
         for (int32_t v : kPatterns)
             for (int32_t width : {INT32_MIN, -40000, -9, 0, 9, 32767, 40000, INT32_MAX})
                 p([&](TextOut& o) { return r::inttohex(o, v, width); });
     }},
    {"arabic2roman", [](WidthProbe& p, std::size_t) {
         for (int32_t v = -1; v <= 200001; ++v) p([&](TextOut& o) { return r::arabic2roman(o, v); });
     }},
};

TEST(Widths, ConversionTextsStayWithinTheirRows) { expect_within_rows(kCases, kConvertEntries); }

// The bounds are reached: 32 binary digits of -1, 7 base-33 digits, 199 M and DCCCLXXXVIII.
TEST(Widths, ConversionTextsFillTheirWidths) {
    for (const WorstCase& c : kCases) {
        const auto most = rule_allows(declared_rows().at(c.entry).width, 0);
        if (!most) continue;
        WidthProbe p;
        c.run(p, 2);
        EXPECT_EQ(p.longest(), *most) << c.entry;
    }
}

}  // namespace
}  // namespace brindle::test
