#include "numeric/rounding.h"

#include <cmath>

namespace brindle::numeric {

double rounddecimal(double x, int32_t n) noexcept {
    const bool negative = x < 0;
    if (negative) x *= -1.0;
    // After 1100 scalings every non-zero double has become infinite and stays so (and 0 stays
    // 0), so the loops are cut there without changing any result.
    const int32_t steps = n < 0 ? 0 : (n > 1100 ? 1100 : n);
    for (int32_t i = 0; i < steps; ++i) x *= 10.0;
    x = std::floor(x + 0.5);
    for (int32_t i = 0; i < steps; ++i) x /= 10.0;
    if (negative) x *= -1.0;
    return x;
}

}  // namespace brindle::numeric
