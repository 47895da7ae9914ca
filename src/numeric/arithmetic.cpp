// Integer and floating-point arithmetic, comparisons and bit functions.
//
// Integer arithmetic wraps in 32 bits. For a domain error (square root and logarithms of
// negative numbers, pow of a negative base with a fractional exponent) the library answers a
// value of its own choosing, produced here explicitly, where the host C library would answer
// NaN.
#include <array>
#include <cmath>
#include <limits>

#include "frame/registry.h"
#include "numeric/numeric.h"

namespace brindle::numeric {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

uint32_t bits(int32_t v) noexcept { return static_cast<uint32_t>(v); }
int32_t from_bits(uint32_t v) noexcept { return static_cast<int32_t>(v); }

// n! for n = 0..100 as the product 1.0 * 2 * 3 * ... * n, each step rounded to double.
constexpr std::array<double, 101> kFactorials = [] {
    std::array<double, 101> t{};
    double f = 1.0;
    t[0] = f;
    for (int i = 1; i <= 100; ++i) {
        if (i > 1) f *= i;
        t[i] = f;
    }
    return t;
}();

// Natural logarithm; the library answers minus infinity for 0 and for negative numbers.
double log_or_minus_inf(double x) noexcept { return x <= 0 ? -kInfinity : std::log(x); }

}  // namespace

// b == -1 is answered directly: the remainder is 0 and the quotient is -a, which for
// -2147483648 wraps to itself (the machine division would trap).
int32_t modulo(int32_t a, int32_t b) noexcept {
    if (b == 0 || b == -1) return 0;
    return a % b;
}

int32_t r_div(int32_t a, int32_t b) noexcept {
    if (b == 0) return 0;
    if (b == -1) return from_bits(0u - bits(a));
    return a / b;
}

int32_t isdivisibleby(int32_t a, int32_t b) noexcept {
    if (b == 0) return 0;
    return modulo(a, b) == 0 ? 1 : 0;
}

int32_t evenodd(int32_t a) noexcept { return a % 2 == 0 ? 1 : 0; }
int32_t equalinteger(int32_t a, int32_t b) noexcept { return a == b ? 1 : 0; }
int32_t f_bin_and(int32_t a, int32_t b) noexcept { return a & b; }
int32_t f_bin_or(int32_t a, int32_t b) noexcept { return a | b; }
int32_t f_bin_xor(int32_t a, int32_t b) noexcept { return a ^ b; }
int32_t f_bin_not(int32_t a) noexcept { return ~a; }
int32_t f_bin_shl(int32_t a, int32_t n) noexcept { return from_bits(bits(a) << (bits(n) & 31u)); }
int32_t f_bin_shr(int32_t a, int32_t n) noexcept { return a >> (bits(n) & 31u); }

int32_t r_getbit(int32_t a, int32_t bit) noexcept {
    if (bit < 0 || bit > 31) return -1;
    return (bits(a) & (1u << bit)) != 0 ? 1 : 0;
}

int32_t r_setbit(int32_t a, int32_t bit, int32_t value) noexcept {
    if (bit < 0 || bit > 31 || value < 0 || value > 1) return a;
    const uint32_t mask = 1u << bit;
    return from_bits(value == 1 ? bits(a) | mask : bits(a) & ~mask);
}

double maxnum(double x, double y) noexcept { return x >= y ? x : y; }
double minnum(double x, double y) noexcept { return x > y ? y : x; }
int32_t equalfloat(double x, double y) noexcept { return x == y ? 1 : 0; }

double fact(int32_t n) noexcept {
    if (n < 1 || n > 100) return 0.0;
    return kFactorials[static_cast<std::size_t>(n)];
}

int32_t f_sign(double x) noexcept { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

double f_sqrt(double x) noexcept { return x < 0 ? 0.0 : std::sqrt(x); }
double f_ln(double x) noexcept { return log_or_minus_inf(x); }
double f_log(double x, double base) noexcept { return log_or_minus_inf(x) / log_or_minus_inf(base); }
double f_log10(double x) noexcept { return x <= 0 ? -kInfinity : std::log10(x); }
double f_floor(double x) noexcept { return std::floor(x); }
double f_ceiling(double x) noexcept { return -std::floor(-x); }

double f_frac(double x) noexcept {
    if (x > 0) return x - std::floor(x);
    if (x < 0) return x - f_ceiling(x);
    return x == 0 ? 0.0 : x;  // 0.0 for both zeros; NaN stays NaN
}

double f_power(double x, double y) noexcept {
    if (x == 0) {
        if (y > 0) return 0.0;
        if (y == 0) return 1.0;
        if (y < 0) return kInfinity;
        return std::pow(x, y);  // NaN exponent
    }
    if (x < 0 && std::isfinite(y) && std::floor(y) != y) return 0.0;
    return std::pow(x, y);
}

double f_exp(double x) noexcept { return std::exp(x); }

double r_z(double x) noexcept { return x; }

double r_dividezero(double x, double y, double z) noexcept { return y == 0 ? z : x / y; }

}  // namespace brindle::numeric

namespace num = brindle::numeric;

// By value: a null argument gives 0.0 without being read.

#define BRINDLE_FN BRINDLE_ROUTINE
#include "numeric/arithmetic.def"
#undef BRINDLE_FN
