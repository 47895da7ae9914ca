// datetostr and datetostrlang: a TIMESTAMP written through a '%' picture (the conversions of
// the C library's time formatting, with English names), and the same text with the English
// day and month names replaced by those of another language.
//
// The conversions are computed here rather than by the host's strftime, so that every
// platform gives the same text. A formatted text must be shorter than 255 bytes; a longer
// one gives the empty string.
#include <time.h>

#include <cstdint>
#include <cstring>
#include <string_view>

#include "date/calendar.h"
#include "date/names.h"
#include "frame/registry.h"

namespace brindle::date {
namespace {

constexpr std::size_t kMaxText = 254;      // the longest formatted text kept
constexpr std::size_t kMaxWorkText = 255;  // the longest text the name replacements may build

// A text of at most `limit` bytes; anything that would pass that marks it overlong.
struct ShortText {
    char data[kMaxWorkText];
    std::size_t limit = kMaxText;
    std::size_t len = 0;
    bool overlong = false;

    void put(char c) noexcept {
        if (len < limit) data[len++] = c;
        else overlong = true;
    }
    void append(std::string_view s) noexcept {
        if (s.size() > limit - len) {
            overlong = true;
            return;
        }
        std::memcpy(data + len, s.data(), s.size());
        len += s.size();
    }
    std::string_view view() const noexcept { return {data, len}; }
};

// The time zone of the platform at the decoded (local) date and time.
struct Zone {
    bool known = false;
    long offset = 0;  // seconds east of UTC
    char name[64] = {};
};

constexpr int64_t kUnixEpochDate = 40587;  // ISC_DATE of 1970-01-01

Zone zone_at(const Timestamp& ts, const Tm& tm) noexcept {
    Zone z;
    tzset();
    const int64_t local = (int64_t{ts.date} - kUnixEpochDate) * 86400 + seconds_of_day(tm);
    // The UTC instant u with u + offset(u) = local: start from the offset at `local` and
    // correct it once where a change of offset lies between the two.
    struct tm lt {};
    time_t u = static_cast<time_t>(local);
    if (localtime_r(&u, &lt) == nullptr) return z;
    for (int step = 0; step < 2; ++step) {
        const long offset = lt.tm_gmtoff;
        u = static_cast<time_t>(local - offset);
        if (localtime_r(&u, &lt) == nullptr) return z;
        if (lt.tm_gmtoff == offset) break;
    }
    z.known = true;
    z.offset = lt.tm_gmtoff;
    if (lt.tm_zone != nullptr) {
        std::size_t n = std::strlen(lt.tm_zone);
        if (n >= sizeof z.name) n = sizeof z.name - 1;
        std::memcpy(z.name, lt.tm_zone, n);
    }
    return z;
}

class Formatter {
public:
    Formatter(const Timestamp& ts, ShortText& out) noexcept : ts_(ts), tm_(decode_timestamp(ts)), out_(out) {}

    void picture(std::string_view p) noexcept {
        std::size_t i = 0;
        while (i < p.size() && !out_.overlong) {
            if (p[i] != '%') {
                out_.put(p[i++]);
                continue;
            }
            std::size_t j = i + 1;
            if (j < p.size() && (p[j] == 'E' || p[j] == 'O')) ++j;
            if (j >= p.size()) {  // a '%' (with its modifier) that ends the picture stays as it is
                out_.append(p.substr(i));
                return;
            }
            conversion(p[j]);
            i = j + 1;
        }
    }

private:
    // printf "%0<width>d" (pad '0') or "%<width>d" (pad ' ').
    void number(int64_t v, int width, char pad = '0') noexcept {
        char digits[24];
        int n = 0;
        uint64_t a = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
        do {
            digits[n++] = static_cast<char>('0' + a % 10);
            a /= 10;
        } while (a != 0);
        int fill = width - n - (v < 0 ? 1 : 0);
        if (pad == ' ') {
            for (; fill > 0; --fill) out_.put(' ');
        }
        if (v < 0) out_.put('-');
        for (; fill > 0; --fill) out_.put('0');
        while (n > 0) out_.put(digits[--n]);
    }

    int64_t year() const noexcept { return int64_t{tm_.tm_year} + 1900; }

    static int64_t mod100(int64_t v) noexcept { return ((v % 100) + 100) % 100; }

    // ISO 8601 week-based year: early January days in the last week of the old year, late
    // December days in week 1 of the new one.
    int64_t iso_year() const noexcept {
        const int32_t week = iso_week(ts_);
        if (tm_.tm_mon == 0 && week >= 52) return year() - 1;
        if (tm_.tm_mon == 11 && week == 1) return year() + 1;
        return year();
    }

    const Zone& zone() noexcept {
        if (!zone_loaded_) {
            zone_ = zone_at(ts_, tm_);
            zone_loaded_ = true;
        }
        return zone_;
    }

    void conversion(char c) noexcept {
        switch (c) {
            case 'a': out_.append(kShortDayNames[0][tm_.tm_wday]); break;
            case 'A': out_.append(kDayNames[0][tm_.tm_wday]); break;
            case 'b':
            case 'h': out_.append(std::string_view(kMonthNames[0][tm_.tm_mon]).substr(0, 3)); break;
            case 'B': out_.append(kMonthNames[0][tm_.tm_mon]); break;
            case 'c': picture("%a %b %d %H:%M:%S %Y"); break;
            case 'C': number(year() / 100, 2); break;
            case 'd': number(tm_.tm_mday, 2); break;
            case 'D': picture("%m/%d/%y"); break;
            case 'e': number(tm_.tm_mday, 2, ' '); break;
            case 'F': picture("%Y-%m-%d"); break;
            case 'g': number(mod100(iso_year()), 2); break;
            case 'G': number(iso_year(), 1); break;
            case 'H': number(tm_.tm_hour, 2); break;
            case 'I': number(tm_.tm_hour % 12 == 0 ? 12 : tm_.tm_hour % 12, 2); break;
            case 'j': number(int64_t{tm_.tm_yday} + 1, 3); break;
            case 'm': number(int64_t{tm_.tm_mon} + 1, 2); break;
            case 'M': number(tm_.tm_min, 2); break;
            case 'n': out_.put('\n'); break;
            case 'p': out_.append(tm_.tm_hour < 12 ? "AM" : "PM"); break;
            case 'r': picture("%I:%M:%S %p"); break;
            case 'R': picture("%H:%M"); break;
            case 'S': number(tm_.tm_sec, 2); break;
            case 't': out_.put('\t'); break;
            case 'T':
            case 'X': picture("%H:%M:%S"); break;
            case 'u': number(tm_.tm_wday == 0 ? 7 : tm_.tm_wday, 1); break;
            case 'U': number((tm_.tm_yday + 7 - tm_.tm_wday) / 7, 2); break;
            case 'V': number(iso_week(ts_), 2); break;
            case 'w': number(tm_.tm_wday, 1); break;
            case 'W': number((tm_.tm_yday + 7 - (tm_.tm_wday + 6) % 7) / 7, 2); break;
            case 'x': picture("%a %b %d, %Y"); break;
            case 'y': number(mod100(year()), 2); break;
            case 'Y': number(year(), 1); break;
            case 'z': {
                const Zone& z = zone();
                if (!z.known) break;
                out_.put(z.offset < 0 ? '-' : '+');
                const long minutes = (z.offset < 0 ? -z.offset : z.offset) / 60;
                number(minutes / 60 * 100 + minutes % 60, 4);
                break;
            }
            case 'Z': {
                const Zone& z = zone();
                if (z.known) out_.append(z.name);
                break;
            }
            default: out_.put(c); break;  // '%%' and conversions without a meaning
        }
    }

    Timestamp ts_;
    Tm tm_;
    ShortText& out_;
    Zone zone_;
    bool zone_loaded_ = false;
};

// The picture formatted into `text`; false when the text is overlong or empty.
bool format(const Timestamp& ts, std::string_view picture, ShortText& text) noexcept {
    Formatter f(ts, text);
    f.picture(picture);
    return !text.overlong && text.len > 0;
}

void datetostr(frame::TextOut& out, Timestamp ts, std::string_view picture) {
    ShortText text;
    if (format(ts, picture, text)) out.append(text.view());
}

// Every occurrence of `from` in `in` replaced by `to`, scanning from the left and going on
// after each replaced name; where the text holds `keep` (a name already in the language),
// that name is copied whole, so a short name never eats into it. False when the result would
// be overlong.
bool replace_all(const ShortText& in, std::string_view from, std::string_view to, std::string_view keep,
                 ShortText& out) noexcept {
    const std::string_view s = in.view();
    out.len = 0;
    out.overlong = false;
    std::size_t i = 0;       // where the search goes on
    std::size_t copied = 0;  // s[copied, i) is still to be copied
    std::size_t kept = keep.empty() ? std::string_view::npos : s.find(keep);
    for (;;) {
        const std::size_t p = s.find(from, i);
        if (p == std::string_view::npos) break;
        if (kept != std::string_view::npos && kept < i) kept = s.find(keep, i);
        if (kept != std::string_view::npos && kept <= p) {  // the name comes first: step over it
            i = kept + keep.size();
            continue;
        }
        out.append(s.substr(copied, p - copied));
        out.append(to);
        i = p + from.size();
        copied = i;
    }
    out.append(s.substr(copied));
    return !out.overlong;
}

// Replaces in the text held by *cur, switching *cur to the buffer that holds the result.
// False when the result would be overlong.
bool replace_in(ShortText*& cur, ShortText*& spare, std::string_view from, std::string_view to,
                std::string_view keep = {}) noexcept {
    if (cur->view().find(from) == std::string_view::npos) return true;
    if (!replace_all(*cur, from, to, keep, *spare)) return false;
    std::swap(cur, spare);
    return true;
}

// The short name is replaced only where its first occurrence is not the start of the
// language's full name (so "Mon" inside an already translated "Montag" stops it), and never
// inside that full name.
bool replace_short(ShortText*& cur, ShortText*& spare, std::string_view from, std::string_view to,
                   std::string_view full) noexcept {
    const std::string_view s = cur->view();
    const std::size_t p = s.find(from);
    if (p == std::string_view::npos || s.substr(p).starts_with(full)) return true;
    return replace_in(cur, spare, from, to, full);
}

bool translate(ShortText*& cur, ShortText*& spare, int32_t lang, std::string_view code) noexcept {
    for (int c = 0; c < 7; ++c) {
        if (!replace_in(cur, spare, kDayNames[0][c], kDayNames[lang][c])) return false;
        if (!replace_short(cur, spare, kShortDayNames[0][c], kShortDayNames[lang][c], kDayNames[lang][c]))
            return false;
    }
    for (int m = 0; m < 12; ++m) {
        const std::string_view english = kMonthNames[0][m];
        if (!replace_in(cur, spare, english, kMonthNames[lang][m])) return false;
        const ShortMonth to = short_month_name(lang, m, code);
        if (!replace_short(cur, spare, english.substr(0, 3), to.view(), kMonthNames[lang][m])) return false;
    }
    return true;
}

// The replacements work in buffers of 255 characters; a text that the names make longer
// gives the empty string, as an overlong formatted text does.
void datetostrlang(frame::TextOut& out, Timestamp ts, std::string_view picture, std::string_view code) {
    const int32_t lang = numeric::decode_language(code);
    if (lang < 0) {
        out.append("???");
        return;
    }
    ShortText a;
    ShortText b;
    ShortText* cur = &a;
    ShortText* spare = &b;
    if (!format(ts, picture, a)) return;
    a.limit = b.limit = kMaxWorkText;
    if (lang != 0 && !translate(cur, spare, lang, code)) return;
    out.append(cur->view());
}

}  // namespace
}  // namespace brindle::date

using brindle::frame::Timestamp;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "date/datetostr.def"
#undef BRINDLE_FN
