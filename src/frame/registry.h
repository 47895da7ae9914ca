// The function registry: one row per exported function, written once next to its routine.
//
// A family lists its functions in a .def file beside the routines, one row each:
//
//   BRINDLE_FN(sql_name, entry, (routine), RESULT, TRAVEL, (ARGS...), WIDTH, NULLS, TRAITS,
//              "summary", "example", "answer")
//
//   sql_name  the name the function is declared under in SQL
//   entry     the exported entry point (lower case)
//   routine   the routine, in parentheses, as the family's source file names it
//   RESULT    TEXT, INT, SMALLINT, DOUBLE, TIMESTAMP, DATE, TIME or BLOB
//   TRAVEL    BLOCK   a result block the server frees (FREE_IT)
//             VALUE   returned by value (no NULL: a NULL argument gives the fallback)
//             ARG     the text argument itself is the result
//             PARAM   an output blob, declared as the last argument (RETURNS PARAMETER n)
//   ARGS      argument kinds in order: TEXT, INT, DOUBLE, TIMESTAMP, BLOB; TEXT_N, INT_N and
//             BLOB_N reach the routine even when NULL (as std::optional, or a null BlobIn)
//             (how each kind is declared in SQL, per front end, is the table in catalog/kinds.h:
//             a blob is BLOB SUB_TYPE TEXT CHARACTER SET NONE through UDR, a plain binary BLOB
//             through the legacy syntax, which knows no other; see the README on blobs)
//   WIDTH     the widest text result: FIXED(n), ARG(i) (as wide as text argument i),
//             TIMES(i, k) (k times argument i), MAXW (the widest text), NOTEXT
//   NULLS     PLAIN (a NULL argument of a plain kind gives NULL), FALLBACK(v) for VALUE
//   TRAITS    PURE, PURE_CAP (the result depends on the writer's capacity: padding to a
//             width, cutting at the limit; a routine that reasons with the limit takes it as
//             a std::size_t after its writer), VOLATILE (state, randomness or the clock)
//   summary   one line saying what the function gives
//   example   an SQL expression calling it, and answer an SQL expression it must equal,
//             written as SQL: "padleft('ab', 'xyz', 7)" and "'yzxyzab'" (text in quotes);
//             "~pattern" is matched with SIMILAR TO, "NULL" asks for SQL NULL, and a DOUBLE
//             answer allows for the last digits of its literal. The examples run as an SQL
//             test (sql_examples_*) through the engine.
//
// A row may be followed by notes, each a choice the function makes where a caller could
// expect otherwise (what a negative count, an empty pattern or an overflow gives), worded
// as the reference states it:
//
//   BRINDLE_NOTE(entry, "note")
//
// The source file that holds the routines ends with
//
//   #define BRINDLE_FN BRINDLE_ROUTINE
//   #include "family/file.def"
//   #undef BRINDLE_FN
//
// which checks at compile time that each routine's parameter and result types are exactly the
// row's kinds and publishes it in the one form every front end calls: bool(result&, args...),
// false meaning SQL NULL. The front ends, the declaration scripts, the kind test and the test
// prototypes are all produced from the same rows.
#pragma once

// Notes say nothing unless the includer defines BRINDLE_NOTE (the reference does).
#ifndef BRINDLE_NOTE
#define BRINDLE_NOTE(entry, note)
#endif

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <type_traits>

#include "frame/block.h"
#include "frame/segments.h"

namespace brindle::frame {

// TIMESTAMP as the server passes it: ISC_QUAD of date (days since 1858-11-17) and time
// (1/10000 s since midnight).
struct Timestamp {
    int32_t date;
    uint32_t time;
    friend bool operator==(const Timestamp&, const Timestamp&) = default;
};
static_assert(sizeof(Timestamp) == 8);

struct SqlDate {
    int32_t value;
};
struct SqlTime {
    uint32_t value;
};

enum class Kind { text, text_n, int_, int_n, smallint, double_, timestamp, date, time, blob, blob_n };
enum class Travel { block, value, arg, param };

// What a routine receives for an argument of each kind.
template <Kind K> struct ArgOf;
template <> struct ArgOf<Kind::text> { using type = std::string_view; };
template <> struct ArgOf<Kind::text_n> { using type = std::optional<std::string_view>; };
template <> struct ArgOf<Kind::int_> { using type = int32_t; };
template <> struct ArgOf<Kind::int_n> { using type = std::optional<int32_t>; };
template <> struct ArgOf<Kind::double_> { using type = double; };
template <> struct ArgOf<Kind::timestamp> { using type = Timestamp; };
template <> struct ArgOf<Kind::blob> { using type = BlobIn&; };
template <> struct ArgOf<Kind::blob_n> { using type = BlobIn&; };
template <Kind K> using Arg = typename ArgOf<K>::type;

// The value a routine produces for each result kind.
template <Kind K> struct ValueOf;
template <> struct ValueOf<Kind::int_> { using type = int32_t; };
template <> struct ValueOf<Kind::smallint> { using type = uint16_t; };
template <> struct ValueOf<Kind::double_> { using type = double; };
template <> struct ValueOf<Kind::timestamp> { using type = Timestamp; };
template <> struct ValueOf<Kind::date> { using type = SqlDate; };
template <> struct ValueOf<Kind::time> { using type = SqlTime; };
template <Kind K> using Value = typename ValueOf<K>::type;

// Where the routine's result goes: the text writer, the output blob, or a value.
template <Kind R> struct OutOf { using type = Value<R>&; };
template <> struct OutOf<Kind::text> { using type = TextOut&; };
template <> struct OutOf<Kind::blob> { using type = BlobOut&; };
template <Kind R> using Out = typename OutOf<R>::type;

template <typename T> struct NoExcept { using type = T; };
template <typename R, typename... P> struct NoExcept<R (*)(P...) noexcept> { using type = R (*)(P...); };

// The published form of a routine and the check that the routine has exactly the row's kinds.
template <Kind R, Travel T, Kind... A>
struct Canon {
    using fn = bool (*)(Out<R>, Arg<A>...);

    template <auto F>
    static bool call(Out<R> out, Arg<A>... a) noexcept {
        using G = typename NoExcept<decltype(F)>::type;
        if constexpr (R == Kind::text &&
                      (std::is_same_v<G, void (*)(Out<R>, std::size_t, Arg<A>...)> ||
                       std::is_same_v<G, bool (*)(Out<R>, std::size_t, Arg<A>...)>)) {
            // A routine whose answer depends on a limit takes it, as the front end set it.
            if constexpr (std::is_same_v<G, bool (*)(Out<R>, std::size_t, Arg<A>...)>) {
                return F(out, out.limit(), a...);
            } else {
                F(out, out.limit(), a...);
                return true;
            }
        } else if constexpr (R == Kind::text || R == Kind::blob) {
            static_assert(std::is_same_v<G, void (*)(Out<R>, Arg<A>...)> ||
                              std::is_same_v<G, bool (*)(Out<R>, Arg<A>...)>,
                          "the routine's parameters differ from the registry row's kinds");
            if constexpr (std::is_same_v<G, bool (*)(Out<R>, Arg<A>...)>) {
                return F(out, a...);
            } else {
                F(out, a...);
                return true;
            }
        } else {
            using V = Value<R>;
            static_assert(std::is_same_v<G, V (*)(Arg<A>...)> || std::is_same_v<G, std::optional<V> (*)(Arg<A>...)>,
                          "the routine's parameters or result differ from the registry row's kinds");
            if constexpr (std::is_same_v<G, V (*)(Arg<A>...)>) {
                out = F(a...);
                return true;
            } else {
                const std::optional<V> r = F(a...);
                if (!r) return false;
                out = *r;
                return true;
            }
        }
    }
};

// How wide a text result can be, as a rule over the declared widths of the text arguments.
enum class WidthRule { none, fixed, arg, times, widest };
struct Width {
    WidthRule rule;
    int32_t a;  // fixed: the width; arg, times: the argument (1-based)
    int32_t k;  // times: the factor
};

enum class Traits { pure, pure_cap, volatile_ };

}  // namespace brindle::frame

// ---- the row vocabulary ----------------------------------------------------------------
// Every word of a row is pasted onto one of these prefixes, so a row's words never meet a
// macro of the same name.

#define BRK_TEXT ::brindle::frame::Kind::text
#define BRK_TEXT_N ::brindle::frame::Kind::text_n
#define BRK_INT ::brindle::frame::Kind::int_
#define BRK_INT_N ::brindle::frame::Kind::int_n
#define BRK_SMALLINT ::brindle::frame::Kind::smallint
#define BRK_DOUBLE ::brindle::frame::Kind::double_
#define BRK_TIMESTAMP ::brindle::frame::Kind::timestamp
#define BRK_DATE ::brindle::frame::Kind::date
#define BRK_TIME ::brindle::frame::Kind::time
#define BRK_BLOB ::brindle::frame::Kind::blob
#define BRK_BLOB_N ::brindle::frame::Kind::blob_n

#define BRT_BLOCK ::brindle::frame::Travel::block
#define BRT_VALUE ::brindle::frame::Travel::value
#define BRT_ARG ::brindle::frame::Travel::arg
#define BRT_PARAM ::brindle::frame::Travel::param

#define BRW_FIXED(n) ::brindle::frame::Width{::brindle::frame::WidthRule::fixed, n, 0}
#define BRW_ARG(i) ::brindle::frame::Width{::brindle::frame::WidthRule::arg, i, 1}
#define BRW_TIMES(i, k) ::brindle::frame::Width{::brindle::frame::WidthRule::times, i, k}
#define BRW_MAXW ::brindle::frame::Width{::brindle::frame::WidthRule::widest, 0, 0}
#define BRW_NOTEXT ::brindle::frame::Width{::brindle::frame::WidthRule::none, 0, 0}

#define BRN_PLAIN 0
#define BRN_FALLBACK(v) v
#define BRN_IS_FALLBACK_PLAIN false
#define BRN_IS_FALLBACK_FALLBACK(v) true

#define BRX_PURE ::brindle::frame::Traits::pure
#define BRX_PURE_CAP ::brindle::frame::Traits::pure_cap
#define BRX_VOLATILE ::brindle::frame::Traits::volatile_

// ---- list helpers over a row's argument list (at most eight arguments) -------------------

#define BR_UNPAREN(...) __VA_ARGS__
#define BR_CAT(a, b) BR_CAT_I(a, b)
#define BR_CAT_I(a, b) a##b
#define BR_COUNT(...) BR_COUNT_I(__VA_OPT__(__VA_ARGS__, ) 8, 7, 6, 5, 4, 3, 2, 1, 0)
#define BR_COUNT_I(_1, _2, _3, _4, _5, _6, _7, _8, N, ...) N

// BR_MAP(M, a, b, ...) gives M(a, 0), M(b, 1), ... separated by commas.
#define BR_MAP(M, ...) BR_CAT(BR_MAP_, BR_COUNT(__VA_ARGS__))(M __VA_OPT__(, ) __VA_ARGS__)
#define BR_MAP_0(M)
#define BR_MAP_1(M, a) M(a, 0)
#define BR_MAP_2(M, a, b) M(a, 0), M(b, 1)
#define BR_MAP_3(M, a, b, c) M(a, 0), M(b, 1), M(c, 2)
#define BR_MAP_4(M, a, b, c, d) M(a, 0), M(b, 1), M(c, 2), M(d, 3)
#define BR_MAP_5(M, a, b, c, d, e) M(a, 0), M(b, 1), M(c, 2), M(d, 3), M(e, 4)
#define BR_MAP_6(M, a, b, c, d, e, f) M(a, 0), M(b, 1), M(c, 2), M(d, 3), M(e, 4), M(f, 5)
#define BR_MAP_7(M, a, b, c, d, e, f, g) M(a, 0), M(b, 1), M(c, 2), M(d, 3), M(e, 4), M(f, 5), M(g, 6)
#define BR_MAP_8(M, a, b, c, d, e, f, g, h) \
    M(a, 0), M(b, 1), M(c, 2), M(d, 3), M(e, 4), M(f, 5), M(g, 6), M(h, 7)

#define BR_KIND_OF(k, i) BRK_##k
// (TEXT, INT) -> , Kind::text, Kind::int_   (nothing for an empty list)
#define BR_KINDS_C(...) __VA_OPT__(, BR_MAP(BR_KIND_OF, __VA_ARGS__))
// (TEXT, INT) -> Kind::text, Kind::int_
#define BR_KINDS(...) BR_MAP(BR_KIND_OF, __VA_ARGS__)

#define BR_CANON(result, travel, args) ::brindle::frame::Canon<BRK_##result, BRT_##travel BR_KINDS_C args>

// Publishes one routine as brindle::routines::<entry>, checked against its row.
#define BRINDLE_ROUTINE(sql, entry, routine, result, travel, args, width, nulls, traits, summary, example, \
                        answer)                                                                          \
    namespace brindle::routines {                                                                        \
    extern const BR_CANON(result, travel, args)::fn entry;                                               \
    const BR_CANON(result, travel, args)::fn entry =                                                     \
        &BR_CANON(result, travel, args)::template call<BR_UNPAREN routine>;                              \
    }
