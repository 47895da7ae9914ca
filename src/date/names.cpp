// Weekday and month names of a TIMESTAMP, in English or in a chosen language.
#include "date/names.h"

#include "date/calendar.h"
#include "frame/registry.h"

namespace brindle::date {

ShortMonth short_month_name(int32_t language, int32_t month, std::string_view code) noexcept {
    const std::string_view name = kMonthNames[language][month];
    ShortMonth s{{name[0], name[1], name[2]}};  // every month name has at least three bytes
    if (code == "fr" && name[1] == 'u' && name.size() > 3) s.bytes[2] = name[3];
    return s;
}

namespace {

constexpr std::string_view kUnknown = "???";
constexpr std::string_view kEnglish = "us";

void cdowlonglang(frame::TextOut& out, Timestamp ts, std::string_view code) {
    const int32_t lang = numeric::decode_language(code);
    out.append(lang < 0 ? kUnknown : kDayNames[lang][decode_timestamp(ts).tm_wday]);
}

// At most the first four bytes of the short name (a row of full names is cut to four).
void cdowshortlang(frame::TextOut& out, Timestamp ts, std::string_view code) {
    const int32_t lang = numeric::decode_language(code);
    if (lang < 0) {
        out.append(kUnknown);
        return;
    }
    out.append(std::string_view(kShortDayNames[lang][decode_timestamp(ts).tm_wday]).substr(0, 4));
}

void cmonthlonglang(frame::TextOut& out, Timestamp ts, std::string_view code) {
    const int32_t lang = numeric::decode_language(code);
    out.append(lang < 0 ? kUnknown : kMonthNames[lang][decode_timestamp(ts).tm_mon]);
}

void cmonthshortlang(frame::TextOut& out, Timestamp ts, std::string_view code) {
    const int32_t lang = numeric::decode_language(code);
    if (lang < 0) {
        out.append(kUnknown);
        return;
    }
    out.append(short_month_name(lang, decode_timestamp(ts).tm_mon, code).view());
}

void cdowlong(frame::TextOut& out, Timestamp ts) { cdowlonglang(out, ts, kEnglish); }
void cdowshort(frame::TextOut& out, Timestamp ts) { cdowshortlang(out, ts, kEnglish); }
void cmonthlong(frame::TextOut& out, Timestamp ts) { cmonthlonglang(out, ts, kEnglish); }
void cmonthshort(frame::TextOut& out, Timestamp ts) { cmonthshortlang(out, ts, kEnglish); }

}  // namespace
}  // namespace brindle::date

using brindle::frame::Timestamp;
namespace bd = brindle::date;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "date/names.def"
#undef BRINDLE_FN
