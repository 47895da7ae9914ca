// Date test support: timestamps built independently of the module (std::chrono's civil
// calendar), the C library's tm of a decoded record, and the entry points (legacy/prototypes.h).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <random>
#include <string>

#include "date/calendar.h"
#include "legacy/prototypes.h"
#include "support/blocks.h"

namespace brindle::test {

using frame::Timestamp;

inline int32_t civil_days(int y, unsigned m, unsigned d) {  // days since 17 November 1858
    namespace c = std::chrono;
    return int32_t((c::sys_days{c::year{y} / int(m) / int(d)} - c::sys_days{c::year{1858} / 11 / 17}).count());
}

inline Timestamp at(int y, unsigned m, unsigned d, unsigned h = 0, unsigned mi = 0, unsigned s = 0, unsigned frac = 0) {
    return {civil_days(y, m, d), ((h * 60 + mi) * 60 + s) * 10000 + frac};
}

// The record has the nine ints of the C library's tm, in the same order.
static_assert(offsetof(::tm, tm_isdst) == offsetof(date::Tm, tm_isdst));
inline ::tm to_c(const date::Tm& t) {
    ::tm c{};
    std::memcpy(&c, &t, sizeof t);
    return c;
}

}  // namespace brindle::test

using namespace brindle::test;
using brindle::frame::Timestamp;
using TP = const Timestamp*;
using IP = const int32_t*;
using CP = const char*;
using DP = const double*;
