// gformatd: a TIMESTAMP written after a picture of letter runs, with German names.
#include <string_view>

#include "date/calendar.h"
#include "date/names.h"
#include "frame/format.h"
#include "frame/registry.h"

namespace brindle::date {
namespace {

constexpr int32_t kGerman = 1;

// One run: `count` copies of `c`. Runs without a form write nothing; characters other than
// the picture letters are copied as they stand.
void put_run(frame::TextOut& out, const Tm& tm, char c, std::size_t count) {
    auto number = [&](int64_t v) {
        if (count == 1) frame::put_int(out, v);
        else if (count == 2) frame::put_int0(out, v, 2);
    };
    auto name = [&](std::string_view n) {
        if (count == 3) out.append(n.substr(0, 3));
        else if (count == 4) out.append(n);
    };
    switch (c) {
        case 'd':
            if (count <= 2) number(tm.tm_mday);
            else name(kDayNames[kGerman][tm.tm_wday]);
            break;
        case 'm':
            if (count <= 2) number(int64_t{tm.tm_mon} + 1);
            else name(kMonthNames[kGerman][tm.tm_mon]);
            break;
        case 'y':
            if (count == 2) frame::put_int0(out, tm.tm_year % 100, 2);
            else if (count == 4) frame::put_int0(out, int64_t{tm.tm_year} + 1900, 4);
            break;
        case 'h': number(tm.tm_hour); break;
        case 'n': number(tm.tm_min); break;
        case 's': number(tm.tm_sec); break;
        default: out.fill(c, count); break;
    }
}

// The text beyond the block's capacity is cut (the writer drops it).
void gformatd(frame::TextOut& out, std::string_view picture, Timestamp ts) {
    const Tm tm = decode_timestamp(ts);
    std::size_t i = 0;
    while (i < picture.size() && !out.exhausted()) {
        const char c = picture[i];
        std::size_t j = i + 1;
        while (j < picture.size() && picture[j] == c) ++j;
        put_run(out, tm, c, j - i);
        i = j;
    }
}

}  // namespace
}  // namespace brindle::date

#define BRINDLE_FN BRINDLE_ROUTINE
#include "date/gformatd.def"
#undef BRINDLE_FN
