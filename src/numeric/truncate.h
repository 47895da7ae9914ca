// Conversion of a double to a 32-bit integer the way the numeric functions need it.
#pragma once

#include <cstdint>

namespace brindle::numeric {

// Truncates toward zero. A value outside the signed 32-bit range (or not a number) gives
// -2147483648, the integer-indefinite value the original conversion produced; the range is
// checked before converting, so there is no undefined behaviour.
constexpr int32_t truncate_to_int32(double x) noexcept {
    if (x > -2147483649.0 && x < 2147483648.0) return static_cast<int32_t>(x);
    return INT32_MIN;
}

}  // namespace brindle::numeric
