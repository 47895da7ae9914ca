// Rounding, fixed-point text and money.
#include <cmath>

#include "frame/format.h"
#include "frame/registry.h"
#include "numeric/numeric.h"
#include "numeric/rounding.h"
#include "numeric/truncate.h"

namespace brindle::numeric {
namespace {

// Scaling loops stop here: after 1100 multiplications by 10 every non-zero double is
// infinite, so the cut changes no result (the same bound as rounddecimal).
constexpr int32_t kMaxScale = 1100;

int32_t scale_steps(int32_t digits) noexcept {
    return digits < 0 ? 0 : (digits > kMaxScale ? kMaxScale : digits);
}

// rounddecimal, except where scaling by 10^n overflows: such an x has no binary digits below
// 10^-n (its last bit is far coarser), so rounding at n decimals keeps it as it is.
double round_half_away(double x, int32_t n) noexcept {
    const double r = rounddecimal(x, n);
    return std::isfinite(r) || !std::isfinite(x) ? r : x;
}

// Parity of a non-negative whole double. Within 32 bits the integer conversion decides; up to
// 2^52 the double itself; from 2^52 on every double is whole already and its "tie" is only
// the rounding of x + 0.5, so it counts as even and the value stays as it is.
bool odd_whole(double whole) noexcept {
    if (whole < 2147483648.0) return (static_cast<int32_t>(whole) & 1) != 0;
    if (whole < 4503599627370496.0) return std::fmod(whole, 2.0) != 0.0;
    return false;
}

}  // namespace

void converttodollar(frame::TextOut& out, double amount) noexcept {
    out.put('$');
    frame::put_fixed(out, amount, 2);
}

void fixedpoint(frame::TextOut& out, double value, int32_t decimals) noexcept {
    frame::put_fixed(out, value, decimals);
}

bool fixedpointlang(frame::TextOut& out, std::size_t limit, double value, int32_t decimals,
                    std::string_view decsep, std::string_view thsep) noexcept {
    if (decimals < 0) decimals = 0;
    const double r = round_half_away(value, decimals);

    // The plain "%.*f" text, held to the limit: the digits as printf gives them up to the
    // 1074th decimal (beyond it every decimal of a double is a zero, so those are counted).
    constexpr int32_t kExact = 1074;
    char digits[1 + 309 + 1 + kExact + 8];
    frame::TextOut work(digits, sizeof digits);
    frame::put_fixed(work, r, decimals < kExact ? decimals : kExact);
    const std::size_t printed = work.size() < limit ? work.size() : limit;
    std::size_t zeros = std::isfinite(r) && decimals > kExact ? static_cast<std::size_t>(decimals - kExact) : 0;
    if (zeros > limit - printed) zeros = limit - printed;
    const std::string_view plain(digits, printed);
    const std::size_t total = printed + zeros;

    // Index of the last digit of the integer part.
    const std::size_t point = decimals > 0 ? plain.find('.') : std::string_view::npos;
    const long last = static_cast<long>(point == std::string_view::npos ? total : point) - 1;

    for (std::size_t i = 0; i < total && !out.exhausted(); ++i) {
        const char ch = i < printed ? plain[i] : '0';
        if (ch == '.') {  // the only mark put_fixed writes
            out.append(decsep);
        } else {
            out.put(ch);
        }
        const long at = static_cast<long>(i);
        if (!thsep.empty() && ch != '-' && at < last && (last - at) % 3 == 0) out.append(thsep);
    }
    return true;
}

int32_t f_round(double x) noexcept { return truncate_to_int32(x < 0 ? x + -0.5 : x + 0.5); }

int32_t f_truncate(double x) noexcept { return truncate_to_int32(x); }

double zahlrunden(double x, int32_t digits) noexcept { return round_half_away(x, digits); }

double roundtoeven(double x, int32_t digits) noexcept {
    const double original = x;
    const int32_t steps = scale_steps(digits);
    const bool negative = x < 0;
    if (negative) x *= -1.0;
    for (int32_t i = 0; i < steps; ++i) x *= 10.0;
    const double a = x + 0.5;
    double s;
    if (a - std::floor(a) != 0) {
        s = std::floor(x + 0.5);
    } else {
        const double whole = std::floor(x);
        s = odd_whole(whole) ? std::floor(x + 0.5) : whole;
    }
    for (int32_t i = 0; i < steps; ++i) s /= 10.0;
    if (negative) s *= -1.0;
    return std::isfinite(s) || !std::isfinite(original) ? s : original;  // as round_half_away
}

// A value smaller than one unit of the last kept decimal is returned as it is. The test uses
// the digits as given (10^-2 for -2); only the rounding counts a negative digits as 0.
double softround(double x, int32_t digits) noexcept {
    const double p = std::pow(10.0, static_cast<double>(digits));
    if (std::fabs(x) * p < 1) return x;
    return round_half_away(x, digits < 0 ? 0 : digits);
}

double roundfloat(double x, double step) noexcept {
    if (step == 0) return 0.0;
    return std::floor(x / step + 0.5) * step;
}

double prozente(double value, double percent) noexcept { return value * percent / 100.0; }

double doubleabs(double x) noexcept { return 0 > x ? -x : x; }

int32_t integerabs(int32_t x) noexcept {
    return x < 0 ? static_cast<int32_t>(0u - static_cast<uint32_t>(x)) : x;
}

}  // namespace brindle::numeric

namespace num = brindle::numeric;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "numeric/fixedpoint.def"
#undef BRINDLE_FN
