// Held against the registry: the widths the rows of the date, numeric and conversion functions
// declare for their text results, read from the rows themselves, and a probe that measures what
// a routine really writes at its worst cases.
//
// The probe calls the published routine (brindle::routines::<entry>, what every front end
// calls) twice: into a writer far wider than any bounded result, to measure the whole text,
// and into one of the legacy capacity (32767 bytes), to see whether that one has to cut or
// clamp. A row whose result can be cut depends on the writer's capacity and must say PURE_CAP;
// every other text row must stay within its width rule.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/units.h"
#include "frame/block.h"
#include "frame/registry.h"

#define BRINDLE_FN(sql, entry, routine, result, travel, args, ...) \
    namespace brindle::routines {                                  \
    extern const BR_CANON(result, travel, args)::fn entry;         \
    }
#include "convert/convert_rows.h"
#include "date/date_rows.h"
#include "numeric/numeric_rows.h"
#undef BRINDLE_FN

namespace brindle::test {

struct DeclaredRow {
    frame::Width width;
    frame::Traits traits;
    bool text;
};

// Every row of the three families by entry point.
inline const std::map<std::string, DeclaredRow>& declared_rows() {
    static const std::map<std::string, DeclaredRow> rows = {
#define BRINDLE_FN(sql, entry, routine, result, travel, args, width, nulls, traits, ...) \
    {#entry, DeclaredRow{BRW_##width, BRX_##traits, BRK_##result == frame::Kind::text}},
#include "convert/convert_rows.h"
#include "date/date_rows.h"
#include "numeric/numeric_rows.h"
#undef BRINDLE_FN
    };
    return rows;
}

// The longest text a rule allows when its text arguments are declared w bytes wide; nothing
// for the widest rule, which any text satisfies.
inline std::optional<std::size_t> rule_allows(const frame::Width& rule, std::size_t w) {
    switch (rule.rule) {
        case frame::WidthRule::fixed: return static_cast<std::size_t>(rule.a);
        case frame::WidthRule::arg: return w;
        case frame::WidthRule::times: return w * static_cast<std::size_t>(rule.k);
        default: return std::nullopt;
    }
}

// w bytes of pattern repeated (the last copy cut).
inline std::string repeated(std::string_view pattern, std::size_t w) {
    std::string s;
    s.reserve(w);
    while (s.size() < w) s.append(pattern.substr(0, w - s.size()));
    return s;
}

class WidthProbe {
public:
    // f(TextOut&) runs the routine and returns false for SQL NULL.
    template <typename F> void operator()(F f) {
        static std::vector<char> wide(std::size_t{1} << 20), legacy(frame::kTextCapacity);
        frame::TextOut measure(wide.data(), wide.size());
        if (f(measure)) {
            longest_ = std::max(longest_, measure.size());
            whole_ = whole_ && !measure.cut();
        }
        frame::TextOut out(legacy.data(), legacy.size());
        if (f(out) && out.cut()) legacy_cut_ = true;
    }
    std::size_t longest() const { return longest_; }
    bool whole() const { return whole_; }
    bool legacy_cut() const { return legacy_cut_; }

private:
    std::size_t longest_ = 0;
    bool whole_ = true;
    bool legacy_cut_ = false;
};

// One family's worst cases: each runs its routine through the probe with text arguments
// w bytes wide.
struct WorstCase {
    const char* entry;
    void (*run)(WidthProbe&, std::size_t w);
};

// Every text row whose entry starts one of the family's cases is held against its rule for a
// range of argument widths, and is cut by the legacy writer exactly when it says PURE_CAP;
// every text row of the family (its .def files) needs a case.
template <std::size_t N>
void expect_within_rows(const WorstCase (&cases)[N], const std::vector<std::string>& family_entries) {
    const auto& rows = declared_rows();
    for (const std::string& entry : family_entries) {
        ASSERT_EQ(rows.count(entry), 1u) << entry;
        if (!rows.at(entry).text) continue;
        EXPECT_TRUE(std::any_of(std::begin(cases), std::end(cases), [&](const WorstCase& c) { return c.entry == entry; }))
            << entry << " has no worst case";
    }
    for (const WorstCase& c : cases) {
        ASSERT_EQ(rows.count(c.entry), 1u) << c.entry;
        const DeclaredRow& row = rows.at(c.entry);
        bool cut = false;
        for (std::size_t w : {1u, 2u, 3u, 4u, 8u, 254u, 255u, 256u, 1000u, 32767u}) {
            WidthProbe p;
            c.run(p, w);
            if (const auto most = rule_allows(row.width, w)) {
                EXPECT_TRUE(p.whole()) << c.entry << " at " << w;
                EXPECT_LE(p.longest(), *most) << c.entry << " with arguments " << w << " bytes wide";
            }
            cut = cut || p.legacy_cut();
        }
        EXPECT_EQ(cut, row.traits == frame::Traits::pure_cap) << c.entry << (cut ? " is cut" : " is never cut");
    }
}

}  // namespace brindle::test
