#include "numeric/exact.h"


namespace {

using namespace brindle::test;

TEST(Money, FormatsLikePrintfAndGroupsAfterRounding) {
    EXPECT_EQ(txt(converttodollar(D(2.675))), "$2.67");  // no rounding of its own: the double lies below
    EXPECT_EQ(txt(fixedpoint(D(1.5), I(-1))), "1.500000");  // negative precision: the default 6
    EXPECT_EQ(txt(fixedpoint(D(-std::nan("")), I(2))) + txt(fixedpoint(D(std::nan("")), I(2))), "-nannan");
    const struct { double v; int32_t d; const char *dec, *th, *want; } cases[] = {
        {1234567.891, 2, ",", ".", "1.234.567,89"}, {-123456, 0, ".", "'", "-123'456"},
        {999.995, 2, ",", " ", "1 000,00"}, {1234567.5, 0, ",", ".", "1.234.568"},
        {-100, 0, ",", ".", "-100"}, {-100000, 1, ",", ".", "-100.000,0"}, {-0.001, 2, ",", ".", "-0,00"},
        {1234567, 2, ",", "", "1234567,00"}, {12.34, 2, "", "", "1234"}, {1234.5, -3, ",", ".", "1.235"},
        {1234.5, 1, " dot ", " grp ", "1 grp 234 dot 5"}, {-kInf, 0, ",", ".", "-inf"}};
    for (const auto& c : cases) EXPECT_EQ(txt(fixedpointlang(D(c.v), I(c.d), c.dec, c.th)), c.want);
}

TEST(Money, LongTextIsCutAtTheBlock) {
    reset_blocks();
    const std::string sep(40000, '#');
    const struct { std::string got; std::size_t size; std::string start; } cases[] = {
        {txt(fixedpoint(D(1.0), I(INT32_MAX))), 32767, "1." + std::string(32765, '0')},
        {txt(fixedpointlang(D(1e300), I(2), ",", ".")), 404, "1.000.00"},  // 301 digits, all grouped
        {txt(fixedpointlang(D(1234567), I(2), sep.c_str(), sep.c_str())), 32767, "1#"},
        {txt(fixedpointlang(D(1.5), I(100000), ",", ".")), 32767, "1,5"}};
    for (const auto& c : cases) EXPECT_TRUE(c.got.size() == c.size && c.got.starts_with(c.start)) << c.got.size();
    EXPECT_EQ(stats().count, 4);
    fail_allocations(true);  // no result block: NULL, and the working text is still freed
    EXPECT_EQ(fixedpointlang(D(1234567), I(2), ",", "."), nullptr);
    fail_allocations(false);
}

TEST(Rounding, ToInteger) {
    const struct { int32_t* (*f)(CD); double x; int32_t want; } cases[] = {
        {f_round, -2.5, -3}, {f_round, 2.4999, 2}, {f_round, -2147483648.4, INT32_MIN}, {f_truncate, -3.9, -3},
        {f_truncate, 2147483647.9, INT32_MAX}};
    for (const auto& c : cases) EXPECT_EQ(iv(c.f(D(c.x))), c.want) << c.x;
    for (double out : {2147483647.5, 1e10, -1e10, kInf, -kInf, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(iv(f_round(D(out))), INT32_MIN) << out;
        EXPECT_EQ(iv(f_truncate(D(out + 0.5))), INT32_MIN) << out;
    }
    EXPECT_EQ(iv(integerabs(I(-5))), 5);
    EXPECT_EQ(iv(integerabs(I(INT32_MIN))), INT32_MIN);
}

TEST(Rounding, ToDecimalsStepByStep) {
    using F = double* (*)(CD, CI);
    const F zr = zahlrunden, te = roundtoeven, sr = softround;
    const struct { F f; double x; int32_t d; double want; } cases[] = {
        {zr, 2.5, 0, 3.0}, {zr, -2.5, 0, -3.0}, {zr, 2.675, 2, 2.68}, {zr, 1.005, 2, 1.0}, {zr, 0.004, 2, 0.0},
        {zr, 1234.5678, 2, 1234.5700000000002}, {zr, 0.49999999999999994, 0, 1.0}, {zr, 1234.5678, -2, 1235.0},
        {te, 2.5, 0, 2.0}, {te, 3.5, 0, 4.0}, {te, -2.5, 0, -2.0}, {te, -0.5, 0, -0.0}, {te, 0.125, 2, 0.12},
        {te, 2.6, 0, 3.0}, {te, -0.49999999999999994, 0, -0.0}, {te, 2.5, -1, 2.0},
        // Ties beyond 32 bits still go to even; from 2^52 on whole numbers stay.
        {te, 2147483648.5, 0, 2147483648.0}, {te, 2147483649.5, 0, 2147483650.0},
        {te, -4294967297.5, 0, -4294967298.0}, {te, 4503599627370497.0, 0, 4503599627370497.0},
        {sr, 0.004, 2, 0.004}, {sr, 0.006, 2, 0.006}, {sr, -0.004, 2, -0.004}, {sr, 0.014, 2, 0.01},
        {sr, 0.0, 2, 0.0}, {sr, 2.675, 2, 2.68}, {sr, 1.6, -2, 1.6}, {sr, 1234.5, -2, 1235.0},
        // Where scaling overflows the value has no digits that far down and stays.
        {zr, 1.5, 400, 1.5}, {zr, -2.675, INT32_MAX, -2.675}, {zr, 1e308, 1, 1e308}, {zr, -kInf, 2, -kInf},
        {te, 2.5, 400, 2.5}, {te, -0.125, 1000, -0.125}, {te, kInf, 2, kInf}, {sr, -7.25, 400, -7.25}};
    for (const auto& c : cases) EXPECT_TRUE(Exact(c.f(D(c.x), I(c.d)), c.want)) << c.x << " " << c.d;
}

TEST(Rounding, StepsPercentAbsoluteAndNulls) {
    reset_blocks();
    for (auto [f, x, y, want] : {std::tuple{&roundfloat, -2.5, 1.0, -2.0}, {&roundfloat, 7.3, 0.5, 7.5},
                                 {&roundfloat, 17.0, 5.0, 15.0}, {&roundfloat, 17.0, -0.0, 0.0},
                                 {&prozente, 0.1, 3.0, 0.0030000000000000005}})  // multiplied first
        EXPECT_TRUE(Exact(f(D(x), D(y)), want)) << x << " " << y;
    EXPECT_TRUE(Exact(doubleabs(D(-0.0)), -0.0));
    EXPECT_TRUE(Exact(doubleabs(D(-3.25)), 3.25));
    EXPECT_EQ(fixedpointlang(D(1), I(2), nullptr, "."), nullptr);
    EXPECT_EQ(stats().count, 7);  // one block for each value above, none for the null
}

}  // namespace
