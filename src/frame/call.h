// The call core: one call of a routine, the same for every front end.
//
// A front end hands the core one object for the call (the Front below) that knows where the
// arguments are, where the result goes and how memory is had; the core applies the row's NULL
// rule and fallback, gives the routine its arguments and the writer, and turns what happened
// into one Outcome, which the front end reports in its own way.
//
// A Front provides:
//   template <Kind K, std::size_t I> bool present()   is argument I given? (asked for the plain
//                                                     kinds only: the nullable ones always are)
//   template <Kind K, std::size_t I> struct Load      argument I for the length of the call:
//                                                     constructed from the Front, get() gives
//                                                     the routine's value
//   bool load_failed()                                a blob argument could not be opened
//   bool failed()                                     a blob could not be opened or read
//
// A routine that cannot have its working memory (frame/memory.h) notes it on its writer or an
// input blob, and the call ends as no_memory whatever the routine answered.
//   text results:  TextOut& writer(); static constexpr bool kRefusesCut
//   blob results:  BlobOut* blob_out() (nullptr: none can be had);
//                  bool finish_blob(bool keep) (closes it, keeps or cancels; false on a failure)
#pragma once

#include <cmath>
#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

#include "frame/registry.h"

namespace brindle::frame {

// How a call ended.
enum class Outcome {
    value,        // the result is there (text in the writer, a value, an output blob)
    null,         // SQL NULL
    too_long,     // the text passed the writer's capacity, and the front end refuses that
    no_memory,    // the result's memory could not be had
    blob,         // a blob could not be opened, read, created or written
    fp_overflow,  // an infinite double (the value is still handed back)
    fp_nan,       // an undefined double (the value is still handed back)
};

// What a front end holds in place of a writer (or an output blob) that a row does not use.
struct NoWriter {};

template <Kind R> struct SlotOf { using type = Value<R>; };
template <> struct SlotOf<Kind::text> { using type = char; };
template <> struct SlotOf<Kind::blob> { using type = char; };

template <Kind R, Travel T, Kind... A>
struct Core {
    using Fn = typename Canon<R, T, A...>::fn;
    // What a value result lands in (unused for text and blob results).
    using Slot = typename SlotOf<R>::type;

    // One call. A value result lands in v (for a VALUE row also the fallback, where another row
    // answers NULL).
    template <typename Front>
    static Outcome run(Fn fn, Front& fe, Slot& v, double fallback) noexcept {
        return run_i(fn, fe, v, fallback, std::make_index_sequence<sizeof...(A)>{});
    }

private:
    template <Kind K, std::size_t I, typename Front> static bool given(Front& fe) noexcept {
        if constexpr (K == Kind::text_n || K == Kind::int_n || K == Kind::blob_n) {
            return true;
        } else {
            return fe.template present<K, I>();
        }
    }

    template <std::size_t, typename Front> static Front& self(Front& fe) noexcept { return fe; }

    template <Kind K, typename L> static bool starved_blob(L& load) noexcept {
        if constexpr (K == Kind::blob || K == Kind::blob_n) {
            return load.get().no_memory();
        } else {
            return false;
        }
    }

    template <typename Front, std::size_t... I>
    static Outcome run_i(Fn fn, Front& fe, Slot& v, double fallback, std::index_sequence<I...>) noexcept {
        if (!(given<A, I>(fe) && ...)) return none(v, fallback);
        if constexpr (T == Travel::arg) {
            return Outcome::value;  // the text argument itself is the result
        } else {
            std::tuple<typename Front::template Load<A, I>...> args(self<I>(fe)...);
            if (fe.load_failed()) return Outcome::blob;
            const auto call = [&](auto& out) noexcept {
                return std::apply([&](auto&... a) noexcept { return fn(out, a.get()...); }, args);
            };
            // A routine that could not have its working memory noted it on an input blob.
            const auto starved = [&]() noexcept {
                return (starved_blob<A>(std::get<I>(args)) || ... || false);
            };
            if constexpr (R == Kind::text) {
                TextOut& out = fe.writer();
                const bool ok = call(out);
                if (fe.failed()) return Outcome::blob;
                if (out.failed() || starved()) return Outcome::no_memory;
                if (!ok) return Outcome::null;
                if (!out.ready()) return Outcome::no_memory;
                if (Front::kRefusesCut && out.cut()) return Outcome::too_long;
                return Outcome::value;
            } else if constexpr (R == Kind::blob) {
                BlobOut* out = fe.blob_out();
                if (out == nullptr) return Outcome::blob;
                const bool ok = call(*out);
                const bool lost = starved();
                const bool closed = fe.finish_blob(ok && !lost && !fe.failed());
                if (fe.failed() || !closed) return Outcome::blob;
                if (lost) return Outcome::no_memory;
                return ok ? Outcome::value : Outcome::null;
            } else {
                const bool ok = call(v);
                if (fe.failed()) return Outcome::blob;
                if (starved()) return Outcome::no_memory;
                if (!ok) return none(v, fallback);
                return checked(v);
            }
        }
    }

    // The NULL rule: NULL, or the fallback of a VALUE row.
    static Outcome none(Slot& v, double fallback) noexcept {
        if constexpr (T == Travel::value) {
            v = static_cast<Slot>(fallback);
            return checked(v);
        } else {
            return Outcome::null;
        }
    }

    static Outcome checked(const Slot& v) noexcept {
        if constexpr (std::is_same_v<Slot, double>) {
            if (std::isnan(v)) return Outcome::fp_nan;
            if (std::isinf(v)) return Outcome::fp_overflow;
        }
        return Outcome::value;
    }
};

}  // namespace brindle::frame
