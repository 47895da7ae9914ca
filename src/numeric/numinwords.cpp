// numinwords: a number spoken digit by digit, the words joined by hyphens and framed by "***".
#include <charconv>
#include <system_error>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "frame/registry.h"
#include "numeric/language.h"
#include "numeric/number_words.h"

namespace brindle::numeric {
namespace {

// The number is formatted as printf "%.10f" does. The text is not limited to 31 characters:
// larger values are spoken with every digit. A minus sign is written as a leading hyphen
// ("***-one-two***") when any digit spoken is not zero; "-0.00" is spoken as "0.00". Values
// without digits (infinities, NaN) give NULL.
bool numinwords(frame::TextOut& out, double value, int32_t decimals, std::string_view code) {
    if (!std::isfinite(value)) return false;
    if (decimals > 10) decimals = 10;
    if (decimals < 0) decimals = 0;

    char buf[340];  // sign, the 309 integer digits of DBL_MAX, point and 10 decimals
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 10);
    if (r.ec != std::errc()) return false;
    // An optional minus, digits, a point and ten decimals.
    std::string_view text(buf, static_cast<std::size_t>(r.ptr - buf));
    const std::size_t point = text.find('.');
    text = text.substr(0, decimals > 0 ? point + 1 + static_cast<std::size_t>(decimals) : point);

    const int32_t lang = decode_language(code);
    if (lang < 0) {
        out.append("???");
        return true;
    }

    bool negative = text[0] == '-';
    if (negative) {
        text.remove_prefix(1);
        negative = text.find_first_of("123456789") != std::string_view::npos;
    }
    const char* const* words = kNumberWords[lang];
    out.append("***");
    if (negative) out.put('-');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        out.append(c == '.' ? words[kPointWord] : words[c - '0']);
        if (i + 1 < text.size()) out.put('-');
    }
    out.append("***");
    return true;
}

}  // namespace
}  // namespace brindle::numeric

#define BRINDLE_FN BRINDLE_ROUTINE
#include "numeric/numinwords.def"
#undef BRINDLE_FN
