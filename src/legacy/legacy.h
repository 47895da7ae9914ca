// The legacy UDF front end: how an exported entry point turns the server's pointers into a
// routine's plain values and the routine's result into what the server expects back.
//
// Every argument arrives by reference; SQL NULL arrives as a null pointer (declared with the
// NULL keyword), a NULL blob as a callback record without a handle. A value comes back in one
// result block of 32768 bytes from ib_util_malloc, by value, as the argument pointer itself
// (ARG), or through the output blob record passed last (PARAM).
//
// The call itself is the frame's (frame/call.h); this front end only reads the pointers, hands
// the routine a writer over a result block, and turns the outcome into what it returns. A
// legacy function has no way to raise an error: a result block that cannot be had gives NULL,
// and an infinite or undefined double goes back as it is, for the engine to refuse.
#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <tuple>

#include "frame/block.h"
#include "frame/call.h"
#include "frame/registry.h"

struct blobcallback;  // the server's blob callback record (ibase.h)

#define BRINDLE_ENTRY extern "C" __attribute__((visibility("default")))

namespace brindle::legacy {

using frame::Kind;
using frame::Outcome;
using frame::Travel;

// A result block: 32768 bytes, a text of at most 32767 bytes and its NUL. Routines whose answer
// depends on a limit are given the text's capacity.
inline constexpr std::size_t kBlockSize = 32768;
inline constexpr std::size_t kTextCapacity = kBlockSize - 1;

// One fresh result block from ib_util_malloc (the server frees it), or nullptr.
void* allocate_block() noexcept;
// The text writer's allocator: a result block (bytes <= kBlockSize), or nullptr.
void* block_allocator(std::size_t bytes) noexcept;

// Reading the server's blob records (blob_callback.cpp): an adapter that lives for one call.
class CallbackBlobIn final : public frame::BlobIn {
public:
    explicit CallbackBlobIn(blobcallback* record) noexcept : record_(record) {}
    bool is_null() const noexcept override;
    int64_t total_length() const noexcept override;
    int64_t segment_count() const noexcept override;
    int64_t max_segment() const noexcept override;
    bool read(char* buf, std::size_t cap, std::size_t& got) noexcept override;

private:
    blobcallback* record_;
};

class CallbackBlobOut final : public frame::BlobOut {
public:
    explicit CallbackBlobOut(blobcallback* record) noexcept : record_(record) {}
    bool write(const char* data, std::size_t n) noexcept override;

private:
    blobcallback* record_;
};

bool blob_present(const blobcallback* record) noexcept;

// The C type of each argument kind's pointer.
template <Kind K> struct ParamOf;
template <> struct ParamOf<Kind::text> { using type = const char*; };
template <> struct ParamOf<Kind::text_n> { using type = const char*; };
template <> struct ParamOf<Kind::int_> { using type = const int32_t*; };
template <> struct ParamOf<Kind::int_n> { using type = const int32_t*; };
template <> struct ParamOf<Kind::double_> { using type = const double*; };
template <> struct ParamOf<Kind::timestamp> { using type = const frame::Timestamp*; };
template <> struct ParamOf<Kind::blob> { using type = blobcallback*; };
template <> struct ParamOf<Kind::blob_n> { using type = blobcallback*; };
template <Kind K> using Param = typename ParamOf<K>::type;

// The C type of each result.
template <Kind R, Travel T> struct RetOf { using type = frame::Value<R>*; };
template <> struct RetOf<Kind::text, Travel::block> { using type = char*; };
template <> struct RetOf<Kind::text, Travel::arg> { using type = const char*; };
template <> struct RetOf<Kind::date, Travel::block> { using type = int32_t*; };
template <> struct RetOf<Kind::time, Travel::block> { using type = uint32_t*; };
template <> struct RetOf<Kind::int_, Travel::value> { using type = int32_t; };
template <> struct RetOf<Kind::double_, Travel::value> { using type = double; };
template <> struct RetOf<Kind::blob, Travel::param> { using type = blobcallback*; };
template <Kind R, Travel T> using Ret = typename RetOf<R, T>::type;

// One argument, read from its pointer for the length of the call.
template <Kind K> struct Loaded {
    explicit Loaded(Param<K> p) noexcept : v(*p) {}
    frame::Arg<K> get() noexcept { return v; }
    frame::Arg<K> v;
};
template <> struct Loaded<Kind::text> {
    explicit Loaded(const char* p) noexcept : v(p) {}
    std::string_view get() noexcept { return v; }
    std::string_view v;
};
template <> struct Loaded<Kind::text_n> {
    explicit Loaded(const char* p) noexcept {
        if (p != nullptr) v = std::string_view(p);
    }
    std::optional<std::string_view> get() noexcept { return v; }
    std::optional<std::string_view> v;
};
template <> struct Loaded<Kind::int_n> {
    explicit Loaded(const int32_t* p) noexcept {
        if (p != nullptr) v = *p;
    }
    std::optional<int32_t> get() noexcept { return v; }
    std::optional<int32_t> v;
};
template <> struct Loaded<Kind::timestamp> {
    explicit Loaded(const frame::Timestamp* p) noexcept { std::memcpy(&v, p, sizeof v); }
    frame::Timestamp get() noexcept { return v; }
    frame::Timestamp v;
};
template <> struct Loaded<Kind::blob> {
    explicit Loaded(blobcallback* p) noexcept : v(p) {}
    frame::BlobIn& get() noexcept { return v; }
    CallbackBlobIn v;
};
template <> struct Loaded<Kind::blob_n> : Loaded<Kind::blob> {
    using Loaded<Kind::blob>::Loaded;
};

// Stores v at the start of a fresh result block.
template <typename V> V* store(const V& v) noexcept {
    void* block = allocate_block();
    if (block != nullptr) std::memcpy(block, &v, sizeof v);
    return static_cast<V*>(block);
}

using frame::NoWriter;

template <Kind R, Travel T, Kind... A>
struct Call {
    using Core = frame::Core<R, T, A...>;
    using Fn = typename Core::Fn;
    using Result = Ret<R, T>;

    // The pointers of one call, as the core reads them.
    struct Front {
        std::tuple<Param<A>...> p;
        blobcallback* out_blob;
        std::conditional_t<R == Kind::text, frame::TextOut, NoWriter> out;
        std::conditional_t<R == Kind::blob, CallbackBlobOut, NoWriter> blob = out_writer(out_blob);

        template <Kind K, std::size_t I> bool present() const noexcept {
            if constexpr (K == Kind::blob) {
                return blob_present(std::get<I>(p));
            } else {
                return std::get<I>(p) != nullptr;
            }
        }
        template <Kind K, std::size_t I> struct Load : Loaded<K> {
            explicit Load(Front& f) noexcept : Loaded<K>(std::get<I>(f.p)) {}
        };
        static constexpr bool load_failed() noexcept { return false; }
        static constexpr bool failed() noexcept { return false; }
        static constexpr bool kRefusesCut = false;  // a text cut at the block's capacity goes back cut
        frame::TextOut& writer() noexcept { return out; }
        frame::BlobOut* blob_out() noexcept {
            if constexpr (R == Kind::blob) {
                return blob_present(out_blob) ? &blob : nullptr;
            } else {
                return nullptr;
            }
        }
        static auto out_writer(blobcallback* record) noexcept {
            if constexpr (R == Kind::blob) {
                return CallbackBlobOut(record);
            } else {
                return NoWriter{};
            }
        }
        static constexpr bool finish_blob(bool) noexcept { return true; }
    };

    template <typename Fallback>
    static Result run(Fn fn, Fallback fallback, blobcallback* out_blob, Param<A>... p) noexcept {
        Front fe{{p...}, out_blob, make_writer()};
        typename Core::Slot v{};
        const Outcome o = Core::run(fn, fe, v, static_cast<double>(fallback));
        if constexpr (T == Travel::arg) {
            static_assert(sizeof...(A) == 1, "only a single text argument can be handed back");
            return o == Outcome::value ? std::get<0>(fe.p) : nullptr;
        } else if constexpr (R == Kind::text) {
            return o == Outcome::value ? fe.out.finish() : nullptr;  // no block: NULL
        } else if constexpr (R == Kind::blob) {
            return o == Outcome::value ? out_blob : nullptr;
        } else if constexpr (T == Travel::value) {
            // The value, the fallback, or a double the engine refuses when it is not finite.
            return answered(o) ? v : static_cast<Result>(fallback);
        } else {
            if (!answered(o)) return nullptr;
            if constexpr (R == Kind::date || R == Kind::time) {
                return store(v.value);
            } else {
                return store(v);
            }
        }
    }

private:
    // A value came back (an infinite or NaN double too: the engine refuses it itself).
    static bool answered(Outcome o) noexcept {
        return o == Outcome::value || o == Outcome::fp_overflow || o == Outcome::fp_nan;
    }

    static auto make_writer() noexcept {
        if constexpr (R == Kind::text) {
            return frame::TextOut(&block_allocator, kTextCapacity);
        } else {
            return NoWriter{};
        }
    }
};

}  // namespace brindle::legacy

// ---- entry points from registry rows ---------------------------------------------------

#define BRL_PARAM(k, i) ::brindle::legacy::Param<BRK_##k> p##i
#define BRL_NAME(k, i) p##i
#define BRL_PARAMS(...) BR_MAP(BRL_PARAM, __VA_ARGS__)
#define BRL_NAMES_C(...) __VA_OPT__(, BR_MAP(BRL_NAME, __VA_ARGS__))
#define BRL_OUT_BLOCK
#define BRL_OUT_VALUE
#define BRL_OUT_ARG
#define BRL_OUT_PARAM , blobcallback* out_blob
#define BRL_OUT_NAME_BLOCK nullptr
#define BRL_OUT_NAME_VALUE nullptr
#define BRL_OUT_NAME_ARG nullptr
#define BRL_OUT_NAME_PARAM out_blob

#define BRL_RET(result, travel) ::brindle::legacy::Ret<BRK_##result, BRT_##travel>

// The prototype of an entry point, as the unit tests call it.
#define BRINDLE_LEGACY_PROTOTYPE(sql, entry, routine, result, travel, args, width, nulls, traits, summary, \
                                 example, answer)                                                          \
    extern "C" BRL_RET(result, travel) entry(BRL_PARAMS args BRL_OUT_##travel);

// The exported entry point itself.
#define BRINDLE_LEGACY_ENTRY(sql, entry, routine, result, travel, args, width, nulls, traits, summary,    \
                             example, answer)                                                             \
    namespace brindle::routines {                                                                         \
    extern const BR_CANON(result, travel, args)::fn entry;                                                \
    }                                                                                                     \
    BRINDLE_ENTRY BRL_RET(result, travel) entry(BRL_PARAMS args BRL_OUT_##travel) {                       \
        return ::brindle::legacy::Call<BRK_##result, BRT_##travel BR_KINDS_C args>::run(                  \
            ::brindle::routines::entry, BRN_##nulls, BRL_OUT_NAME_##travel BRL_NAMES_C args);             \
    }
