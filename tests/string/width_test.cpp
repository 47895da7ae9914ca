// Every text result stays within the width its registry row declares. Each routine is called at
// its worst case for text arguments of a range of declared widths, through a writer that never
// has to cut, and the longest result is held against the row's rule. A result that the legacy
// writer (32767 bytes) has to cut or clamp depends on its capacity: exactly the rows marked
// PURE_CAP have such a case.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "frame/block.h"
#include "frame/registry.h"
#include "string/string_tests.h"

#define BRINDLE_FN(sql, entry, routine, result, travel, args, ...) \
    namespace brindle::routines {                                  \
    extern const BR_CANON(result, travel, args)::fn entry;         \
    }
#include "string/string_rows.h"
#undef BRINDLE_FN

namespace brindle::test {
namespace {

namespace r = brindle::routines;
using frame::TextOut;
using frame::WidthRule;

struct Row {
    frame::Width width;
    frame::Traits traits;
    bool text;
};
const std::map<std::string, Row> kRows = {
#define BRINDLE_FN(sql, entry, routine, result, travel, args, width, nulls, traits, ...) \
    {#entry, Row{BRW_##width, BRX_##traits, BRK_##result == frame::Kind::text}},
#include "string/string_rows.h"
#undef BRINDLE_FN
};

// The longest result the rule allows for text arguments declared w bytes wide (none: any).
std::optional<long> allowed(frame::Width rule, long w) {
    switch (rule.rule) {
        case WidthRule::fixed: return rule.a;
        case WidthRule::arg: return w;
        case WidthRule::times: return w * rule.k;
        default: return std::nullopt;
    }
}

// w bytes of the endless repetition of pattern (nothing for an empty one).
std::string fill(std::size_t w, std::string_view pattern) {
    std::string s;
    while (!pattern.empty() && s.size() < w) s += pattern.substr(0, w - s.size());
    return s;
}
const std::string kAllBytes = [] {
    std::string s;
    for (int b = 1; b < 256; ++b) s.push_back(static_cast<char>(b));
    return s;
}();

// Runs each call of a case twice: into a writer far wider than any bounded result, to measure
// it whole, and into one of the legacy capacity, to see whether that one cuts.
struct Probe {
    std::size_t longest = 0;
    bool whole = true;
    bool legacy_cut = false;
    template <typename F> void operator()(F call) {
        static std::vector<char> wide(1 << 18), legacy(frame::kTextCapacity);
        TextOut measure(wide.data(), wide.size());
        if (call(measure)) {
            longest = std::max(longest, measure.size());
            whole = whole && !measure.cut();
        }
        TextOut out(legacy.data(), legacy.size());
        legacy_cut = (call(out) && out.cut()) || legacy_cut;
    }
};

// The conversions floattostr and inttostr accept, shortest spelling of each size of field.
std::vector<std::string> conversions(const char* letters) {
    std::vector<std::string> all;
    for (const char* flags : {"", "#"})
        for (const char* width : {"", "9", "999", "1000"})
            for (const char* precision : {"", ".", ".9", ".999", ".1000"})
                for (const char* l = letters; *l; ++l) all.push_back(std::string("%") + flags + width + precision + *l);
    return all;
}
const std::vector<std::string> kDoubleConversions = conversions("diouxXfFeEgGaA"), kIntConversions = conversions("diouxXc");
// Formats of w bytes: literal text alone, and each conversion that fits, filled up with literal text.
// Literal text adds byte for byte, so wide formats need only the value with the longest text.
template <typename F> void formats(Probe& p, std::size_t w, const std::vector<std::string>& all, F call) {
    p([&](TextOut& o) { return call(o, fill(w, "x")); });
    for (const std::string& conv : all)
        if (conv.size() <= w) p([&](TextOut& o) { return call(o, conv + fill(w - conv.size(), "x")); });
}
constexpr double kDoubles[] = {-DBL_MAX, -1e-300, -5e-324, -INFINITY, NAN, -1.0};

struct Case {
    const char* entry;
    void (*run)(Probe&, std::size_t w);
};
const int32_t kCounts[] = {kMin, -1, 0, 1, 2, kMax};

const Case kCases[] = {
    {"crlf", [](Probe& p, std::size_t) { p([](TextOut& o) { return r::crlf(o); }); }},
    {"lf", [](Probe& p, std::size_t) { p([](TextOut& o) { return r::lf(o); }); }},
    {"tab", [](Probe& p, std::size_t) { p([](TextOut& o) { return r::tab(o); }); }},
    {"nbsp", [](Probe& p, std::size_t) { p([](TextOut& o) { return r::nbsp(o); }); }},
    {"dqm", [](Probe& p, std::size_t) { p([](TextOut& o) { return r::dqm(o); }); }},
    {"sqm", [](Probe& p, std::size_t) { p([](TextOut& o) { return r::sqm(o); }); }},
    {"character", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::character(o, fill(w, "xy")); }); }},
    {"space", [](Probe& p, std::size_t) { p([](TextOut& o) { return r::space(o, kMax); }); }},
    {"strofchar", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::strofchar(o, fill(w, "x"), kMax); }); }},
    {"strrepeat", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::strrepeat(o, fill(w, "ab"), kMax); }); }},
    {"reverse", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::reverse(o, fill(w, kAllBytes)); }); }},
    {"left", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::left(o, fill(w, "ab"), kMax); }); }},
    {"right", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::right(o, fill(w, "ab"), kMax); }); }},
    {"mid", [](Probe& p, std::size_t w) {
         for (int32_t start : kCounts) p([&](TextOut& o) { return r::mid(o, fill(w, "ab"), start, kMax); });
     }},
    {"mid1", [](Probe& p, std::size_t w) {
         for (int32_t start : kCounts) p([&](TextOut& o) { return r::mid1(o, fill(w, "ab"), start, kMax); });
     }},
    {"strcopy", [](Probe& p, std::size_t w) {
         for (int32_t start : kCounts) p([&](TextOut& o) { return r::strcopy(o, fill(w, "ab"), start, kMax); });
     }},
    {"strrm", [](Probe& p, std::size_t w) {
         for (int32_t pos : kCounts) p([&](TextOut& o) { return r::strrm(o, fill(w, "ab"), pos); });
     }},
    // A count reaching back before the insertion point repeats bytes: up to len + len(insert) + 1.
    {"strstuff", [](Probe& p, std::size_t w) {
         const auto a = static_cast<int32_t>(w);
         for (int32_t start : {0, 1, 2, 3, a, a + 1})
             for (int32_t count : {kMin, -a, -2, -1, 0, 1, kMax})
                 p([&](TextOut& o) { return r::strstuff(o, fill(w, "ab"), start, count, fill(w, "XYZ")); });
     }},
    {"linewrap", [](Probe& p, std::size_t w) {
         for (int32_t width : {1, 3, static_cast<int32_t>(w), kMax})
             p([&](TextOut& o) { return r::linewrap(o, fill(w, "ab "), 0, width); });
     }},
    {"ltrim", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::ltrim(o, fill(w, "a")); }); }},
    {"rtrim", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::rtrim(o, fill(w, "a")); }); }},
    {"lrtrim", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::lrtrim(o, fill(w, "a")); }); }},
    {"padleft", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::padleft(o, fill(w, "a"), "xy", kMax); }); }},
    {"r_padleft", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::r_padleft(o, fill(w, "a"), kMax, "xy"); }); }},
    {"padright", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::padright(o, fill(w, "a"), "xy", kMax); }); }},
    {"r_padright", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::r_padright(o, fill(w, "a"), kMax, "xy"); }); }},
    {"padcenter", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::padcenter(o, fill(w, "a"), "xy", kMax); }); }},
    {"repeattrim", [](Probe& p, std::size_t w) {
         p([&](TextOut& o) { return r::repeattrim(o, fill(w, "ab"), "a"); });
         p([&](TextOut& o) { return r::repeattrim(o, fill(w, "aa"), std::nullopt); });
     }},
    {"upper", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::upper(o, fill(w, kAllBytes)); }); }},
    {"lower", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::lower(o, fill(w, kAllBytes)); }); }},
    {"rupper", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::rupper(o, fill(w, kAllBytes)); }); }},
    {"rlower", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::rlower(o, fill(w, kAllBytes)); }); }},
    {"rlatin", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::rlatin(o, fill(w, kAllBytes)); }); }},
    {"propercase", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::propercase(o, fill(w, kAllBytes)); }); }},
    {"collatebr", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::collatebr(o, fill(w, kAllBytes)); }); }},
    {"rot13", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::rot13(o, fill(w, kAllBytes)); }); }},
    // Three letters become two each.
    {"keyup", [](Probe& p, std::size_t w) {
         for (const char* s : {"\xDF", "\xC6\xD8\xDF", "\xE6\xF8"}) p([&](TextOut& o) { return r::keyup(o, fill(w, s), kMax); });
     }},
    {"convertsymbols", [](Probe& p, std::size_t w) {
         p([&](TextOut& o) { return r::convertsymbols(o, fill(w, kAllBytes), fill(w, kAllBytes), fill(w, "xyz")); });
     }},
    {"aif", [](Probe& p, std::size_t w) {
         for (const char* op : {"=", "<>", "n=", "n<"})
             p([&](TextOut& o) { return r::aif(o, "1", op, "1", fill(w, "then"), fill(w, "else")); });
     }},
    // Every quote doubled, between two more.
    {"excelstring", [](Probe& p, std::size_t w) {
         for (const char* s : {"\"", "\"\r", "a"}) p([&](TextOut& o) { return r::excelstring(o, fill(w, s)); });
     }},
    {"floattostr", [](Probe& p, std::size_t w) {
         for (double x : kDoubles)
             if (w <= 255 || x == -DBL_MAX)
                 formats(p, w, kDoubleConversions, [x](TextOut& o, const std::string& f) { return r::floattostr(o, x, f); });
     }},
    {"inttostr", [](Probe& p, std::size_t w) {
         for (int32_t n : {kMin, -1, kMax})
             if (w <= 255 || n == kMin)
                 formats(p, w, kIntConversions, [n](TextOut& o, const std::string& f) { return r::inttostr(o, n, f); });
     }},
    {"dollarval", [](Probe& p, std::size_t) {
         for (double x : kDoubles) p([x](TextOut& o) { return r::dollarval(o, x); });
     }},
    {"euroval", [](Probe& p, std::size_t) {
         for (double x : kDoubles) p([x](TextOut& o) { return r::euroval(o, x); });
     }},
    {"domainfromemail", [](Probe& p, std::size_t w) {
         p([&](TextOut& o) { return r::domainfromemail(o, std::string("@") += fill(w - 1, "d")); });
         p([&](TextOut& o) { return r::domainfromemail(o, fill(w, "@")); });
     }},
    {"encryptmd5", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::encryptmd5(o, fill(w, kAllBytes)); }); }},
    {"telefonnr", [](Probe& p, std::size_t w) {
         for (int32_t n : {0, 1, kMax}) p([&](TextOut& o) { return r::telefonnr(o, fill(w, "+1"), n); });
     }},
    {"predecessor", [](Probe& p, std::size_t w) {
         for (int32_t n : kCounts) p([&](TextOut& o) { return r::predecessor(o, fill(w, "\xFF"), n); });
     }},
    {"successor", [](Probe& p, std::size_t w) {
         for (int32_t n : kCounts) p([&](TextOut& o) { return r::successor(o, fill(w, "\x01"), n); });
     }},
    {"r_c", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::r_c(o, fill(w, kAllBytes)); }); }},
    {"soundex", [](Probe& p, std::size_t w) {
         for (const char* s : {"", "Bcdlmr", "\xE9"}) p([&](TextOut& o) { return r::soundex(o, fill(w, s)); });
     }},
    {"gsoundex", [](Probe& p, std::size_t w) {
         for (const char* s : {"ABCDLMNORSUVWXY\xD6", "PFSCHQU"}) p([&](TextOut& o) { return r::gsoundex(o, fill(w, s)); });
     }},
    // One byte found becomes a whole replacement.
    {"replace", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::replace(o, fill(w, "a"), "a", fill(w, "xyz")); }); }},
    {"replacestring", [](Probe& p, std::size_t w) {
         p([&](TextOut& o) { return r::replacestring(o, fill(w, "a"), "A", fill(w, "xyz"), 1, 1); });
     }},
    {"intern_replacestring", [](Probe& p, std::size_t w) {
         p([&](TextOut& o) { return r::intern_replacestring(o, fill(w, "a"), "a", fill(w, "xyz"), 1, 0, 1); });
     }},
    {"stripstring", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::stripstring(o, fill(w, "ab"), ""); }); }},
    {"stripstringhold", [](Probe& p, std::size_t w) {
         p([&](TextOut& o) { return r::stripstringhold(o, fill(w, "ab"), fill(w, "ab")); });
     }},
    {"digits", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::digits(o, fill(w, "0123456789")); }); }},
    {"findword", [](Probe& p, std::size_t w) { p([&](TextOut& o) { return r::findword(o, fill(w, "ab"), 0); }); }},
    {"findnthword", [](Probe& p, std::size_t w) {
         for (int32_t n : {-1, 0}) p([&](TextOut& o) { return r::findnthword(o, fill(w, "ab"), n); });
     }},
    {"wordnum", [](Probe& p, std::size_t w) {
         for (int32_t mode : {0, 1}) p([&](TextOut& o) { return r::wordnum(o, fill(w, "ab"), 1, ",", mode); });
     }},
    {"stringlistitem", [](Probe& p, std::size_t w) {
         if (w >= 2) p([&](TextOut& o) { return r::stringlistitem(o, "\"=" + fill(w - 2, "v"), ""); });
     }},
};

TEST(Widths, WorstCasesStayWithinTheirRows) {
    for (const auto& kv : kRows) {
        if (!kv.second.text) continue;
        const auto& entry = kv.first;
        EXPECT_TRUE(std::any_of(std::begin(kCases), std::end(kCases), [&](const Case& c) { return c.entry == entry; }))
            << entry << " has no worst case";
    }
    for (const Case& c : kCases) {
        ASSERT_EQ(kRows.count(c.entry), 1u) << c.entry;
        const Row& row = kRows.at(c.entry);
        bool cut = false;
        for (std::size_t w : {1u, 2u, 3u, 5u, 6u, 7u, 12u, 255u, 16384u, 32767u}) {
            Probe p;
            c.run(p, w);
            if (const std::optional<long> most = allowed(row.width, static_cast<long>(w))) {
                EXPECT_TRUE(p.whole) << c.entry << " at " << w;
                EXPECT_LE(static_cast<long>(p.longest), *most) << c.entry << " for arguments " << w << " wide";
            }
            cut = cut || p.legacy_cut;
        }
        EXPECT_EQ(cut, row.traits == frame::Traits::pure_cap) << c.entry << (cut ? " is cut" : " is never cut");
    }
}

}  // namespace
}  // namespace brindle::test
