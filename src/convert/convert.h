// Constants, number bases, Roman numerals and unit conversions.
#pragma once

#include <cstdint>
#include <string_view>

#include "frame/block.h"

namespace brindle::convert {

double pi() noexcept;
double euler() noexcept;
int32_t c() noexcept;
double g() noexcept;
double k() noexcept;

// Positional value of text: each byte counts with its first position in alphabet (the length
// of alphabet when absent); the sum wraps in 32 bits.
int32_t convertfrombase(std::string_view text, int32_t base, std::string_view alphabet) noexcept;
// Digits of value in base (the value taken as unsigned 32-bit); SQL NULL unless
// 2 <= base <= length of alphabet.
bool converttobase(frame::TextOut& out, int32_t value, int32_t base, std::string_view alphabet) noexcept;
int32_t convertfrom33(std::string_view text) noexcept;
void convertto33(frame::TextOut& out, int32_t value) noexcept;
void inttohex(frame::TextOut& out, std::size_t limit, int32_t value, int32_t width) noexcept;
int32_t hextoint(std::string_view text) noexcept;
int32_t roman2arabic(std::string_view numeral) noexcept;
void arabic2roman(frame::TextOut& out, int32_t value) noexcept;

}  // namespace brindle::convert
