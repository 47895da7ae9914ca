#include <cmath>
#include <limits>

#include "numeric/exact.h"

extern "C" {
int32_t* modulo(const int32_t*, const int32_t*);
int32_t* r_div(const int32_t*, const int32_t*);
int32_t* isdivisibleby(const int32_t*, const int32_t*);
int32_t* evenodd(const int32_t*);
int32_t* equalinteger(const int32_t*, const int32_t*);
int32_t* f_bin_and(const int32_t*, const int32_t*);
int32_t* f_bin_or(const int32_t*, const int32_t*);
int32_t* f_bin_xor(const int32_t*, const int32_t*);
int32_t* f_bin_not(const int32_t*);
int32_t* f_bin_shl(const int32_t*, const int32_t*);
int32_t* f_bin_shr(const int32_t*, const int32_t*);
int32_t* r_getbit(const int32_t*, const int32_t*);
int32_t* r_setbit(const int32_t*, const int32_t*, const int32_t*);
double* maxnum(const double*, const double*);
double* minnum(const double*, const double*);
int32_t* equalfloat(const double*, const double*);
double* fact(const int32_t*);
int32_t* f_sign(const double*);
double* f_sqrt(const double*);
double* f_ln(const double*);
double* f_log(const double*, const double*);
double* f_log10(const double*);
double* f_floor(const double*);
double* f_ceiling(const double*);
double* f_frac(const double*);
double* f_power(const double*, const double*);
double* f_exp(const double*);
double r_z(const double*);
double r_dividezero(const double*, const double*, const double*);
}

namespace {

using namespace brindle::test;
constexpr double kInf = std::numeric_limits<double>::infinity();

int32_t iv(int32_t* block) { return value(block).value_or(12345); }

TEST(IntegerArithmetic, DivisionRules) {
    EXPECT_EQ(iv(modulo(I(-7), I(3))), -1);
    EXPECT_EQ(iv(modulo(I(7), I(-3))), 1);
    EXPECT_EQ(iv(modulo(I(7), I(0))), 0);
    EXPECT_EQ(iv(r_div(I(-7), I(2))), -3);
    EXPECT_EQ(iv(r_div(I(7), I(0))), 0);
    EXPECT_EQ(iv(isdivisibleby(I(12), I(4))), 1);
    EXPECT_EQ(iv(isdivisibleby(I(12), I(5))), 0);
    EXPECT_EQ(iv(isdivisibleby(I(0), I(0))), 0);
    // -2147483648 / -1: remainder 0, divisible, and the quotient wraps to itself.
    EXPECT_EQ(iv(modulo(I(INT32_MIN), I(-1))), 0);
    EXPECT_EQ(iv(isdivisibleby(I(INT32_MIN), I(-1))), 1);
    EXPECT_EQ(iv(r_div(I(INT32_MIN), I(-1))), INT32_MIN);
    EXPECT_EQ(iv(r_div(I(5), I(-1))), -5);
    EXPECT_EQ(iv(modulo(I(INT32_MIN), I(INT32_MAX))), -1);
}

TEST(IntegerArithmetic, ParityAndEquality) {
    EXPECT_EQ(iv(evenodd(I(0))), 1);
    EXPECT_EQ(iv(evenodd(I(-3))), 0);
    EXPECT_EQ(iv(evenodd(I(INT32_MIN))), 1);
    EXPECT_EQ(iv(equalinteger(I(4), I(4))), 1);
    EXPECT_EQ(iv(equalinteger(I(4), I(-4))), 0);
}

TEST(Bits, LogicAndShifts) {
    EXPECT_EQ(iv(f_bin_and(I(12), I(10))), 8);
    EXPECT_EQ(iv(f_bin_or(I(12), I(10))), 14);
    EXPECT_EQ(iv(f_bin_xor(I(12), I(10))), 6);
    EXPECT_EQ(iv(f_bin_not(I(0))), -1);
    EXPECT_EQ(iv(f_bin_shl(I(1), I(32))), 1);
    EXPECT_EQ(iv(f_bin_shl(I(1), I(33))), 2);
    EXPECT_EQ(iv(f_bin_shl(I(1), I(31))), INT32_MIN);
    EXPECT_EQ(iv(f_bin_shl(I(3), I(-1))), INT32_MIN);  // low five bits of -1: 31
    EXPECT_EQ(iv(f_bin_shr(I(-8), I(1))), -4);
    EXPECT_EQ(iv(f_bin_shr(I(INT32_MIN), I(31))), -1);
    EXPECT_EQ(iv(f_bin_shr(I(256), I(36))), 16);
}

TEST(Bits, GetAndSetBit) {
    EXPECT_EQ(iv(r_getbit(I(5), I(0))), 1);
    EXPECT_EQ(iv(r_getbit(I(5), I(1))), 0);
    EXPECT_EQ(iv(r_getbit(I(5), I(32))), -1);
    EXPECT_EQ(iv(r_getbit(I(5), I(-1))), -1);
    EXPECT_EQ(iv(r_getbit(I(-1), I(31))), 1);
    EXPECT_EQ(iv(r_setbit(I(0), I(31), I(1))), INT32_MIN);
    EXPECT_EQ(iv(r_setbit(I(-1), I(31), I(0))), INT32_MAX);
    EXPECT_EQ(iv(r_setbit(I(7), I(1), I(0))), 5);
    EXPECT_EQ(iv(r_setbit(I(7), I(1), I(2))), 7);
    EXPECT_EQ(iv(r_setbit(I(7), I(32), I(1))), 7);
    EXPECT_EQ(iv(r_setbit(I(7), I(-1), I(0))), 7);
}

TEST(FloatArithmetic, ComparisonsKeepTheFirstOnTies) {
    EXPECT_TRUE(Exact(maxnum(D(0.0), D(-0.0)), 0.0));
    EXPECT_TRUE(Exact(maxnum(D(-0.0), D(0.0)), -0.0));
    EXPECT_TRUE(Exact(minnum(D(3), D(2)), 2.0));
    EXPECT_TRUE(Exact(minnum(D(-0.0), D(0.0)), -0.0));
    EXPECT_EQ(iv(equalfloat(D(0.1 + 0.2), D(0.3))), 0);
    EXPECT_EQ(iv(equalfloat(D(0.0), D(-0.0))), 1);
    EXPECT_EQ(iv(f_sign(D(-0.0))), 0);
    EXPECT_EQ(iv(f_sign(D(-1e-300))), -1);
    EXPECT_EQ(iv(f_sign(D(kInf))), 1);
}

TEST(FloatArithmetic, FactorialIsTheProductInDoubles) {
    EXPECT_TRUE(Exact(fact(I(0)), 0.0));
    EXPECT_TRUE(Exact(fact(I(101)), 0.0));
    EXPECT_TRUE(Exact(fact(I(INT32_MIN)), 0.0));
    EXPECT_TRUE(Exact(fact(I(1)), 1.0));
    EXPECT_TRUE(Exact(fact(I(5)), 120.0));
    EXPECT_TRUE(Exact(fact(I(100)), 9.33262154439441e+157));
    volatile double product = 1.0;  // step by step at run time
    for (int n = 2; n <= 100; ++n) {
        product = product * n;
        ASSERT_TRUE(Exact(fact(I(n)), product)) << n;
    }
}

TEST(FloatArithmetic, DomainErrorsGiveTheLibraryValues) {
    EXPECT_TRUE(Exact(f_sqrt(D(-4)), 0.0));
    EXPECT_TRUE(Exact(f_sqrt(D(-0.0)), -0.0));
    EXPECT_TRUE(Exact(f_sqrt(D(2)), std::sqrt(2.0)));
    EXPECT_TRUE(Exact(f_ln(D(0.0)), -kInf));
    EXPECT_TRUE(Exact(f_ln(D(-0.0)), -kInf));
    EXPECT_TRUE(Exact(f_ln(D(-1)), -kInf));
    EXPECT_TRUE(Exact(f_ln(D(1)), 0.0));
    EXPECT_TRUE(Exact(f_log10(D(-5)), -kInf));
    EXPECT_TRUE(Exact(f_log10(D(1000)), 3.0));
    EXPECT_TRUE(Exact(f_log(D(8), D(2)), std::log(8.0) / std::log(2.0)));
    EXPECT_TRUE(Exact(f_log(D(-8), D(2)), -kInf));
    EXPECT_TRUE(Exact(f_log(D(8), D(1)), kInf));
    EXPECT_TRUE(std::isnan(*value(f_log(D(1), D(1)))));
    EXPECT_TRUE(Exact(f_power(D(0), D(2)), 0.0));
    EXPECT_TRUE(Exact(f_power(D(-0.0), D(3)), 0.0));
    EXPECT_TRUE(Exact(f_power(D(0), D(0)), 1.0));
    EXPECT_TRUE(Exact(f_power(D(0), D(-1)), kInf));
    EXPECT_TRUE(Exact(f_power(D(-0.0), D(-1)), kInf));
    EXPECT_TRUE(Exact(f_power(D(-8), D(1.0 / 3)), 0.0));
    EXPECT_TRUE(Exact(f_power(D(-2), D(3)), -8.0));
    EXPECT_TRUE(Exact(f_power(D(2), D(0.5)), std::sqrt(2.0)));
    EXPECT_TRUE(Exact(f_exp(D(709.79)), kInf));
    EXPECT_TRUE(Exact(f_exp(D(0)), 1.0));
}

TEST(FloatArithmetic, FloorCeilingFraction) {
    EXPECT_TRUE(Exact(f_floor(D(-2.5)), -3.0));
    EXPECT_TRUE(Exact(f_ceiling(D(-2.5)), -2.0));
    EXPECT_TRUE(Exact(f_ceiling(D(2.1)), 3.0));
    EXPECT_TRUE(Exact(f_ceiling(D(-0.5)), -0.0));
    EXPECT_TRUE(Exact(f_frac(D(-2.75)), -0.75));
    EXPECT_TRUE(Exact(f_frac(D(2.75)), 0.75));
    EXPECT_TRUE(Exact(f_frac(D(-0.0)), 0.0));
    EXPECT_TRUE(Exact(f_frac(D(-3.0)), 0.0));
}

TEST(FloatArithmetic, ByValueResultsTakeNoBlockAndNeverReadNull) {
    reset_blocks();
    EXPECT_TRUE(Exact(r_z(D(2.5)), 2.5));
    EXPECT_TRUE(Exact(r_dividezero(D(1), D(-0.0), D(5)), 5.0));
    EXPECT_TRUE(Exact(r_dividezero(D(1), D(0.0), D(-kInf)), -kInf));
    EXPECT_TRUE(Exact(r_dividezero(D(1), D(4), D(5)), 0.25));
    EXPECT_TRUE(Exact(r_z(nullptr), 0.0));
    EXPECT_TRUE(Exact(r_dividezero(nullptr, D(2), D(5)), 0.0));
    EXPECT_TRUE(Exact(r_dividezero(D(1), nullptr, D(5)), 0.0));
    EXPECT_TRUE(Exact(r_dividezero(D(1), D(0), nullptr), 0.0));
    EXPECT_EQ(stats().count, 0);
}

TEST(Arithmetic, NullArgumentsGiveNullWithoutABlock) {
    reset_blocks();
    EXPECT_EQ(modulo(nullptr, I(1)), nullptr);
    EXPECT_EQ(r_setbit(I(1), I(1), nullptr), nullptr);
    EXPECT_EQ(f_bin_not(nullptr), nullptr);
    EXPECT_EQ(maxnum(D(1), nullptr), nullptr);
    EXPECT_EQ(equalfloat(nullptr, D(1)), nullptr);
    EXPECT_EQ(fact(nullptr), nullptr);
    EXPECT_EQ(f_power(D(2), nullptr), nullptr);
    EXPECT_EQ(f_sign(nullptr), nullptr);
    EXPECT_EQ(stats().count, 0);
}

}  // namespace
