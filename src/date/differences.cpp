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
using T = const Timestamp*;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "date/differences.def"
#undef BRINDLE_FN
