// Case mapping and byte substitution: upper, lower, rupper, rlower, rlatin, propercase, collatebr,
// keyup, convertsymbols, rot13.
#include "frame/text.h"
#include "frame/registry.h"
#include "string/tables.h"

namespace brindle::string {
namespace {

using frame::TextOut;

// One output byte per input byte through a 256-byte table.
void map_bytes(TextOut& out, std::string_view s, const unsigned char (&table)[256]) {
    auto span = out.reserve(s.size());
    for (std::size_t i = 0; i < span.size; ++i) span.data[i] = static_cast<char>(table[frame::byte(s[i])]);
    out.commit(span.size);
}

// A byte that belongs to a word for propercase: ASCII letter or digit, or 0xC0-0xFF.
bool proper_word_byte(char c) { return frame::is_alnum(c) || frame::byte(c) >= 0xC0; }

// ROT13 of ASCII letters as a table, built once at compile time.
struct Rot13Table {
    unsigned char t[256];
    constexpr Rot13Table() : t() {
        for (int b = 0; b < 256; ++b) t[b] = static_cast<unsigned char>(b);
        for (int i = 0; i < 26; ++i) {
            t['a' + i] = static_cast<unsigned char>('a' + (i + 13) % 26);
            t['A' + i] = static_cast<unsigned char>('A' + (i + 13) % 26);
        }
    }
};
constexpr Rot13Table kRot13;

}  // namespace

void upper(TextOut& out, std::string_view s) { map_bytes(out, s, frame::kLatin1Upper); }
void lower(TextOut& out, std::string_view s) { map_bytes(out, s, frame::kLatin1Lower); }
void rupper(TextOut& out, std::string_view s) { map_bytes(out, s, tables::kCp1251Upper); }
void rlower(TextOut& out, std::string_view s) { map_bytes(out, s, tables::kCp1251Lower); }
void rlatin(TextOut& out, std::string_view s) { map_bytes(out, s, tables::kCyrillicLatin); }
void collatebr(TextOut& out, std::string_view s) { map_bytes(out, s, tables::kCollate); }
void rot13(TextOut& out, std::string_view s) { map_bytes(out, s, kRot13.t); }

void propercase(TextOut& out, std::string_view s) {
    auto span = out.reserve(s.size());
    bool word_start = true;
    for (std::size_t i = 0; i < span.size; ++i) {
        const char c = s[i];
        if (!proper_word_byte(c)) {
            span.data[i] = c;
            word_start = true;
        } else {
            span.data[i] = word_start ? frame::latin1_upper(c) : frame::latin1_lower(c);
            word_start = false;
        }
    }
    out.commit(span.size);
}

// Upper-case ASCII key: letters and digits, accented letters without their accents (some as
// two letters), everything else dropped; at most maxlen bytes.
void keyup(TextOut& out, std::string_view s, int32_t maxlen) {
    if (maxlen <= 0) return;
    const std::size_t limit = static_cast<std::size_t>(maxlen);
    std::size_t written = 0;
    for (std::size_t i = 0; i < s.size() && written < limit && !out.exhausted(); ++i) {
        const unsigned char u = frame::kLatin1Upper[frame::byte(s[i])];
        const unsigned char first = tables::kKeyFirst[u];
        if (first == 0) continue;
        out.put(static_cast<char>(first));
        ++written;
        const unsigned char second = tables::kKeySecond[u];
        if (second != 0 && written < limit) {
            out.put(static_cast<char>(second));
            ++written;
        }
    }
}

// Each byte of s found in `from` becomes the byte of `to` at the index of its first occurrence.
bool convertsymbols(TextOut& out, std::string_view s, std::string_view from, std::string_view to) {
    if (to.size() < from.size()) return false;
    unsigned char table[256];
    bool seen[256] = {};
    for (int b = 0; b < 256; ++b) table[b] = static_cast<unsigned char>(b);
    for (std::size_t i = 0; i < from.size(); ++i) {
        const unsigned char c = frame::byte(from[i]);
        if (!seen[c]) {
            seen[c] = true;
            table[c] = frame::byte(to[i]);
        }
    }
    auto span = out.reserve(s.size());
    for (std::size_t i = 0; i < span.size; ++i) span.data[i] = static_cast<char>(table[frame::byte(s[i])]);
    out.commit(span.size);
    return true;
}

}  // namespace brindle::string

namespace str = brindle::string;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "string/case.def"
#undef BRINDLE_FN
