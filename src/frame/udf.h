// The legacy UDF calling frame.
//
// Every function is written once as a routine over plain values:
//   text result:   void r(TextOut& out, A...)      or  bool r(TextOut& out, A...)  (false: NULL)
//   value result:  V r(A...)                        or  std::optional<V> r(A...)   (nullopt: NULL)
// where V is int32_t, uint16_t, double, Timestamp, SqlDate or SqlTime, and each A is
// std::string_view (CSTRING), int32_t (INTEGER), double (DOUBLE PRECISION), Timestamp
// (TIMESTAMP) or Blob (BLOB). A routine that answers NULL does so before it writes.
//
// The exported entry point is a one-line adapter:
//   BRINDLE_ENTRY char* left(const char* s, const int32_t* n) { return udf<str::left>(s, n); }
// udf<> applies the NULL rule (any null argument pointer gives a null result before anything
// is allocated), obtains exactly one result block for a value and writes it, bounded.
// by_value<> serves the few functions whose result is returned by value.
#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

#include "frame/block.h"
#include "frame/registry.h"

#define BRINDLE_ENTRY extern "C" __attribute__((visibility("default")))

struct blobcallback;  // the server's blob callback record (ibase.h)

namespace brindle::frame {

using Blob = blobcallback*;

// ---- arguments -------------------------------------------------------------------------

inline std::string_view load(const char* p) noexcept { return std::string_view(p); }
inline int32_t load(const int32_t* p) noexcept { return *p; }
inline double load(const double* p) noexcept { return *p; }
inline Timestamp load(const Timestamp* p) noexcept {
    Timestamp t;
    std::memcpy(&t, p, sizeof t);
    return t;
}
inline Blob load(blobcallback* p) noexcept { return p; }

template <typename... P>
inline bool any_null(P... p) noexcept {
    return ((p == nullptr) || ...);
}

// ---- results ---------------------------------------------------------------------------

template <typename T>
struct Unwrap {
    using type = T;
    static constexpr bool nullable = false;
};
template <typename T>
struct Unwrap<std::optional<T>> {
    using type = T;
    static constexpr bool nullable = true;
};

template <typename V>
struct ResultPointer {
    using type = V*;
};
template <>
struct ResultPointer<SqlDate> {
    using type = int32_t*;
};
template <>
struct ResultPointer<SqlTime> {
    using type = uint32_t*;
};

// Stores v at the start of a fresh result block.
template <typename V>
typename ResultPointer<V>::type store(const V& v) noexcept {
    void* block = allocate_block();
    if (block != nullptr) std::memcpy(block, &v, sizeof v);
    return static_cast<typename ResultPointer<V>::type>(block);
}

template <auto F, typename... P>
auto udf(P... p) noexcept {
    if constexpr (std::is_invocable_v<decltype(F), TextOut&, decltype(load(p))...>) {
        if (any_null(p...)) return static_cast<char*>(nullptr);
        TextOut out;
        using R = std::invoke_result_t<decltype(F), TextOut&, decltype(load(p))...>;
        if constexpr (std::is_same_v<R, bool>) {
            if (!F(out, load(p)...)) return static_cast<char*>(nullptr);
        } else {
            F(out, load(p)...);
        }
        return out.finish();
    } else {
        using R = std::invoke_result_t<decltype(F), decltype(load(p))...>;
        using V = typename Unwrap<R>::type;
        using Ptr = typename ResultPointer<V>::type;
        if (any_null(p...)) return static_cast<Ptr>(nullptr);
        R r = F(load(p)...);
        if constexpr (Unwrap<R>::nullable) {
            if (!r) return static_cast<Ptr>(nullptr);
            return store<V>(*r);
        } else {
            return store<V>(r);
        }
    }
}

// Result returned by value: no block, and no way to say NULL; a null argument gives
// `fallback` without reading through the pointer.
template <auto F, auto fallback, typename... P>
auto by_value(P... p) noexcept {
    using R = std::invoke_result_t<decltype(F), decltype(load(p))...>;
    if (any_null(p...)) return static_cast<R>(fallback);
    return F(load(p)...);
}

}  // namespace brindle::frame
