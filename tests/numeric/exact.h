// Helpers for the numeric and conversion tests: the entry points (legacy/prototypes.h), argument
// slots and bit-exact double checks.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

#include "legacy/prototypes.h"
#include "support/blocks.h"

// Argument types of the entry points, for compact declarations.
using CI = const int32_t*;
using CD = const double*;

namespace brindle::test {

inline constexpr double kInf = std::numeric_limits<double>::infinity();

// Pointers to argument values that stay valid for the next few calls.
template <typename T>
const T* arg(T v) {
    static thread_local T slots[8];
    static thread_local unsigned next = 0;
    return &(slots[next++ % 8] = v);
}
inline const int32_t* I(int32_t v) { return arg(v); }
inline const double* D(double v) { return arg(v); }
inline std::string txt(char* block) { return text(block).value_or("<null>"); }
inline int32_t iv(int32_t* block) { return value(block).value_or(-12345); }

// The double in a result block equals `want` bit for bit (so -0.0 differs from 0.0).
inline ::testing::AssertionResult Exact(std::optional<double> got, double want) {
    if (!got) return ::testing::AssertionFailure() << "null result";
    if (std::memcmp(&*got, &want, sizeof want) == 0) return ::testing::AssertionSuccess();
    char buf[80];
    std::snprintf(buf, sizeof buf, "got %.17g, wanted %.17g", *got, want);
    return ::testing::AssertionFailure() << buf;
}
inline ::testing::AssertionResult Exact(double* block, double want) { return Exact(value(block), want); }

}  // namespace brindle::test
