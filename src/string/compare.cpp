// Comparing and choosing: equalstring, r_strcmp, aif.
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "frame/text.h"
#include "frame/registry.h"

namespace brindle::string {
namespace {

using frame::TextOut;

int sign_of_compare(std::string_view a, std::string_view b) noexcept {
    const int c = a.compare(b);  // unsigned bytes, as the C library compares
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// Decimal or binary order of magnitude of a number text that does not fit a double, to tell an
// overflow from an underflow: positive when the value is large.
long magnitude_sign(const char* p, const char* end, bool hex) noexcept {
    long lead = 0;  // digits before the point after leading zeros, or minus the zeros after it
    bool seen_nonzero = false, after_point = false;
    const char exp_char = hex ? 'p' : 'e';
    for (; p < end; ++p) {
        const char c = *p;
        if (c == '.') {
            after_point = true;
        } else if ((c | 0x20) == exp_char) {
            ++p;
            break;
        } else if (!seen_nonzero && c == '0') {
            if (after_point) --lead;
        } else {
            seen_nonzero = true;
            if (!after_point) ++lead;
        }
    }
    long e = 0;
    bool neg = false;
    if (p < end && (*p == '+' || *p == '-')) neg = *p++ == '-';
    for (; p < end; ++p) {  // the exponent's digits: the range is what the conversion took
        if (e < 100000000) e = e * 10 + (*p - '0');
    }
    if (hex) lead *= 4;
    return lead + (neg ? -e : e);
}

// The C library's text-to-double conversion: leading white space, an optional sign, then a
// decimal or hexadecimal number, "inf", "infinity" or "nan"; the conversion stops at the first
// byte that does not fit, and a text without a number gives 0.
double text_to_double(std::string_view s) noexcept {
    std::size_t i = 0;
    while (i < s.size() && frame::is_space(s[i])) ++i;
    bool neg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
    if (i >= s.size() || s[i] == '+' || s[i] == '-') return 0.0;
    const char* p = s.data() + i;
    const char* end = s.data() + s.size();
    bool hex = false;
    if (end - p > 2 && p[0] == '0' && (p[1] | 0x20) == 'x') {
        const char* q = p + 2;
        if (*q == '.') ++q;
        if (q < end && frame::is_xdigit(*q)) {
            hex = true;
            p += 2;
        }
    }
    double v = 0.0;
    const auto r = std::from_chars(p, end, v, hex ? std::chars_format::hex : std::chars_format::general);
    if (r.ec == std::errc::invalid_argument) {
        v = 0.0;
    } else if (r.ec == std::errc::result_out_of_range) {
        v = magnitude_sign(p, r.ptr, hex) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return neg ? -v : v;
}

// Rounds to single precision the way the conversion of the hardware does (to nearest, ties to
// even), including values beyond the range of float, without undefined behaviour.
float to_single(double d) noexcept {
    constexpr double kFloatMax = std::numeric_limits<float>::max();
    constexpr double kHalfUlpAbove = 0x1.ffffffp127;  // halfway between FLT_MAX and 2^128
    if (std::isnan(d)) return std::numeric_limits<float>::quiet_NaN();
    const double a = std::fabs(d);
    if (a >= kHalfUlpAbove) return d < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    if (a > kFloatMax) return d < 0 ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
    return static_cast<float>(d);
}

bool numeric_holds(std::string_view a, std::string_view op, std::string_view b) noexcept {
    const float x = to_single(text_to_double(a));
    const float y = to_single(text_to_double(b));
    if (op == "n=") return x == y;
    if (op == "n<>") return x != y;
    if (op == "n<") return x < y;
    if (op == "n>") return x > y;
    if (op == "n<=") return x <= y;
    if (op == "n>=") return x >= y;
    return false;
}

bool bytes_hold(std::string_view a, std::string_view op, std::string_view b) noexcept {
    const int c = sign_of_compare(a, b);
    if (op == "=") return c == 0;
    if (op == "<>") return c != 0;
    if (op == "<") return c < 0;
    if (op == ">") return c > 0;
    if (op == "<=") return c <= 0;
    if (op == ">=") return c >= 0;
    return false;
}

}  // namespace

int32_t equalstring(std::string_view a, std::string_view b) { return a == b ? 1 : 0; }

int32_t r_strcmp(std::string_view a, std::string_view b) { return sign_of_compare(a, b); }

void aif(TextOut& out, std::string_view a, std::string_view op, std::string_view b,
         std::string_view then, std::string_view otherwise) {
    const bool holds = !op.empty() && op[0] == 'n' ? numeric_holds(a, op, b) : bytes_hold(a, op, b);
    out.append(holds ? then : otherwise);
}

}  // namespace brindle::string

namespace str = brindle::string;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "string/compare.def"
#undef BRINDLE_FN
