// The date texts at their worst cases, held against the widths their rows declare: every name
// in every language, the extreme years of the 32-bit day count (and times beyond the day, which
// a timestamp made by another function can carry), pictures as wide as the argument allows.
#include "date/date_support.h"
#include "numeric/language.h"
#include "numeric/widths.h"

namespace brindle::test {
namespace {

namespace r = brindle::routines;
using frame::TextOut;

const std::vector<std::string> kDateEntries = {
#define BRINDLE_FN(sql, entry, ...) #entry,
#include "date/date_rows.h"
#undef BRINDLE_FN
};

constexpr uint32_t kLastTick = UINT32_MAX;  // hour 119

// Dates over every weekday and month, the extreme years and times beyond the day.
const std::vector<Timestamp>& dates() {
    static const std::vector<Timestamp> all = [] {
        std::vector<Timestamp> v;
        const Timestamp start = at(2008, 1, 1, 23, 59, 59);
        for (int32_t d = 0; d < 400; ++d) v.push_back({start.date + d, start.time});
        for (int32_t d = 0; d < 400; ++d) v.push_back({INT32_MIN + d, kLastTick});
        for (int32_t d = 0; d < 400; ++d) v.push_back({INT32_MAX - d, kLastTick});
        v.push_back({0, 0});
        return v;
    }();
    return all;
}

// Every language code, the second English one, unknown ones, and codes as wide as allowed.
std::vector<std::string> codes(std::size_t w) {
    std::vector<std::string> v = {"us", "xx", "", "d"};
    for (std::size_t p = 0; p + 2 <= numeric::kLanguageCodes.size(); p += 3) {
        const std::string code(numeric::kLanguageCodes.substr(p, 2));
        v.push_back(code);
        v.push_back(code + repeated("-", w > 2 ? w - 2 : 0));
    }
    return v;
}

template <typename F> void names(WidthProbe& p, std::size_t w, F call) {
    for (const std::string& code : codes(w))
        for (const Timestamp& t : dates()) p([&](TextOut& o) { return call(o, t, code); });
}

// Pictures w bytes wide: plain text, every conversion, the longest names.
std::vector<std::string> pictures(std::size_t w) {
    std::vector<std::string> v;
    for (const char* pattern : {"x", "%c", "%A%B", "%z%Z", "%G%Y%C%j", "%Ex%Oy%%%n%t", "%A" "xxxx"})
        v.push_back(repeated(pattern, w));
    v.push_back("%A" + repeated("x", w > 2 ? w - 2 : 0));
    return v;
}

const Timestamp kFarDates[] = {at(2008, 9, 17, 23), {INT32_MIN, kLastTick}, {INT32_MAX, kLastTick}};

const WorstCase kCases[] = {
    {"cdowlong", [](WidthProbe& p, std::size_t) { for (const Timestamp& t : dates()) p([&](TextOut& o) { return r::cdowlong(o, t); }); }},
    {"cdowshort", [](WidthProbe& p, std::size_t) { for (const Timestamp& t : dates()) p([&](TextOut& o) { return r::cdowshort(o, t); }); }},
    {"cmonthlong", [](WidthProbe& p, std::size_t) { for (const Timestamp& t : dates()) p([&](TextOut& o) { return r::cmonthlong(o, t); }); }},
    {"cmonthshort", [](WidthProbe& p, std::size_t) { for (const Timestamp& t : dates()) p([&](TextOut& o) { return r::cmonthshort(o, t); }); }},
    {"cdowlonglang", [](WidthProbe& p, std::size_t w) { names(p, w, r::cdowlonglang); }},
    {"cdowshortlang", [](WidthProbe& p, std::size_t w) { names(p, w, r::cdowshortlang); }},
    {"cmonthlonglang", [](WidthProbe& p, std::size_t w) { names(p, w, r::cmonthlonglang); }},
    {"cmonthshortlang", [](WidthProbe& p, std::size_t w) { names(p, w, r::cmonthshortlang); }},
    {"woy", [](WidthProbe& p, std::size_t) { for (const Timestamp& t : dates()) p([&](TextOut& o) { return r::woy(o, t); }); }},
    {"woyiso", [](WidthProbe& p, std::size_t) { for (const Timestamp& t : dates()) p([&](TextOut& o) { return r::woyiso(o, t); }); }},
    {"datetostr", [](WidthProbe& p, std::size_t w) {
         for (const std::string& picture : pictures(w))
             for (const Timestamp& t : kFarDates) p([&](TextOut& o) { return r::datetostr(o, t, picture); });
     }},
    {"datetostrlang", [](WidthProbe& p, std::size_t w) {
         for (const std::string& picture : pictures(w))
             for (const std::string& code : codes(2))
                 for (const Timestamp& t : kFarDates) p([&](TextOut& o) { return r::datetostrlang(o, t, picture, code); });
     }},
    // Each run of n letters gives at most 3n bytes; a single "h" of the hour 119 gives 3.
    {"gformatd", [](WidthProbe& p, std::size_t w) {
         for (const char* pattern : {"h", "h.", "dddd.", "ddddm", "mmmmd", "yyyyd", "yyd", "d-m-", "x"})
             for (const Timestamp& t : kFarDates) p([&](TextOut& o) { return r::gformatd(o, repeated(pattern, w), t); });
     }},
    // Zeros in front of the numbers widen the text, not the value.
    {"addperiod", [](WidthProbe& p, std::size_t w) {
         for (const char* a : {"24855:03:14:07", "-24855:03:14:08", "0:0:0"})
             for (const char* b : {"-0:0:0", "0:0:0", "-1:0:0"}) {
                 const std::string zeros = repeated("0", w > 14 ? w - 14 : 0);
                 p([&](TextOut& o) { return r::addperiod(o, a, zeros + b); });
             }
     }},
    {"subperiod", [](WidthProbe& p, std::size_t) {
         for (const char* a : {"24855:03:14:07", "-24855:03:14:07", "0:0:0"})
             for (const char* b : {"0:0:0", "0:0:1", "24855:03:14:07"}) p([&](TextOut& o) { return r::subperiod(o, a, b); });
     }},
    {"seconds2period", [](WidthProbe& p, std::size_t) {
         for (int32_t s : {INT32_MIN, INT32_MIN + 1, -1, 0, 86399, INT32_MAX}) p([&](TextOut& o) { return r::seconds2period(o, s); });
     }},
};

TEST(Widths, DateTextsStayWithinTheirRows) { expect_within_rows(kCases, kDateEntries); }

// The widths are not loose either: each bounded text reaches its width.
TEST(Widths, DateTextsReachTheirWidths) {
    const auto longest = [](const char* entry, std::size_t w) {
        for (const WorstCase& c : kCases)
            if (std::string_view(c.entry) == entry) {
                WidthProbe p;
                c.run(p, w);
                return p.longest();
            }
        return std::size_t{0};
    };
    for (const char* entry : {"cdowlong", "cdowshort", "cmonthlong", "cmonthshort", "cdowlonglang", "cdowshortlang",
                              "cmonthlonglang", "cmonthshortlang", "woy", "woyiso", "datetostr", "seconds2period"})
        EXPECT_EQ(longest(entry, 254), rule_allows(declared_rows().at(entry).width, 0)) << entry;
    EXPECT_EQ(longest("gformatd", 1), 3u);  // "h" at the hour 119
}

}  // namespace
}  // namespace brindle::test
