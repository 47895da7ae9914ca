// Miscellaneous text: domainfromemail, encryptmd5, telefonnr, predecessor, successor, ord, r_c.
#include "frame/text.h"
#include "frame/registry.h"
#include "string/md5.h"

namespace brindle::string {

using frame::TextOut;

// Everything after the first at sign, without trailing white space.
void domainfromemail(TextOut& out, std::string_view address) {
    const std::size_t at = address.find('@');
    if (at == std::string_view::npos) return;
    out.append(frame::trim_right(address.substr(at + 1)));
}

void encryptmd5(TextOut& out, std::string_view s) {
    static constexpr char kHex[] = "0123456789abcdef";
    const md5::Digest d = md5::digest(s);
    char text[32];
    for (std::size_t i = 0; i < d.size(); ++i) {
        text[2 * i] = kHex[d[i] >> 4];
        text[2 * i + 1] = kHex[d[i] & 0x0F];
    }
    out.append(text, sizeof text);
}

// The digits of a telephone number (with a leading plus), the last n of them masked. A negative
// n masks nothing.
void telefonnr(TextOut& out, std::string_view s, int32_t n) {
    const std::size_t mask = n < 0 ? 0 : static_cast<std::size_t>(n);
    // Pass 1: count the kept bytes, so the unmasked head can be written in pass 2.
    std::size_t kept = 0;
    for (char c : s) {
        if (frame::is_digit(c) || (c == '+' && kept == 0)) ++kept;
    }
    std::size_t head = kept > mask ? kept - mask : 0;
    std::size_t written = 0;
    for (std::size_t i = 0; i < s.size() && written < head && !out.exhausted(); ++i) {
        const char c = s[i];
        if (frame::is_digit(c) || (c == '+' && written == 0)) {
            out.put(c);
            ++written;
        }
    }
    out.fill('*', mask);
}

namespace {
void one_byte(TextOut& out, unsigned char b) {
    if (b != 0) out.put(static_cast<char>(b));
}
unsigned char first_byte(std::string_view c) { return c.empty() ? 0 : frame::byte(c[0]); }
}  // namespace

// predecessor adds n and successor subtracts it, modulo 256.
void predecessor(TextOut& out, std::string_view c, int32_t n) {
    one_byte(out, static_cast<unsigned char>(first_byte(c) + static_cast<uint32_t>(n)));
}
void successor(TextOut& out, std::string_view c, int32_t n) {
    one_byte(out, static_cast<unsigned char>(first_byte(c) - static_cast<uint32_t>(n)));
}

uint16_t ord(std::string_view c) { return first_byte(c); }

// The argument itself is the result. The legacy entry point hands back the server's own
// pointer, allocating nothing; a front end that must copy gets the text here.
void r_c(frame::TextOut& out, std::string_view value) { out.append(value); }

}  // namespace brindle::string

namespace str = brindle::string;


#define BRINDLE_FN BRINDLE_ROUTINE
#include "string/misc.def"
#undef BRINDLE_FN
