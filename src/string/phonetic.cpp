// Phonetic codes: soundex, gsoundex.
#include "frame/text.h"
#include "frame/registry.h"
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
// Pair lookup for two capitals A-Z (all pairs are such): offset of the pair's entry in the pair
// table, or -1. A two-byte text counts only where it first occurs at an entry boundary.
struct PairLookup {
    signed char at[26][26] = {};
    constexpr explicit PairLookup(std::string_view pairs) {
        for (auto& row : at)
            for (auto& v : row) v = -1;
        for (std::size_t i = 0; i + 1 < pairs.size(); ++i) {
            const int a = pairs[i] - 'A', b = pairs[i + 1] - 'A';
            if (a < 0 || a >= 26 || b < 0 || b >= 26 || at[a][b] != -1) continue;
            at[a][b] = static_cast<signed char>(i % 2 == 0 ? i : 127);  // 127: first seen mid-entry
        }
        for (auto& row : at)
            for (auto& v : row)
                if (v == 127) v = -1;
    }
};
constexpr PairLookup kPairs(tables::kPhoneticPairs);

int pair_index(char a, char b) {
    if (!frame::is_upper(a) || !frame::is_upper(b)) return -1;
    return kPairs.at[a - 'A'][b - 'A'];
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

#define BRINDLE_FN BRINDLE_ROUTINE
#include "string/phonetic.def"
#undef BRINDLE_FN
