// Differences: the distance between two timestamps in each measure of the ages, as a
// non-negative number. The absolute value is taken before the value is narrowed to 32 bits,
// so a distance beyond 2147483647 units gives 2147483647, never a negative number.
#include "date/ages.h"

namespace brindle::date {
namespace {

template <Measure M>
int32_t between(Timestamp first, Timestamp second) {
    const int64_t v = measure_wide(M, first, second);
    return saturate(v < 0 ? -v : v);
}

}  // namespace
}  // namespace brindle::date

namespace d = brindle::date;
using brindle::date::Measure;
using brindle::frame::Timestamp;
using brindle::frame::udf;
using T = const Timestamp*;

BRINDLE_ENTRY int32_t* yearsbetween(T a, T b) { return udf<d::between<Measure::years>>(a, b); }
BRINDLE_ENTRY int32_t* monthsbetween(T a, T b) { return udf<d::between<Measure::months>>(a, b); }
BRINDLE_ENTRY int32_t* weeksbetween(T a, T b) { return udf<d::between<Measure::weeks>>(a, b); }
BRINDLE_ENTRY int32_t* weeksbetweeniso(T a, T b) { return udf<d::between<Measure::weeks_iso>>(a, b); }
BRINDLE_ENTRY int32_t* daysbetween(T a, T b) { return udf<d::between<Measure::days>>(a, b); }
BRINDLE_ENTRY int32_t* hoursbetween(T a, T b) { return udf<d::between<Measure::hours>>(a, b); }
BRINDLE_ENTRY int32_t* minutesbetween(T a, T b) { return udf<d::between<Measure::minutes>>(a, b); }
BRINDLE_ENTRY int32_t* secondsbetween(T a, T b) { return udf<d::between<Measure::seconds>>(a, b); }
