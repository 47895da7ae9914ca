// Periods: signed lengths of time written as [-][days:]hours:minutes:seconds, held as a signed
// 32-bit count of seconds.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "frame/block.h"

namespace brindle::date {

// The seconds of a period text; nullopt when it is malformed or its value does not fit in a
// signed 32-bit integer.
//
// An optional '-' as the very first byte negates the whole period. The rest holds three or four
// numbers (as many as it has ':' bytes plus one, anywhere in the text), read the way the C
// library reads "%d:%d:%d" or "%d:%d:%d:%d": each number may follow white space and carry its
// own sign, each ':' must follow its number at once, and whatever follows the last number is
// ignored. Every number must convert, be non-negative and fit in 32 bits.
std::optional<int32_t> period_parse(std::string_view text) noexcept;

// Writes the period text of a value: "-" for a negative value, then hours, minutes and seconds
// with at least two digits each, preceded by the days when there are any.
void period_format(frame::TextOut& out, int32_t seconds) noexcept;

}  // namespace brindle::date
