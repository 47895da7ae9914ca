#include <cmath>

#include "numeric/exact.h"

namespace {

using namespace brindle::test;

std::string words(double v, int32_t decimals, const char* code) { return txt(numinwords(&v, &decimals, code)); }

TEST(Numinwords, SpelledDigitByDigitInFrames) {
    const struct { double v; int32_t d; const char *code, *want; } cases[] = {
        {12.5, 1, "de", "***eins-zwei-Komma-f\xFCnf***"}, {12.5, 0, "uk", "***one-two***"},
        {0.25, 2, "fr", "***z\xE9ro-virgule-deux-cinq***"}, {3.5, 1, "nl", "***drie-,-vijf***"},
        {1, 11, "uk", "***one-dot-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero***"},
        {0, 0, "uk", "***zero***"}, {7.25, -3, "uk", "***seven***"}, {1, 0, "US", "***one***"},
        {2.999, 2, "uk", "***two-dot-nine-nine***"},  // cut, not rounded
        {2.99999999999, 2, "uk", "***three-dot-zero-zero***"},  // but first rounded to ten decimals
        {6, 0, "b1", "***c\x92hwec\x92h***"}, {1, 0, "xx", "???"},
        {9876543210, 0, "w2", "***no\xFBv-\xFBt-set-sh\xEEjh-c\xE9nk-cwate-troes-deus-onk-z\xE9r\xF4***"},
        // Every digit is spoken by its own word in "lu" too, zero as "null".
        {1234567890, 0, "lu", "***eent-zwee-dr\xE4i-v\xE9ier-f\xEBnnef-sechs-siwen-aacht-n\xE9ng-null***"},
        // A minus sign is spoken as a leading hyphen, unless every digit spoken is zero.
        {-12.5, 1, "uk", "***-one-two-dot-five***"}, {-0.05, 1, "uk", "***zero-dot-zero***"},
        {-0.05, 2, "uk", "***-zero-dot-zero-five***"},
        {1e20, 0, "uk", "***one-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-zero-"
                        "zero-zero-zero***"}};  // beyond 31 characters every digit is still spoken
    for (const auto& c : cases) EXPECT_EQ(words(c.v, c.d, c.code), c.want);
    EXPECT_EQ(words(1, INT32_MAX, "uk"), words(1, 10, "uk"));
    const std::string huge = words(-std::numeric_limits<double>::max(), 10, "fi");
    EXPECT_EQ(huge.substr(0, 14), "***-yksi-seits");
    EXPECT_EQ(huge.substr(huge.size() - 9), "-nolla***");
    reset_blocks();  // a value without digits gives null, as does a null argument
    for (double v : {std::nan(""), kInf, -kInf}) EXPECT_EQ(words(v, 2, "uk"), "<null>");
    EXPECT_EQ(numinwords(D(1), I(1), nullptr), nullptr);
    EXPECT_EQ(stats().count, 0);
}

}  // namespace
