// Number formatting: floattostr, inttostr, dollarval, euroval.
//
// The caller's format never reaches the C library. It is read here: literal text, "%%", and at
// most one conversion of the form
//     % [flags "-+ #0"] [width 0-1000] [. precision 0-1000] conversion
// where the conversion is one of d i o u x X (an integer), c for inttostr only (the integer as a
// byte), or f F e E g G a A for floattostr only (a double). Anything else - another conversion
// letter (s, n, p ...), '*', a length modifier, a positional argument, a second conversion, a lone
// '%' at the end - makes the result SQL NULL. The output is exactly what the C library's printf
// prints for the accepted formats.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

#include "frame/format.h"
#include "frame/text.h"
#include "frame/registry.h"

namespace brindle::string {
namespace {

using frame::TextOut;

constexpr int kMaxField = 1000;  // bound of width and precision

struct Conversion {
    bool minus = false, plus = false, space = false, hash = false, zero = false;
    int width = 0;
    int precision = -1;  // -1: not given
    char conv = 0;
    std::size_t begin = 0, end = 0;  // its bytes in the format, '%' to conversion letter
};

bool is_integer_conversion(char c) { return std::string_view("diouxX").find(c) != std::string_view::npos; }
bool is_double_conversion(char c) { return std::string_view("fFeEgGaA").find(c) != std::string_view::npos; }

// Reads digits at format[i]; false when they exceed the bound.
bool read_number(std::string_view f, std::size_t& i, int& value) {
    value = 0;
    while (i < f.size() && frame::is_digit(f[i])) {
        value = value * 10 + (f[i] - '0');
        if (value > kMaxField) return false;
        ++i;
    }
    return true;
}

// Validates the format. Returns false for a refused format; sets `found` when it holds the one
// conversion, whose letter must satisfy `allowed`.
bool parse_format(std::string_view f, bool (*allowed)(char), Conversion& c, bool& found) {
    found = false;
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] != '%') continue;
        const std::size_t begin = i++;
        if (i >= f.size()) return false;  // lone '%' at the end
        if (f[i] == '%') continue;        // "%%"
        if (found) return false;          // a second conversion
        Conversion k;
        for (; i < f.size(); ++i) {
            const char ch = f[i];
            if (ch == '-') k.minus = true;
            else if (ch == '+') k.plus = true;
            else if (ch == ' ') k.space = true;
            else if (ch == '#') k.hash = true;
            else if (ch == '0') k.zero = true;
            else break;
        }
        if (!read_number(f, i, k.width)) return false;
        if (i < f.size() && f[i] == '.') {
            ++i;
            if (!read_number(f, i, k.precision)) return false;
        }
        if (i >= f.size() || !allowed(f[i])) return false;
        k.conv = f[i];
        k.begin = begin;
        k.end = i + 1;
        c = k;
        found = true;
    }
    return true;
}

// Writes a piece of format that holds no conversion, "%%" giving one '%'.
void put_literal(TextOut& out, std::string_view f) {
    std::size_t i = 0;
    while (i < f.size()) {
        const std::size_t p = f.find('%', i);
        if (p == std::string_view::npos) {
            out.append(f.substr(i));
            return;
        }
        out.append(f.substr(i, p + 1 - i));  // up to and including the first '%' of "%%"
        i = p + 2;
    }
}

frame::IntFormat int_format(const Conversion& c) {
    frame::IntFormat f;
    f.width = c.width;
    f.zero_pad = c.zero;
    f.left = c.minus;
    f.plus = c.plus;
    f.space = c.space;
    f.precision = c.precision;
    return f;
}

void put_integer(TextOut& out, int32_t v, const Conversion& c) {
    const frame::IntFormat f = int_format(c);
    switch (c.conv) {
        case 'd':
        case 'i': frame::put_int(out, v, f); break;
        case 'o': frame::put_unsigned(out, static_cast<uint32_t>(v), 8, false, f, c.hash); break;
        case 'u': frame::put_unsigned(out, static_cast<uint32_t>(v), 10, false, f, false); break;
        case 'c': {
            // The low byte of the value, padded with blanks (the '0' flag and precision do nothing).
            const std::size_t pad = c.width > 1 ? static_cast<std::size_t>(c.width - 1) : 0;
            if (!c.minus) out.fill(' ', pad);
            out.put(static_cast<char>(static_cast<uint32_t>(v) & 0xFFu));
            if (c.minus) out.fill(' ', pad);
            break;
        }
        case 'x': frame::put_unsigned(out, static_cast<uint32_t>(v), 16, false, f, c.hash); break;
        default: frame::put_unsigned(out, static_cast<uint32_t>(v), 16, true, f, c.hash); break;
    }
}

// A formatted double: at most the width bound plus the longest body (309 integer digits, point,
// 1000 fraction digits, or a mantissa of 1001 digits with its exponent).
struct DoubleText {
    char buf[2 * kMaxField + 400];
    std::size_t len = 0;
};

// %a body after the "0x": the leading digit, the 13 hexadecimal digits of the mantissa (trailing
// zeros dropped without a precision, else rounded half to even to the precision or padded with
// zeros) and the binary exponent. Subnormals keep the leading digit 0 and the exponent -1022;
// rounding may carry the leading digit up to 2. `buf` holds at least precision + 16 bytes.
std::size_t hex_body(double a, int precision, bool hash, bool upper, char* buf) {
    uint64_t bits;
    std::memcpy(&bits, &a, sizeof bits);
    const uint64_t biased = (bits >> 52) & 0x7FF;
    const uint64_t mant = bits & ((uint64_t{1} << 52) - 1);
    int lead = biased == 0 ? 0 : 1;
    const int exp = biased == 0 ? (mant == 0 ? 0 : -1022) : static_cast<int>(biased) - 1023;
    int d[13];
    for (int i = 0; i < 13; ++i) d[i] = static_cast<int>((mant >> (48 - 4 * i)) & 0xF);
    int n = precision;
    if (precision < 0) {
        n = 13;
        while (n > 0 && d[n - 1] == 0) --n;
    } else if (precision < 13) {
        const int last = n > 0 ? d[n - 1] : lead;
        bool more = false;
        for (int i = n + 1; i < 13; ++i) more = more || d[i] != 0;
        if (d[n] > 8 || (d[n] == 8 && (more || (last & 1) != 0))) {
            int i = n - 1;
            while (i >= 0 && d[i] == 0xF) d[i--] = 0;
            if (i >= 0) {
                ++d[i];
            } else {
                ++lead;
            }
        }
    }
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    char* p = buf;
    *p++ = static_cast<char>('0' + lead);
    if (n > 0 || hash) *p++ = '.';
    for (int i = 0; i < n; ++i) *p++ = i < 13 ? digits[d[i]] : '0';
    *p++ = upper ? 'P' : 'p';
    *p++ = exp < 0 ? '-' : '+';
    p = std::to_chars(p, p + 8, exp < 0 ? -exp : exp).ptr;
    return static_cast<std::size_t>(p - buf);
}

// Body of a finite, non-negative value for %f/%e/%g/%a (without sign, padding and the "0x" of
// %a); false on failure.
bool double_body(double a, const Conversion& c, char* buf, std::size_t cap, std::size_t& len) {
    const char lower = static_cast<char>(c.conv | 0x20);
    if (lower == 'a') {
        len = hex_body(a, c.precision, c.hash, c.conv == 'A', buf);
        return true;
    }
    int prec = c.precision < 0 ? 6 : c.precision;
    bool strip = false;
    std::to_chars_result r;
    if (lower == 'f') {
        r = std::to_chars(buf, buf + cap, a, std::chars_format::fixed, prec);
    } else if (lower == 'e') {
        r = std::to_chars(buf, buf + cap, a, std::chars_format::scientific, prec);
    } else {
        // %g: the style of %e with precision P - 1 gives the exponent X; %f is used with
        // precision P - 1 - X when P > X >= -4, else %e with precision P - 1.
        const int p = prec == 0 ? 1 : prec;
        r = std::to_chars(buf, buf + cap, a, std::chars_format::scientific, p - 1);
        if (r.ec != std::errc()) return false;
        const char* e = static_cast<const char*>(std::memchr(buf, 'e', static_cast<std::size_t>(r.ptr - buf)));
        if (e == nullptr) return false;
        int x = 0;
        std::from_chars(e + 1 + (e[1] == '+'), r.ptr, x);
        if (p > x && x >= -4) r = std::to_chars(buf, buf + cap, a, std::chars_format::fixed, p - 1 - x);
        prec = p;  // marks that a point may be needed for '#'
        strip = !c.hash;
    }
    if (r.ec != std::errc()) return false;
    len = static_cast<std::size_t>(r.ptr - buf);
    char* e = static_cast<char*>(std::memchr(buf, 'e', len));
    const std::size_t mant_end = e != nullptr ? static_cast<std::size_t>(e - buf) : len;
    const bool has_point = std::memchr(buf, '.', mant_end) != nullptr;
    if (strip && has_point) {
        std::size_t k = mant_end;
        while (buf[k - 1] == '0') --k;
        if (buf[k - 1] == '.') --k;
        std::memmove(buf + k, buf + mant_end, len - mant_end);
        len -= mant_end - k;
    } else if (c.hash && !has_point) {
        if (len + 1 > cap) return false;
        std::memmove(buf + mant_end + 1, buf + mant_end, len - mant_end);
        buf[mant_end] = '.';
        ++len;
    }
    if (c.conv == 'E' || c.conv == 'G') {
        for (std::size_t i = 0; i < len; ++i) {
            if (buf[i] == 'e') buf[i] = 'E';
        }
    }
    return true;
}

// The whole conversion of a double, padded to its width.
bool format_double(double v, const Conversion& c, DoubleText& t) {
    char body[2 * kMaxField + 100];
    std::size_t blen = 0;
    const bool upper = c.conv == 'F' || c.conv == 'E' || c.conv == 'G' || c.conv == 'A';
    const bool finite = std::isfinite(v);
    if (!finite) {
        std::memcpy(body, std::isnan(v) ? (upper ? "NAN" : "nan") : (upper ? "INF" : "inf"), 3);
        blen = 3;
    } else if (!double_body(std::fabs(v), c, body, sizeof body, blen)) {
        return false;
    }
    const char sign = std::signbit(v) ? '-' : c.plus ? '+' : c.space ? ' ' : 0;
    // %a puts its "0x" between the sign and the zero padding.
    const std::string_view prefix = finite && (c.conv | 0x20) == 'a' ? (upper ? "0X" : "0x") : "";
    const std::size_t content = blen + (sign != 0) + prefix.size();
    const std::size_t pad = static_cast<std::size_t>(c.width) > content ? c.width - content : 0;
    char* p = t.buf;
    if (!c.minus && !(c.zero && finite)) p = static_cast<char*>(std::memset(p, ' ', pad)) + pad;
    if (sign != 0) *p++ = sign;
    p = std::copy(prefix.begin(), prefix.end(), p);
    if (!c.minus && c.zero && finite) p = static_cast<char*>(std::memset(p, '0', pad)) + pad;
    std::memcpy(p, body, blen);
    p += blen;
    if (c.minus) p = static_cast<char*>(std::memset(p, ' ', pad)) + pad;
    t.len = static_cast<std::size_t>(p - t.buf);
    return true;
}

// "%.0f" of the value read back as a C int: decimal digits with wrapping 32-bit arithmetic, so
// values beyond the int range keep their low 32 bits; infinities and NaN have no digits (0).
int32_t rounded_to_int(double x) {
    if (!std::isfinite(x)) return 0;
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, 0);
    if (r.ec != std::errc()) return 0;
    const char* p = buf;
    const bool neg = *p == '-';
    if (neg) ++p;
    uint32_t acc = 0;
    for (; p < r.ptr; ++p) acc = acc * 10u + static_cast<uint32_t>(*p - '0');
    return static_cast<int32_t>(neg ? 0u - acc : acc);
}

bool any_conversion(char c) { return is_integer_conversion(c) || is_double_conversion(c); }
bool int_argument_conversion(char c) { return is_integer_conversion(c) || c == 'c'; }

}  // namespace

bool floattostr(TextOut& out, double x, std::string_view format) {
    Conversion c;
    bool found = false;
    if (!parse_format(format, any_conversion, c, found)) return false;
    if (!found) {
        put_literal(out, format);
        return true;
    }
    DoubleText t;
    const bool integer = is_integer_conversion(c.conv);
    if (!integer && !format_double(x, c, t)) return false;
    put_literal(out, format.substr(0, c.begin));
    if (integer) {
        put_integer(out, rounded_to_int(x), c);
    } else {
        out.append(t.buf, t.len);
    }
    put_literal(out, format.substr(c.end));
    return true;
}

bool inttostr(TextOut& out, int32_t n, std::string_view format) {
    Conversion c;
    bool found = false;
    if (!parse_format(format, int_argument_conversion, c, found)) return false;
    if (!found) {
        put_literal(out, format);
        return true;
    }
    put_literal(out, format.substr(0, c.begin));
    put_integer(out, n, c);
    put_literal(out, format.substr(c.end));
    return true;
}

void dollarval(TextOut& out, double x) {
    out.put('$');
    frame::put_fixed(out, x, 2);
}

void euroval(TextOut& out, double x) {
    frame::put_fixed(out, x, 2);
    out.append(" EUR");
}

}  // namespace brindle::string

namespace str = brindle::string;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "string/format_text.def"
#undef BRINDLE_FN
