#include <cmath>

#include "numeric/exact.h"

using Int2 = int32_t* (*)(CI, CI);
using Dbl1 = double* (*)(CD);
using Dbl2 = double* (*)(CD, CD);

namespace {

using namespace brindle::test;
constexpr double kPi10 = 3.141592654;

TEST(IntegerArithmetic, DivisionBitsAndShifts) {
    const struct { Int2 f; int32_t a, b, want; } cases[] = {
        {modulo, -7, 3, -1}, {modulo, 7, -3, 1}, {modulo, 7, 0, 0}, {modulo, INT32_MIN, INT32_MAX, -1},
        {r_div, -7, 2, -3}, {r_div, 7, 0, 0}, {r_div, 5, -1, -5}, {isdivisibleby, 12, 4, 1},
        {isdivisibleby, 12, 5, 0}, {isdivisibleby, 0, 0, 0}, {equalinteger, 4, -4, 0},
        // -2147483648 / -1: remainder 0, divisible, and the quotient wraps to itself.
        {modulo, INT32_MIN, -1, 0}, {isdivisibleby, INT32_MIN, -1, 1}, {r_div, INT32_MIN, -1, INT32_MIN},
        {f_bin_and, 12, 10, 8}, {f_bin_or, 12, 10, 14}, {f_bin_xor, 12, 10, 6},
        {f_bin_shl, 1, 32, 1}, {f_bin_shl, 1, 33, 2}, {f_bin_shl, 1, 31, INT32_MIN}, {f_bin_shl, 3, -1, INT32_MIN},
        {f_bin_shr, -8, 1, -4}, {f_bin_shr, INT32_MIN, 31, -1}, {f_bin_shr, 256, 36, 16},
        {r_getbit, 5, 0, 1}, {r_getbit, 5, 1, 0}, {r_getbit, 5, 32, -1}, {r_getbit, 5, -1, -1}, {r_getbit, -1, 31, 1}};
    for (const auto& c : cases) EXPECT_EQ(iv(c.f(I(c.a), I(c.b))), c.want) << c.a << ", " << c.b;
    for (auto [f, a, want] : {std::tuple{&evenodd, -3, 0}, {evenodd, INT32_MIN, 1}, {f_bin_not, 0, -1}})
        EXPECT_EQ(iv(f(I(a))), want) << a;
    EXPECT_EQ(iv(r_setbit(I(0), I(31), I(1))), INT32_MIN);
    EXPECT_EQ(iv(r_setbit(I(-1), I(31), I(0))), INT32_MAX);
    for (auto [bit, v] : {std::pair{-1, 0}, {1, 2}, {32, 1}, {1, -1}}) EXPECT_EQ(iv(r_setbit(I(7), I(bit), I(v))), 7) << bit;
}

TEST(FloatArithmetic, FactorialIsTheProductInDoubles) {
    for (int32_t out : {0, 101, INT32_MIN}) EXPECT_TRUE(Exact(fact(I(out)), 0.0)) << out;
    double product = 1.0;
    for (int n = 1; n <= 100; ++n) ASSERT_TRUE(Exact(fact(I(n)), product *= n)) << n;
    EXPECT_TRUE(Exact(fact(I(100)), 9.33262154439441e+157));
}

// Domain errors give the classic C library's answers where the host library gives NaN or a signed zero.
TEST(FloatArithmetic, DomainErrorsTrigonometryAndComparisons) {
    const struct { Dbl1 f; double x, want; } cases[] = {
        {f_sqrt, -4, 0.0}, {f_sqrt, -0.0, -0.0}, {f_ln, -0.0, -kInf}, {f_ln, -1, -kInf}, {f_log10, -5, -kInf},
        {f_exp, 709.79, kInf}, {f_floor, -2.5, -3.0}, {f_ceiling, -2.5, -2.0}, {f_ceiling, -0.5, -0.0},
        {f_frac, -2.75, -0.75}, {f_frac, 2.75, 0.75}, {f_frac, -0.0, 0.0}, {f_frac, -3.0, 0.0},
        // Degrees go through the ten-digit pi.
        {sin_deg, 180, -4.102068570306623e-10}, {cos_deg, 90, -2.0510342851533115e-10},
        {tan_deg, 90, -4875588902.821542}, {sin_deg, 30, 0.5000000000592083}, {cot_deg, 0, kInf},
        {arcsin_deg, 1, 89.99999998824845}, {arctan_deg, 1, 44.999999994124224},
        {arccos_deg, -1, (std::acos(-1.0) / kPi10) * 180.0}, {arccot_deg, 1, ((1 / std::atan(1.0)) / kPi10) * 180.0},
        {cot_rad, -0.0, -kInf}, {arccot_rad, 1, 1.2732395447351628}, {arccot_rad, 0, kInf},
        {arcsin_rad, -1, -1.5707963267948966}, {arccos_rad, 1, 0.0}, {tan_rad, 0.5, std::tan(0.5)},
        // The inverse hyperbolic functions are the logarithmic formulas, literally.
        {cothyp, 0.5, 1 / std::tanh(0.5)}, {coshyp, 1000, kInf}, {sinhyp, 1, std::sinh(1.0)}, {arcosh, 1, 0.0},
        {arcosh, 2, std::log(std::sqrt(2.0 * 2.0 + (-1.0)) + 2.0)}, {arsinh, 0.5, std::log(std::sqrt(1.25) + 0.5)},
        {arsinh, -1e10, -kInf}, {artanh, 0.5, 0.5 * std::log(1.5 / 0.5)}, {arcoth, -3, 0.5 * std::log(-2.0 / -4.0)}};
    for (const auto& c : cases) EXPECT_TRUE(Exact(c.f(D(c.x)), c.want)) << c.x;
    const struct { Dbl2 f; double x, y, want; } pairs[] = {
        {maxnum, -0.0, 0.0, -0.0}, {minnum, -0.0, 0.0, -0.0}, {minnum, 3, 2, 2.0},  // ties keep the first
        {f_log, 8, 2, std::log(8.0) / std::log(2.0)}, {f_log, -8, 2, -kInf}, {f_log, 8, 1, kInf},
        {f_power, -0.0, 3, 0.0}, {f_power, 0, 0, 1.0}, {f_power, -0.0, -1, kInf}, {f_power, -8, 1.0 / 3, 0.0},
        {f_power, -2, 3, -8.0}, {f_power, -2, kInf, kInf}, {arctan2_rad, 1, 0, 1.5707963267948966}, {arctan2_rad, 0, -1, 3.141592653589793}};
    for (const auto& c : pairs) EXPECT_TRUE(Exact(c.f(D(c.x), D(c.y)), c.want)) << c.x << ", " << c.y;
    EXPECT_TRUE(std::isnan(value(f_log(D(1), D(1))).value_or(0)));
    EXPECT_TRUE(std::isnan(value(f_power(D(0), D(std::nan("")))).value_or(0)));
    EXPECT_EQ(iv(equalfloat(D(0.1 + 0.2), D(0.3))), 0);
    EXPECT_EQ(iv(equalfloat(D(0.0), D(-0.0))), 1);
    EXPECT_EQ(iv(f_sign(D(-0.0))), 0);
    EXPECT_EQ(iv(f_sign(D(-1e-300))), -1);
}

TEST(FloatArithmetic, OutsideTheDomainNullWithoutABlock) {
    reset_blocks();
    const struct { Dbl1 f; double x; } outside[] = {
        {arcsin_rad, 1.0000001}, {arcsin_rad, -1.0000001}, {arccos_rad, 2}, {arcsin_deg, -2}, {arccos_deg, 1.5},
        {cothyp, 0.0}, {cothyp, -0.0}, {arcosh, 0.999}, {artanh, 1}, {artanh, -1}, {arcoth, 1}, {arcoth, 0.5},
        {arcoth, -1}};
    for (const auto& c : outside) EXPECT_EQ(c.f(D(c.x)), nullptr) << c.x;
    // By-value results take no block and never read a null argument.
    EXPECT_TRUE(Exact(r_z(D(2.5)), 2.5));
    EXPECT_TRUE(Exact(r_dividezero(D(1), D(-0.0), D(5)), 5.0));
    EXPECT_TRUE(Exact(r_dividezero(D(1), D(4), D(5)), 0.25));
    EXPECT_TRUE(Exact(r_z(nullptr), 0.0));
    EXPECT_TRUE(Exact(r_dividezero(D(1), nullptr, D(5)), 0.0));
    EXPECT_TRUE(Exact(r_dividezero(D(1), D(0), nullptr), 0.0));
    EXPECT_EQ(stats().count, 0);
}

}  // namespace
