// Phonetic codes: soundex, gsoundex.
#include "frame/text.h"
#include "frame/udf.h"
#include "string/tables.h"

namespace brindle::string {
namespace {

using frame::TextOut;

// Lookup tables derived at compile time from the phonetic strings.
struct Membership {
    bool in[256] = {};
    constexpr explicit Membership(std::string_view set) {
        for (char c : set) in[static_cast<unsigned char>(c)] = true;
    }
};
struct Substitution {
    unsigned char to[256] = {};
    constexpr Substitution(std::string_view from, std::string_view repl) {
        for (int b = 0; b < 256; ++b) to[b] = static_cast<unsigned char>(b);
        for (std::size_t i = from.size(); i-- > 0;) to[static_cast<unsigned char>(from[i])] = static_cast<unsigned char>(repl[i]);
    }
};

constexpr Membership kLetters(tables::kPhoneticLetters);
constexpr Membership kKept(tables::kPhoneticKept);
constexpr Substitution kSingles(tables::kPhoneticSingles, tables::kPhoneticSingleReplacements);
// Bytes that begin some pair: only these need the pair table.
struct PairStarts {
    bool in[256] = {};
    constexpr explicit PairStarts(std::string_view pairs) {
        for (std::size_t i = 0; i < pairs.size(); i += 2) in[static_cast<unsigned char>(pairs[i])] = true;
    }
};
constexpr PairStarts kPairStart(tables::kPhoneticPairs);

// Index of the pair (a, b) in the pair table, or -1. Only pairs at entry boundaries count.
int pair_index(char a, char b) {
    const std::string_view pairs = tables::kPhoneticPairs;
    for (std::size_t i = 0; i < pairs.size(); i += 2) {
        if (pairs[i] == a && pairs[i + 1] == b) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

void soundex(TextOut& out, std::string_view s) {
    char code[5] = {' ', '0', '0', '0', '0'};
    if (!s.empty()) {
        code[0] = frame::ascii_upper(s[0]);
        int next = 1;
        for (std::size_t i = 1; i < s.size() && next < 5; ++i) {
            const unsigned char digit = tables::kSoundexCode[frame::byte(s[i])];
            if (digit == 0 || static_cast<char>(digit) == code[next - 1]) continue;
            code[next++] = static_cast<char>(digit);
        }
    }
    out.append(code, sizeof code);
}

// German phonetic code, built in place in the result buffer.
void gsoundex(TextOut& out, std::string_view s) {
    auto span = out.reserve(s.size());
    char* b = span.data;
    std::size_t n = 0;
    // Upper-case and keep the letters.
    for (std::size_t i = 0; i < s.size() && n < span.size; ++i) {
        const char u = frame::latin1_upper(s[i]);
        if (kLetters.in[frame::byte(u)]) b[n++] = u;
    }
    // Pairs, scanned at every position; a replacement's second byte starts the next pair.
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (!kPairStart.in[frame::byte(b[i])]) continue;
        const int p = pair_index(b[i], b[i + 1]);
        if (p < 0) continue;
        b[i] = tables::kPhoneticPairReplacements[static_cast<std::size_t>(p)];
        b[i + 1] = tables::kPhoneticPairReplacements[static_cast<std::size_t>(p) + 1];
    }
    // Singles, then keep the code bytes and collapse runs of equal bytes.
    std::size_t m = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char c = static_cast<char>(kSingles.to[frame::byte(b[i])]);
        if (!kKept.in[frame::byte(c)]) continue;
        if (m > 0 && b[m - 1] == c) continue;
        b[m++] = c;
    }
    out.commit(m);
}

}  // namespace brindle::string

namespace str = brindle::string;
using brindle::frame::udf;

BRINDLE_ENTRY char* soundex(const char* s) { return udf<str::soundex>(s); }
BRINDLE_ENTRY char* gsoundex(const char* s) { return udf<str::gsoundex>(s); }
