// Number formatting with exactly the output of the C library's printf conversions used by the
// library ("%d", "%02d", "%u", "%x", "%.*f" ...), computed independently of the host C library.
#pragma once

#include <cstdint>

#include "frame/block.h"

namespace brindle::frame {

struct IntFormat {
    int width = 0;          // minimum field width
    bool zero_pad = false;  // '0' flag: pad with zeros after the sign
    bool left = false;      // '-' flag: pad on the right with blanks
    bool plus = false;      // '+' flag
    bool space = false;     // ' ' flag
    int precision = -1;     // minimum digits; -1 when absent
};

// printf "%d"-style conversion of a signed value (base 10).
void put_int(TextOut& out, int64_t value, const IntFormat& f = {}) noexcept;
// printf "%u", "%o", "%x", "%X"-style conversion of an unsigned value; `alt` is the '#' flag.
void put_unsigned(TextOut& out, uint64_t value, int base, bool upper, const IntFormat& f = {},
                  bool alt = false) noexcept;
// "%0<width>d" shorthand.
inline void put_int0(TextOut& out, int64_t value, int width) noexcept {
    IntFormat f;
    f.width = width;
    f.zero_pad = true;
    put_int(out, value, f);
}

// printf "%.<precision>f": exact decimal expansion rounded to nearest, ties to even as glibc
// does; "inf", "-inf", "nan", "-nan" for the special values. A negative precision means 6.
void put_fixed(TextOut& out, double value, int precision) noexcept;

}  // namespace brindle::frame
