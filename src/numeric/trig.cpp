// Trigonometric functions in radians and in degrees, hyperbolic functions and their inverses.
//
// Degrees convert through the ten-digit pi 3.141592654, one double operation at a time:
// (x / 180.0) * pi into radians and (r / pi) * 180.0 back. The inverse hyperbolic functions
// are the logarithmic formulas, evaluated literally.
#include <cmath>

#include "frame/registry.h"
#include "numeric/numeric.h"

namespace brindle::numeric {
namespace {

constexpr double kPi10 = 3.141592654;

double to_radians(double degrees) noexcept { return (degrees / 180.0) * kPi10; }
double to_degrees(double radians) noexcept { return (radians / kPi10) * 180.0; }
bool in_unit_range(double x) noexcept { return !(x < -1 || x > 1); }

}  // namespace

double sin_rad(double x) noexcept { return std::sin(x); }
double cos_rad(double x) noexcept { return std::cos(x); }
double tan_rad(double x) noexcept { return std::tan(x); }
double cot_rad(double x) noexcept { return 1 / std::tan(x); }
std::optional<double> arcsin_rad(double x) noexcept {
    if (!in_unit_range(x)) return std::nullopt;
    return std::asin(x);
}
std::optional<double> arccos_rad(double x) noexcept {
    if (!in_unit_range(x)) return std::nullopt;
    return std::acos(x);
}
double arctan_rad(double x) noexcept { return std::atan(x); }
double arctan2_rad(double y, double x) noexcept { return std::atan2(y, x); }
double arccot_rad(double x) noexcept { return 1 / std::atan(x); }

double sin_deg(double x) noexcept { return std::sin(to_radians(x)); }
double cos_deg(double x) noexcept { return std::cos(to_radians(x)); }
double tan_deg(double x) noexcept { return std::tan(to_radians(x)); }
double cot_deg(double x) noexcept { return 1 / std::tan(to_radians(x)); }
std::optional<double> arcsin_deg(double x) noexcept {
    if (!in_unit_range(x)) return std::nullopt;
    return to_degrees(std::asin(x));
}
std::optional<double> arccos_deg(double x) noexcept {
    if (!in_unit_range(x)) return std::nullopt;
    return to_degrees(std::acos(x));
}
double arctan_deg(double x) noexcept { return to_degrees(std::atan(x)); }
double arccot_deg(double x) noexcept { return to_degrees(1 / std::atan(x)); }

double sinhyp(double x) noexcept { return std::sinh(x); }
double coshyp(double x) noexcept { return std::cosh(x); }
double tanhyp(double x) noexcept { return std::tanh(x); }
std::optional<double> cothyp(double x) noexcept {
    if (x == 0) return std::nullopt;
    return 1 / std::tanh(x);
}
double arsinh(double x) noexcept { return std::log(std::sqrt(x * x + 1) + x); }
std::optional<double> arcosh(double x) noexcept {
    if (!(x >= 1)) return std::nullopt;
    return std::log(std::sqrt(x * x + (-1.0)) + x);
}
std::optional<double> artanh(double x) noexcept {
    if (!(x > -1 && x < 1)) return std::nullopt;
    return 0.5 * std::log((1 + x) / (1 - x));
}
std::optional<double> arcoth(double x) noexcept {
    if (!(x < -1 || x > 1)) return std::nullopt;
    return 0.5 * std::log((1 + x) / (x + (-1.0)));
}

}  // namespace brindle::numeric

namespace num = brindle::numeric;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "numeric/trig.def"
#undef BRINDLE_FN
