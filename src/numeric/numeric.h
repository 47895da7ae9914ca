// The numeric routines: rounding and money, arithmetic and bits, trigonometry, random numbers.
// Each is written once over plain values; the exported entry points are thin adapters.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "frame/block.h"

namespace brindle::numeric {

// ---- rounding, fixed point and money ----------------------------------------------------
void converttodollar(frame::TextOut& out, double amount) noexcept;
void fixedpoint(frame::TextOut& out, double value, int32_t decimals) noexcept;
bool fixedpointlang(frame::TextOut& out, std::size_t limit, double value, int32_t decimals,
                    std::string_view decsep, std::string_view thsep) noexcept;
int32_t f_round(double x) noexcept;
int32_t f_truncate(double x) noexcept;
double zahlrunden(double x, int32_t digits) noexcept;
double roundtoeven(double x, int32_t digits) noexcept;
double softround(double x, int32_t digits) noexcept;
double roundfloat(double x, double step) noexcept;
double prozente(double value, double percent) noexcept;
double doubleabs(double x) noexcept;
int32_t integerabs(int32_t x) noexcept;

// ---- integer arithmetic and bits ---------------------------------------------------------
int32_t modulo(int32_t a, int32_t b) noexcept;
int32_t r_div(int32_t a, int32_t b) noexcept;
int32_t isdivisibleby(int32_t a, int32_t b) noexcept;
int32_t evenodd(int32_t a) noexcept;
int32_t equalinteger(int32_t a, int32_t b) noexcept;
int32_t f_bin_and(int32_t a, int32_t b) noexcept;
int32_t f_bin_or(int32_t a, int32_t b) noexcept;
int32_t f_bin_xor(int32_t a, int32_t b) noexcept;
int32_t f_bin_not(int32_t a) noexcept;
int32_t f_bin_shl(int32_t a, int32_t n) noexcept;
int32_t f_bin_shr(int32_t a, int32_t n) noexcept;
int32_t r_getbit(int32_t a, int32_t bit) noexcept;
int32_t r_setbit(int32_t a, int32_t bit, int32_t value) noexcept;

// ---- floating-point arithmetic -----------------------------------------------------------
double maxnum(double x, double y) noexcept;
double minnum(double x, double y) noexcept;
int32_t equalfloat(double x, double y) noexcept;
double fact(int32_t n) noexcept;
int32_t f_sign(double x) noexcept;
double f_sqrt(double x) noexcept;
double f_ln(double x) noexcept;
double f_log(double x, double base) noexcept;
double f_log10(double x) noexcept;
double f_floor(double x) noexcept;
double f_ceiling(double x) noexcept;
double f_frac(double x) noexcept;
double f_power(double x, double y) noexcept;
double f_exp(double x) noexcept;
double r_z(double x) noexcept;
double r_dividezero(double x, double y, double z) noexcept;

// ---- trigonometry (radians, degrees) and hyperbolic functions ----------------------------
double sin_rad(double x) noexcept;
double cos_rad(double x) noexcept;
double tan_rad(double x) noexcept;
double cot_rad(double x) noexcept;
std::optional<double> arcsin_rad(double x) noexcept;
std::optional<double> arccos_rad(double x) noexcept;
double arctan_rad(double x) noexcept;
double arctan2_rad(double y, double x) noexcept;
double arccot_rad(double x) noexcept;
double sin_deg(double x) noexcept;
double cos_deg(double x) noexcept;
double tan_deg(double x) noexcept;
double cot_deg(double x) noexcept;
std::optional<double> arcsin_deg(double x) noexcept;
std::optional<double> arccos_deg(double x) noexcept;
double arctan_deg(double x) noexcept;
double arccot_deg(double x) noexcept;
double sinhyp(double x) noexcept;
double coshyp(double x) noexcept;
double tanhyp(double x) noexcept;
std::optional<double> cothyp(double x) noexcept;
double arsinh(double x) noexcept;
std::optional<double> arcosh(double x) noexcept;
std::optional<double> artanh(double x) noexcept;
std::optional<double> arcoth(double x) noexcept;

// ---- random numbers (see random.h for the generator) -------------------------------------
int32_t intrandom(int32_t lo, int32_t hi) noexcept;
int32_t getrandom(int32_t n) noexcept;
double doublerandom(int32_t lo, int32_t hi) noexcept;
double f_rand() noexcept;

}  // namespace brindle::numeric
