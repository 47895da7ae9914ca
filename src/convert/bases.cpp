// Constants, number bases, hexadecimal text and Roman numerals.
#include <array>

#include "convert/convert.h"
#include "frame/text.h"
#include "frame/registry.h"

namespace brindle::convert {
namespace {

// Digits 1-9 and the letters without O; base 33 uses the first 33 symbols ("1" to "Y").
constexpr std::string_view kBase33 = "123456789ABCDEFGHIJKLMNPQRSTUVWXYZ";

struct RomanRow {
    int32_t value;
    std::string_view numeral;
};
// Descending; thousands are written as repeated "M".
constexpr std::array<RomanRow, 13> kRoman{{{1000, "M"},
                                           {900, "CM"},
                                           {500, "D"},
                                           {400, "CD"},
                                           {100, "C"},
                                           {90, "XC"},
                                           {50, "L"},
                                           {40, "XL"},
                                           {10, "X"},
                                           {9, "IX"},
                                           {5, "V"},
                                           {4, "IV"},
                                           {1, "I"}}};
constexpr int32_t kRomanMax = 200000;

constexpr int32_t roman_letter(char ch) noexcept {
    switch (frame::ascii_upper(ch)) {
        case 'M': return 1000;
        case 'D': return 500;
        case 'C': return 100;
        case 'L': return 50;
        case 'X': return 10;
        case 'V': return 5;
        case 'I': return 1;
        default: return -1;
    }
}

}  // namespace

double pi() noexcept { return 3.141592654; }
double euler() noexcept { return 2.718281828; }
int32_t c() noexcept { return 299792458; }
double g() noexcept { return 9.80665; }
double k() noexcept { return -273.15; }

int32_t convertfrombase(std::string_view text, int32_t base, std::string_view alphabet) noexcept {
    // Value of every byte: its first position in the alphabet, else the alphabet's length.
    std::array<uint32_t, 256> digit;
    digit.fill(static_cast<uint32_t>(alphabet.size()));
    for (std::size_t i = alphabet.size(); i-- > 0;) digit[frame::byte(alphabet[i])] = static_cast<uint32_t>(i);

    uint32_t result = 0;
    const auto b = static_cast<uint32_t>(base);
    for (char ch : text) result = result * b + digit[frame::byte(ch)];
    return static_cast<int32_t>(result);
}

bool converttobase(frame::TextOut& out, int32_t value, int32_t base, std::string_view alphabet) noexcept {
    if (base < 2 || static_cast<std::size_t>(base) > alphabet.size()) return false;
    const auto b = static_cast<uint32_t>(base);
    char digits[32];  // 2^32 - 1 has 32 binary digits
    int n = 0;
    auto v = static_cast<uint32_t>(value);
    do {
        digits[n++] = alphabet[v % b];
        v /= b;
    } while (v != 0);
    while (n > 0) out.put(digits[--n]);
    return true;
}

int32_t convertfrom33(std::string_view text) noexcept { return convertfrombase(text, 33, kBase33); }

void convertto33(frame::TextOut& out, int32_t value) noexcept { converttobase(out, value, 33, kBase33); }

void inttohex(frame::TextOut& out, std::size_t limit, int32_t value, int32_t width) noexcept {
    char digits[8];
    int n = 0;
    auto v = static_cast<uint32_t>(value);
    do {
        digits[n++] = "0123456789abcdef"[v & 15u];
        v >>= 4;
    } while (v != 0);
    // The field width, as an unsigned magnitude; a negative width pads after the digits. The
    // padding never pushes the digits out of the text: it stops at the limit.
    const uint32_t field = width < 0 ? 0u - static_cast<uint32_t>(width) : static_cast<uint32_t>(width);
    const std::size_t cap = limit;
    const std::size_t room = cap > static_cast<std::size_t>(n) ? cap - static_cast<std::size_t>(n) : 0;
    const std::size_t pad = field > static_cast<uint32_t>(n) ? field - static_cast<uint32_t>(n) : 0;
    const std::size_t zeros = pad < room ? pad : room;
    if (zeros < pad) out.note_clamped();
    if (width > 0) out.fill('0', zeros);
    while (n > 0) out.put(digits[--n]);
    if (width < 0) out.fill('0', zeros);
}

int32_t hextoint(std::string_view text) noexcept {
    uint32_t result = 0;
    for (char ch : text) {
        result <<= 4;
        const auto u = static_cast<uint32_t>(frame::byte(ch));
        if (frame::is_digit(ch)) {
            result += u - '0';
        } else if (frame::is_alpha(ch)) {
            result += ch <= 'Z' ? u - 55u : u - 87u;
        }
    }
    return static_cast<int32_t>(result);
}

int32_t roman2arabic(std::string_view numeral) noexcept {
    uint32_t sum = 0;  // wraps rather than overflows for absurdly long numerals
    uint32_t prev = 0;
    for (char ch : numeral) {
        const int32_t v = roman_letter(ch);
        if (v < 0) return -1;
        if (prev < static_cast<uint32_t>(v)) {
            sum -= prev;
        } else {
            sum += prev;
        }
        prev = static_cast<uint32_t>(v);
    }
    return static_cast<int32_t>(sum + prev);
}

void arabic2roman(frame::TextOut& out, int32_t value) noexcept {
    if (value < 1 || value > kRomanMax) return;
    out.fill('M', static_cast<std::size_t>(value / 1000));
    value %= 1000;
    for (std::size_t i = 1; i < kRoman.size(); ++i) {
        while (value >= kRoman[i].value) {
            out.append(kRoman[i].numeral);
            value -= kRoman[i].value;
        }
    }
}

}  // namespace brindle::convert

namespace cv = brindle::convert;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "convert/bases.def"
#undef BRINDLE_FN
