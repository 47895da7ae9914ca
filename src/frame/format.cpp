#include "frame/format.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace brindle::frame {
namespace {

// Digits of v in base, most significant first, into buf (at least 64 bytes); returns count.
int digits_of(uint64_t v, int base, bool upper, char* buf) noexcept {
    const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    char tmp[64];
    int n = 0;
    do {
        tmp[n++] = set[v % static_cast<unsigned>(base)];
        v /= static_cast<unsigned>(base);
    } while (v != 0);
    for (int i = 0; i < n; ++i) buf[i] = tmp[n - 1 - i];
    return n;
}

void emit(TextOut& out, const char* sign, int sign_len, const char* prefix, int prefix_len,
          const char* digits, int ndigits, const IntFormat& f) noexcept {
    int zeros = f.precision > ndigits ? f.precision - ndigits : 0;
    const int body = sign_len + prefix_len + zeros + ndigits;
    const int pad = f.width > body ? f.width - body : 0;
    if (f.left) {
        out.append(sign, sign_len);
        out.append(prefix, prefix_len);
        out.fill('0', zeros);
        out.append(digits, ndigits);
        out.fill(' ', pad);
    } else if (f.zero_pad && f.precision < 0) {
        out.append(sign, sign_len);
        out.append(prefix, prefix_len);
        out.fill('0', pad + zeros);
        out.append(digits, ndigits);
    } else {
        out.fill(' ', pad);
        out.append(sign, sign_len);
        out.append(prefix, prefix_len);
        out.fill('0', zeros);
        out.append(digits, ndigits);
    }
}

}  // namespace

void put_int(TextOut& out, int64_t value, const IntFormat& f) noexcept {
    char digits[64];
    const uint64_t mag = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    int n = digits_of(mag, 10, false, digits);
    if (f.precision == 0 && value == 0) n = 0;
    const char* sign = value < 0 ? "-" : f.plus ? "+" : f.space ? " " : "";
    emit(out, sign, static_cast<int>(std::strlen(sign)), "", 0, digits, n, f);
}

void put_unsigned(TextOut& out, uint64_t value, int base, bool upper, const IntFormat& f,
                  bool alt) noexcept {
    char digits[65];
    int n = digits_of(value, base, upper, digits + 1);
    char* first = digits + 1;
    if (f.precision == 0 && value == 0) n = 0;
    const char* prefix = "";
    if (alt && base == 16 && value != 0) prefix = upper ? "0X" : "0x";
    // '#' with octal: the first digit printed is a 0, added unless the precision's zeros give it.
    if (alt && base == 8 && (n == 0 || first[0] != '0') && f.precision <= n) {
        *--first = '0';
        ++n;
    }
    emit(out, "", 0, prefix, static_cast<int>(std::strlen(prefix)), first, n, f);
}

void put_fixed(TextOut& out, double value, int precision) noexcept {
    if (precision < 0) precision = 6;
    if (std::isnan(value)) {
        out.append(std::signbit(value) ? "-nan" : "nan");
        return;
    }
    if (std::isinf(value)) {
        out.append(value < 0 ? "-inf" : "inf");
        return;
    }
    // A double has at most 1074 significant fraction digits; beyond that the digits are zeros.
    constexpr int kMaxExact = 1074;
    const int exact = precision < kMaxExact ? precision : kMaxExact;
    char buf[310 + 2 + kMaxExact + 8];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, exact);
    out.append(buf, static_cast<std::size_t>(r.ptr - buf));
    if (precision > exact) out.fill('0', static_cast<std::size_t>(precision - exact));
}

}  // namespace brindle::frame
