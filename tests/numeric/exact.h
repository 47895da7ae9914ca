// Helpers for the numeric and conversion tests: argument slots and bit-exact double checks.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "support/blocks.h"

namespace brindle::test {

// Pointers to argument values that stay valid for the next few calls.
template <typename T>
const T* arg(T v) {
    static thread_local T slots[8];
    static thread_local unsigned next = 0;
    T* p = &slots[next++ % 8];
    *p = v;
    return p;
}
inline const int32_t* I(int32_t v) { return arg<int32_t>(v); }
inline const double* D(double v) { return arg<double>(v); }

inline uint64_t bits_of(double d) {
    uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

inline std::string show(double d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g (0x%016llx)", d, static_cast<unsigned long long>(bits_of(d)));
    return buf;
}

// The double in a result block equals `want` bit for bit (so -0.0 differs from 0.0).
inline ::testing::AssertionResult Exact(std::optional<double> got, double want) {
    if (!got) return ::testing::AssertionFailure() << "null result, wanted " << show(want);
    if (bits_of(*got) == bits_of(want)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << show(*got) << ", wanted " << show(want);
}
inline ::testing::AssertionResult Exact(double* block, double want) { return Exact(value(block), want); }

}  // namespace brindle::test
