// Decimal rounding shared by the numeric and date functions.
#pragma once

#include <cstdint>

namespace brindle::numeric {

// Rounds half away from zero to n decimals by repeated scaling: x is multiplied by 10.0 n
// times (each product rounded to double), floor(x + 0.5) taken, then divided by 10.0 n times.
// A negative n scales not at all (as n = 0).
double rounddecimal(double x, int32_t n) noexcept;

}  // namespace brindle::numeric
