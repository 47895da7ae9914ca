// Shared by the string tests: the entry points, their argument types, result-block readers and
// pointers to argument values.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "legacy/prototypes.h"
#include "support/blocks.h"

using S = const char*;
using Int = const int32_t*;

namespace brindle::test {
using Opt = std::optional<std::string>;
constexpr int32_t kMax = INT32_MAX, kMin = INT32_MIN;

// A pointer to a copy of v that stays valid for the next seven calls.
template <typename T> const T* P(T v) {
    static thread_local T slots[8];
    static thread_local int next = 0;
    return &(slots[next++ % 8] = v);
}
inline const int32_t* I(int32_t v) { return P(v); }
inline std::string rep(const std::string& s, std::size_t n) {
    std::string r;
    while (n-- > 0) r += s;
    return r;
}
}  // namespace brindle::test
