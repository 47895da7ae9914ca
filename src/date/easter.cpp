// Easter Sunday, the feasts that move with it, and the ISO week number.
#include "date/easter.h"

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "frame/registry.h"

namespace brindle::date {
namespace {

// Non-negative remainder; equal to the C remainder for a non-negative dividend.
constexpr int32_t mod(int32_t a, int32_t b) noexcept {
    const int32_t r = a % b;
    return r < 0 ? r + b : r;
}

struct Century {
    int32_t last_year;  // the row holds up to this year
    int32_t m;
    int32_t n;
};

// Gauss's century constants M and N; the last row holds for every later year.
constexpr Century kCenturies[] = {
    {1699, 22, 2}, {1799, 23, 3}, {1899, 23, 4}, {2099, 24, 5}, {2199, 24, 6}, {2299, 25, 0},
};

}  // namespace

int32_t widen_year(int32_t year) noexcept {
    if (year >= 100) return year;
    return year <= 80 ? year + 2000 : year + 1900;
}

Timestamp easter_sunday(int32_t year) noexcept {
    year = widen_year(year);
    int32_t m = 0;
    int32_t n = 0;
    for (const Century& c : kCenturies) {
        if (year <= c.last_year) {
            m = c.m;
            n = c.n;
            break;
        }
    }
    const int32_t a = mod(year, 19);
    const int32_t b = mod(year, 4);
    const int32_t c = mod(year, 7);
    const int32_t d = (19 * a + m) % 30;
    const int32_t e = (2 * b + 4 * c + 6 * d + n) % 7;

    Tm t;
    t.tm_year = year - 1900;  // year >= INT32_MIN + 2000 after widening
    if (d + e <= 9) {
        t.tm_mon = 2;
        t.tm_mday = 22 + d + e;
    } else {
        t.tm_mon = 3;
        t.tm_mday = d + e - 9;
        if (t.tm_mday == 26) {
            t.tm_mday = 19;
        } else if (t.tm_mday == 25 && d == 28 && e == 6 && a > 10) {
            t.tm_mday = 18;
        }
    }
    return encode_timestamp(t);
}

namespace {

enum Feast : std::size_t {
    kOsterdatum,
    kWeiberfastnacht,
    kRosenmontag,
    kKarnevalsdienstag,
    kAschermittwoch,
    kPalmsonntag,
    kGruendonnerstag,
    kKarfreitag,
    kOstersamstag,
    kOstermontag,
    kHimmelfahrt,
    kPfingstsonntag,
    kPfingstmontag,
    kFronleichnam,
};

// Days from Easter Sunday, indexed by Feast.
constexpr int32_t kFeastOffset[] = {0, -52, -48, -47, -46, -7, -3, -2, -1, 1, 39, 49, 50, 60};
static_assert(std::size(kFeastOffset) == kFronleichnam + 1);

// The one routine behind Easter Sunday and every feast: Easter moved by the feast's days.
// Easter is at midnight, so the move is on the day count alone; this is what moving it by
// whole days of seconds gives, and it keeps the distance exact also for years before 1, where
// the server's decoding of dates no longer runs day by day.
template <std::size_t F>
Timestamp feast(int32_t year) noexcept {
    const Timestamp easter = easter_sunday(year);
    const int64_t date = int64_t{easter.date} + kFeastOffset[F];
    return {static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(date))), 0};
}

}  // namespace

int32_t kalenderwoche(Timestamp ts) noexcept { return iso_week(ts); }

}  // namespace brindle::date

using brindle::frame::Timestamp;
namespace date = brindle::date;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "date/easter.def"
#undef BRINDLE_FN
