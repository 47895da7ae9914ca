#include <cmath>
#include <limits>
#include <string>

#include "numeric/exact.h"

extern "C" {
char* converttodollar(const double*);
char* fixedpoint(const double*, const int32_t*);
char* fixedpointlang(const double*, const int32_t*, const char*, const char*);
int32_t* f_round(const double*);
int32_t* f_truncate(const double*);
double* zahlrunden(const double*, const int32_t*);
double* roundtoeven(const double*, const int32_t*);
double* softround(const double*, const int32_t*);
double* roundfloat(const double*, const double*);
double* prozente(const double*, const double*);
double* doubleabs(const double*);
int32_t* integerabs(const int32_t*);
}

namespace {

using namespace brindle::test;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Money, DollarAndFixedPointFormatLikePrintf) {
    EXPECT_EQ(text(converttodollar(D(1234.5))), "$1234.50");
    EXPECT_EQ(text(converttodollar(D(2.675))), "$2.67");  // the double lies below 2.675
    EXPECT_EQ(text(converttodollar(D(0.125))), "$0.12");  // exact tie goes to even
    EXPECT_EQ(text(converttodollar(D(-0.005))), "$-0.01");
    EXPECT_EQ(text(converttodollar(D(1e20))), "$100000000000000000000.00");
    EXPECT_EQ(text(fixedpoint(D(3.14159), I(2))), "3.14");
    EXPECT_EQ(text(fixedpoint(D(2.5), I(0))), "2");
    EXPECT_EQ(text(fixedpoint(D(1.5), I(-1))), "1.500000");  // negative precision: default 6
    EXPECT_EQ(text(fixedpoint(D(-kInf), I(2))), "-inf");
    EXPECT_EQ(text(fixedpoint(D(1e308), I(1)))->size(), 311u);
}

TEST(Money, FixedPointWithHugePrecisionIsCutAtTheBlock) {
    reset_blocks();
    auto t = text(fixedpoint(D(1.0), I(INT32_MAX)));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->size(), 32767u);
    EXPECT_EQ(t->substr(0, 4), "1.00");
    EXPECT_EQ(t->find_first_not_of('0', 2), std::string::npos);
    EXPECT_EQ(stats().count, 1);
}

TEST(Money, FixedPointLangSeparators) {
    EXPECT_EQ(text(fixedpointlang(D(1234567.891), I(2), ",", ".")), "1.234.567,89");
    EXPECT_EQ(text(fixedpointlang(D(-123456), I(0), ".", "'")), "-123'456");
    EXPECT_EQ(text(fixedpointlang(D(999.995), I(2), ",", " ")), "1 000,00");  // rounded first
    EXPECT_EQ(text(fixedpointlang(D(-100), I(0), ",", ".")), "-100");
    EXPECT_EQ(text(fixedpointlang(D(-0.001), I(2), ",", ".")), "-0,00");  // rounds to -0.0
    EXPECT_EQ(text(fixedpointlang(D(-100000), I(1), ",", ".")), "-100.000,0");
    EXPECT_EQ(text(fixedpointlang(D(1234567), I(2), ",", "")), "1234567,00");
    EXPECT_EQ(text(fixedpointlang(D(1234567.5), I(0), ",", ".")), "1.234.568");
    EXPECT_EQ(text(fixedpointlang(D(12.34), I(2), "", "")), "1234");
    EXPECT_EQ(text(fixedpointlang(D(1234.5), I(1), " dot ", " grp ")), "1 grp 234 dot 5");
    // A negative count of decimals counts as 0.
    EXPECT_EQ(text(fixedpointlang(D(1234.5), I(-3), ",", ".")), "1.235");
    EXPECT_EQ(text(fixedpointlang(D(kInf), I(2), ",", ".")), "inf");
    EXPECT_EQ(text(fixedpointlang(D(-kInf), I(0), ",", ".")), "-inf");
}

TEST(Money, FixedPointLangNeverPassesItsBuffers) {
    // 301 integer digits: far beyond the original 128-byte work buffer, grouped in full.
    auto big = text(fixedpointlang(D(1e300), I(2), ",", "."));
    ASSERT_TRUE(big);
    EXPECT_EQ(big->size(), 301u + 100u + 3u);
    EXPECT_EQ(big->substr(0, 8), "1.000.00");
    EXPECT_EQ(big->substr(big->size() - 3), ",00");

    // Separators longer than the block: the output is cut at the block, in one block.
    reset_blocks();
    const std::string longsep(40000, '#');
    auto cut = text(fixedpointlang(D(1234567), I(2), longsep.c_str(), longsep.c_str()));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->size(), 32767u);
    EXPECT_EQ(cut->substr(0, 2), "1#");
    EXPECT_EQ(stats().count, 1);

    fail_allocations(true);  // no result block: NULL, and the working buffer is still freed
    EXPECT_EQ(fixedpointlang(D(1234567), I(2), ",", "."), nullptr);
    fail_allocations(false);

    auto wide = text(fixedpointlang(D(1.5), I(100000), ",", "."));
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->size(), 32767u);
    EXPECT_EQ(wide->substr(0, 3), "1,5");
}

TEST(Rounding, RoundAndTruncateToInteger) {
    EXPECT_EQ(value(f_round(D(-2.5))), -3);
    EXPECT_EQ(value(f_round(D(2.5))), 3);
    EXPECT_EQ(value(f_round(D(2.4999))), 2);
    EXPECT_EQ(value(f_round(D(2147483647.4))), 2147483647);
    EXPECT_EQ(value(f_round(D(-2147483648.4))), INT32_MIN);
    EXPECT_EQ(value(f_truncate(D(-3.9))), -3);
    EXPECT_EQ(value(f_truncate(D(2147483647.9))), 2147483647);
    // Outside the 32-bit range (and for NaN): -2147483648.
    for (double out : {2147483647.5, 1e10, -1e10, kInf, -kInf, kNaN}) {
        EXPECT_EQ(value(f_round(D(out))), INT32_MIN) << out;
        EXPECT_EQ(value(f_truncate(D(out + 0.5))), INT32_MIN) << out;
    }
}

TEST(Rounding, ZahlrundenScalesStepByStep) {
    EXPECT_TRUE(Exact(zahlrunden(D(2.5), I(0)), 3.0));
    EXPECT_TRUE(Exact(zahlrunden(D(-2.5), I(0)), -3.0));
    EXPECT_TRUE(Exact(zahlrunden(D(2.675), I(2)), 2.68));
    EXPECT_TRUE(Exact(zahlrunden(D(1.005), I(2)), 1.0));
    EXPECT_TRUE(Exact(zahlrunden(D(1234.5678), I(2)), 1234.5700000000002));
    EXPECT_TRUE(Exact(zahlrunden(D(0.004), I(2)), 0.0));
    // x + 0.5 is rounded to double before floor: just below one half, the sum is 1.0.
    EXPECT_TRUE(Exact(zahlrunden(D(0.49999999999999994), I(0)), 1.0));
    EXPECT_TRUE(Exact(zahlrunden(D(1234.5678), I(-2)), 1235.0));  // negative: as 0
}

// Where scaling by 10^digits overflows, the value has no digits that far down and stays.
TEST(Rounding, DigitsBeyondTheDoubleKeepTheValue) {
    EXPECT_TRUE(Exact(zahlrunden(D(1.5), I(400)), 1.5));
    EXPECT_TRUE(Exact(zahlrunden(D(-2.675), I(INT32_MAX)), -2.675));
    EXPECT_TRUE(Exact(zahlrunden(D(1e308), I(1)), 1e308));
    EXPECT_TRUE(Exact(zahlrunden(D(0.0), I(400)), 0.0));
    EXPECT_TRUE(Exact(roundtoeven(D(2.5), I(400)), 2.5));
    EXPECT_TRUE(Exact(roundtoeven(D(-0.125), I(1000)), -0.125));
    EXPECT_TRUE(Exact(softround(D(0.004), I(400)), 0.004));
    EXPECT_TRUE(Exact(softround(D(-7.25), I(400)), -7.25));
    EXPECT_TRUE(Exact(zahlrunden(D(-std::numeric_limits<double>::infinity()), I(2)), -kInf));
}

TEST(Rounding, RoundToEvenOnScaledTies) {
    EXPECT_TRUE(Exact(roundtoeven(D(2.5), I(0)), 2.0));
    EXPECT_TRUE(Exact(roundtoeven(D(3.5), I(0)), 4.0));
    EXPECT_TRUE(Exact(roundtoeven(D(-2.5), I(0)), -2.0));
    EXPECT_TRUE(Exact(roundtoeven(D(-0.5), I(0)), -0.0));
    EXPECT_TRUE(Exact(roundtoeven(D(0.125), I(2)), 0.12));
    EXPECT_TRUE(Exact(roundtoeven(D(2.6), I(0)), 3.0));
    EXPECT_TRUE(Exact(roundtoeven(D(-0.49999999999999994), I(0)), -0.0));  // the sum makes a tie
    EXPECT_TRUE(Exact(roundtoeven(D(2.5), I(-1)), 2.0));
    // Ties beyond 32 bits keep rounding to even; whole numbers from 2^52 on stay unchanged.
    EXPECT_TRUE(Exact(roundtoeven(D(2147483648.5), I(0)), 2147483648.0));
    EXPECT_TRUE(Exact(roundtoeven(D(2147483649.5), I(0)), 2147483650.0));
    EXPECT_TRUE(Exact(roundtoeven(D(-4294967297.5), I(0)), -4294967298.0));
    EXPECT_TRUE(Exact(roundtoeven(D(4503599627370497.0), I(0)), 4503599627370497.0));
    EXPECT_TRUE(Exact(roundtoeven(D(9007199254740993.0), I(0)), 9007199254740992.0));
    EXPECT_TRUE(Exact(roundtoeven(D(kInf), I(2)), kInf));
}

TEST(Rounding, SoftRoundKeepsSmallValues) {
    EXPECT_TRUE(Exact(softround(D(0.004), I(2)), 0.004));
    EXPECT_TRUE(Exact(softround(D(0.006), I(2)), 0.006));
    EXPECT_TRUE(Exact(softround(D(-0.004), I(2)), -0.004));
    EXPECT_TRUE(Exact(softround(D(0.014), I(2)), 0.01));
    EXPECT_TRUE(Exact(softround(D(0.0), I(2)), 0.0));
    EXPECT_TRUE(Exact(softround(D(2.675), I(2)), 2.68));
    EXPECT_TRUE(Exact(softround(D(0.4), I(-1)), 0.4));
    EXPECT_TRUE(Exact(softround(D(1.6), I(-2)), 1.6));      // below one unit of 10^2: kept
    EXPECT_TRUE(Exact(softround(D(1234.5), I(-2)), 1235.0));  // otherwise rounded as with 0
}

TEST(Rounding, RoundFloatToSteps) {
    EXPECT_TRUE(Exact(roundfloat(D(-2.5), D(1.0)), -2.0));
    EXPECT_TRUE(Exact(roundfloat(D(7.3), D(0.5)), 7.5));
    EXPECT_TRUE(Exact(roundfloat(D(17), D(5)), 15.0));
    EXPECT_TRUE(Exact(roundfloat(D(17), D(0.0)), 0.0));
    EXPECT_TRUE(Exact(roundfloat(D(17), D(-0.0)), 0.0));
}

TEST(Rounding, PercentAndAbsoluteValues) {
    EXPECT_TRUE(Exact(prozente(D(200), D(15)), 30.0));
    EXPECT_TRUE(Exact(prozente(D(0.1), D(3)), 0.0030000000000000005));  // multiplication first
    EXPECT_TRUE(Exact(doubleabs(D(-0.0)), -0.0));
    EXPECT_TRUE(Exact(doubleabs(D(-3.25)), 3.25));
    EXPECT_EQ(value(integerabs(I(-5))), 5);
    EXPECT_EQ(value(integerabs(I(7))), 7);
    EXPECT_EQ(value(integerabs(I(INT32_MIN))), INT32_MIN);
}

TEST(Rounding, NullArgumentsGiveNullWithoutABlock) {
    reset_blocks();
    EXPECT_EQ(converttodollar(nullptr), nullptr);
    EXPECT_EQ(fixedpoint(D(1), nullptr), nullptr);
    EXPECT_EQ(fixedpointlang(D(1), I(2), nullptr, "."), nullptr);
    EXPECT_EQ(fixedpointlang(nullptr, I(2), ",", "."), nullptr);
    EXPECT_EQ(f_round(nullptr), nullptr);
    EXPECT_EQ(zahlrunden(D(1), nullptr), nullptr);
    EXPECT_EQ(roundtoeven(nullptr, I(1)), nullptr);
    EXPECT_EQ(softround(D(1), nullptr), nullptr);
    EXPECT_EQ(roundfloat(D(1), nullptr), nullptr);
    EXPECT_EQ(prozente(nullptr, D(1)), nullptr);
    EXPECT_EQ(integerabs(nullptr), nullptr);
    EXPECT_EQ(stats().count, 0);
}

}  // namespace
