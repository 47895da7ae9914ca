// Periods as text: parsing, formatting, adding and subtracting.
#include "date/period.h"

#include <cstddef>
#include <cstdint>
#include <limits>

#include "frame/format.h"
#include "frame/text.h"
#include "frame/registry.h"

namespace brindle::date {
namespace {

constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();

constexpr bool fits32(int64_t v) noexcept { return v >= kInt32Min && v <= kInt32Max; }

// One "%d" conversion starting at `i`: white space, an optional sign, one or more digits.
// False on a matching failure. The magnitude saturates above 32 bits, so any digit string
// keeps the arithmetic defined; the caller rejects such values.
bool scan_number(std::string_view s, std::size_t& i, int64_t& value) noexcept {
    while (i < s.size() && frame::is_space(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i >= s.size() || !frame::is_digit(s[i])) return false;
    int64_t magnitude = 0;
    for (; i < s.size() && frame::is_digit(s[i]); ++i) {
        if (magnitude <= kInt32Max) magnitude = magnitude * 10 + (s[i] - '0');
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

}  // namespace

std::optional<int32_t> period_parse(std::string_view text) noexcept {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);

    std::size_t fields = 1;
    for (char c : text) fields += c == ':' ? 1 : 0;
    if (fields != 3 && fields != 4) return std::nullopt;

    int64_t part[4] = {0, 0, 0, 0};  // days, hours, minutes, seconds
    std::size_t i = 0;
    for (std::size_t k = 4 - fields; k < 4; ++k) {
        if (k > 4 - fields) {
            if (i >= text.size() || text[i] != ':') return std::nullopt;
            ++i;
        }
        if (!scan_number(text, i, part[k]) || part[k] < 0 || part[k] > kInt32Max) {
            return std::nullopt;
        }
    }
    int64_t value = part[0] * 86400 + part[1] * 3600 + part[2] * 60 + part[3];
    if (negative) value = -value;
    if (!fits32(value)) return std::nullopt;
    return static_cast<int32_t>(value);
}

void period_format(frame::TextOut& out, int32_t seconds) noexcept {
    int64_t value = seconds;
    if (value < 0) {
        out.put('-');
        value = -value;
    }
    const int64_t days = value / 86400;
    int64_t rest = value - days * 86400;
    const int64_t hours = rest / 3600;
    rest -= hours * 3600;
    const int64_t minutes = rest / 60;
    rest -= minutes * 60;
    if (days != 0) {
        frame::put_int0(out, days, 2);
        out.put(':');
    }
    frame::put_int0(out, hours, 2);
    out.put(':');
    frame::put_int0(out, minutes, 2);
    out.put(':');
    frame::put_int0(out, rest, 2);
}

namespace {

// A sum or difference that leaves the 32-bit range is NULL, like a text whose value does.
bool combine(frame::TextOut& out, std::string_view a, std::string_view b, int sign) noexcept {
    const auto x = period_parse(a);
    const auto y = period_parse(b);
    if (!x || !y) return false;
    const int64_t value = int64_t{*x} + sign * int64_t{*y};
    if (!fits32(value)) return false;
    period_format(out, static_cast<int32_t>(value));
    return true;
}

}  // namespace

bool addperiod(frame::TextOut& out, std::string_view a, std::string_view b) noexcept {
    return combine(out, a, b, 1);
}

bool subperiod(frame::TextOut& out, std::string_view a, std::string_view b) noexcept {
    return combine(out, a, b, -1);
}

std::optional<int32_t> period2seconds(std::string_view text) noexcept { return period_parse(text); }

void seconds2period(frame::TextOut& out, int32_t seconds) noexcept { period_format(out, seconds); }

}  // namespace brindle::date

#define BRINDLE_FN BRINDLE_ROUTINE
#include "date/period.def"
#undef BRINDLE_FN
