// The UDR front end: how one call turns the server's input message into a routine's plain
// values and the routine's result into the output message.
//
// A message is a flat buffer described by its metadata: each field has a type, a length, an
// offset and the offset of its 2-byte NULL flag. The adapter reads the layout once, when the
// server creates the function's instance (checking it against the registry row). The call
// itself is the frame's (frame/call.h); per call this front end reads the arguments from their
// offsets and writes the result straight into its field: text through a TextOut over the field
// itself, with the field's declared length as capacity and kRoutineLimit as the limit.
//
// Nothing here knows the server's interfaces: blobs come from a BlobHost, which the plugin
// implements over IAttachment/IBlob and the unit tests over plain memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "catalog/kinds.h"
#include "frame/block.h"
#include "frame/call.h"
#include "frame/registry.h"
#include "frame/segments.h"

namespace brindle::udr {

using frame::Kind;
using frame::Traits;
using frame::Travel;

// SQL type codes as message metadata reports them, and the widest VARCHAR the server accepts
// (the kinds table, catalog/kinds.h).
using catalog::kSqlBlob;
using catalog::kSqlDate;
using catalog::kSqlDouble;
using catalog::kSqlLong;
using catalog::kSqlShort;
using catalog::kSqlTime;
using catalog::kSqlTimestamp;
using catalog::kSqlVarying;
inline constexpr unsigned kMaxVarchar = catalog::kUdrMaxText;
inline constexpr std::size_t kMaxArgs = 8;

// One field of a message.
struct Field {
    unsigned type = 0;  // without the nullable bit
    unsigned length = 0;
    unsigned offset = 0;
    unsigned null_offset = 0;
    unsigned charset = 0;
    int scale = 0;
    int sub_type = 0;
};

struct Layout {
    Field in[kMaxArgs];
    unsigned in_count = 0;
    Field out;
    unsigned in_length = 0;   // message lengths, as the metadata reports them
    unsigned out_length = 0;
};

// A blob id as it lies in a message (ISC_QUAD).
struct BlobId {
    uint32_t high;
    uint32_t low;
};
static_assert(sizeof(BlobId) == 8);

// Where a call gets its blobs. Blobs opened or created by a host live until the host is
// finished with the call; every failure is a return value.
class BlobHost {
public:
    // The blob with this id, open for reading, or nullptr when it cannot be opened.
    virtual frame::BlobIn* open(const BlobId& id) noexcept = 0;
    // A new output blob (created on its first segment or by finish_out), or nullptr.
    virtual frame::BlobOut* create() noexcept = 0;
    // Closes the output blob and gives its id (keep), or cancels it. False on a failure.
    virtual bool finish_out(bool keep, BlobId& id) noexcept = 0;
    // True when a blob operation failed during the call (a read that ended early).
    virtual bool failed() const noexcept = 0;

protected:
    ~BlobHost() = default;
};

// Why a call ended without a result.
enum class Failure { none, truncation, blob, fp_overflow, fp_nan, no_memory };

struct Call {
    const Layout& layout;
    const unsigned char* in;
    unsigned char* out;
    BlobHost& blobs;
    double fallback;
    Failure fail = Failure::none;
    std::size_t expected = 0;  // truncation: the field's length and the text's (at least)
    std::size_t actual = 0;
};

// One row of the registry as this front end sees it.
struct Descriptor {
    const char* sql;
    const char* entry;
    Kind result;
    Travel travel;
    Traits traits;
    const Kind* args;
    unsigned arg_count;
    double fallback;
    void (*invoke)(Call&) noexcept;
};

// Every row, in registry order (table.cpp).
extern const Descriptor kTable[];
extern const std::size_t kTableSize;

// The row of an entry point, or nullptr.
const Descriptor* find(std::string_view entry) noexcept;

// Checks a declaration's layout against its row. Returns true when it matches; otherwise
// writes what disagrees into msg (always NUL-terminated).
bool check(const Descriptor& d, const Layout& l, char* msg, std::size_t cap) noexcept;

// The limit handed to routines whose answer depends on one: the legacy front end's capacity
// (a result block's text), so both front ends give the same answers. A text that does not fit
// the declared field is cut by the writer and refused as too long, as it always would be.
inline constexpr std::size_t kRoutineLimit = 32767;

namespace detail {

inline bool is_null(const Call& c, const Field& f) noexcept {
    int16_t flag;
    std::memcpy(&flag, c.in + f.null_offset, sizeof flag);
    return flag != 0;
}

inline void set_null(Call& c, bool null) noexcept {
    const int16_t flag = null ? -1 : 0;
    std::memcpy(c.out + c.layout.out.null_offset, &flag, sizeof flag);
}

inline std::string_view text_of(const Call& c, const Field& f) noexcept {
    uint16_t n;
    std::memcpy(&n, c.in + f.offset, sizeof n);
    if (n > f.length) n = static_cast<uint16_t>(f.length);  // never beyond the field
    return {reinterpret_cast<const char*>(c.in + f.offset + 2), n};
}

template <typename V> inline V value_of(const Call& c, const Field& f) noexcept {
    V v;
    std::memcpy(&v, c.in + f.offset, sizeof v);
    return v;
}

template <typename V> inline void put_value(Call& c, const V& v) noexcept {
    std::memcpy(c.out + c.layout.out.offset, &v, sizeof v);
    set_null(c, false);
}

class NullBlob final : public frame::BlobIn {
public:
    bool is_null() const noexcept override { return true; }
    int64_t total_length() const noexcept override { return 0; }
    int64_t segment_count() const noexcept override { return 0; }
    int64_t max_segment() const noexcept override { return 0; }
    bool read(char*, std::size_t, std::size_t& got) noexcept override {
        got = 0;
        return false;
    }
};

struct Src {
    Call* c;
    std::size_t i;
};

// One argument, read from the message for the length of the call.
template <Kind K> struct Load;
template <> struct Load<Kind::text> {
    explicit Load(Src s) noexcept : v(text_of(*s.c, s.c->layout.in[s.i])) {}
    std::string_view get() noexcept { return v; }
    std::string_view v;
};
template <> struct Load<Kind::text_n> {
    explicit Load(Src s) noexcept {
        const Field& f = s.c->layout.in[s.i];
        if (!is_null(*s.c, f)) v = text_of(*s.c, f);
    }
    std::optional<std::string_view> get() noexcept { return v; }
    std::optional<std::string_view> v;
};
template <> struct Load<Kind::int_> {
    explicit Load(Src s) noexcept : v(value_of<int32_t>(*s.c, s.c->layout.in[s.i])) {}
    int32_t get() noexcept { return v; }
    int32_t v;
};
template <> struct Load<Kind::int_n> {
    explicit Load(Src s) noexcept {
        const Field& f = s.c->layout.in[s.i];
        if (!is_null(*s.c, f)) v = value_of<int32_t>(*s.c, f);
    }
    std::optional<int32_t> get() noexcept { return v; }
    std::optional<int32_t> v;
};
template <> struct Load<Kind::double_> {
    explicit Load(Src s) noexcept : v(value_of<double>(*s.c, s.c->layout.in[s.i])) {}
    double get() noexcept { return v; }
    double v;
};
template <> struct Load<Kind::timestamp> {
    explicit Load(Src s) noexcept : v(value_of<frame::Timestamp>(*s.c, s.c->layout.in[s.i])) {}
    frame::Timestamp get() noexcept { return v; }
    frame::Timestamp v;
};
template <> struct Load<Kind::blob> {
    explicit Load(Src s) noexcept {
        const Field& f = s.c->layout.in[s.i];
        if (is_null(*s.c, f)) return;
        b = s.c->blobs.open(value_of<BlobId>(*s.c, f));
        if (b == nullptr) s.c->fail = Failure::blob;
    }
    frame::BlobIn& get() noexcept { return b != nullptr ? *b : none; }
    frame::BlobIn* b = nullptr;
    NullBlob none;
};
template <> struct Load<Kind::blob_n> : Load<Kind::blob> {
    using Load<Kind::blob>::Load;
};

inline void truncated(Call& c, std::size_t actual) noexcept {
    c.fail = Failure::truncation;
    c.expected = c.layout.out.length;
    c.actual = actual;
}

// Text into the output field: length word, then the bytes.
inline void put_text(Call& c, const char* p, std::size_t n) noexcept {
    const Field& f = c.layout.out;
    if (n > f.length) {
        truncated(c, n);
        return;
    }
    const auto len = static_cast<uint16_t>(n);
    std::memcpy(c.out + f.offset, &len, sizeof len);
    if (n != 0) std::memcpy(c.out + f.offset + 2, p, n);
    set_null(c, false);
}

}  // namespace detail

using frame::NoWriter;

template <Kind R, Travel T, Kind... A>
struct Invoker {
    using Core = frame::Core<R, T, A...>;
    using Fn = typename Core::Fn;
    static constexpr Kind kinds[sizeof...(A) + 1] = {A..., Kind::text};
    static constexpr bool kBlobs =
        R == Kind::blob || ((A == Kind::blob || A == Kind::blob_n) || ... || false);

    // The messages of one call, as the core reads them.
    struct Front {
        Call& c;
        std::conditional_t<R == Kind::text, frame::TextOut, NoWriter> out;
        BlobId id{};

        template <Kind K, std::size_t I> bool present() const noexcept { return !detail::is_null(c, c.layout.in[I]); }
        template <Kind K, std::size_t I> struct Load : detail::Load<K> {
            explicit Load(Front& f) noexcept : detail::Load<K>(detail::Src{&f.c, I}) {}
        };
        bool load_failed() const noexcept { return kBlobs && c.fail == Failure::blob; }
        bool failed() const noexcept {
            if constexpr (kBlobs) {
                return c.fail == Failure::blob || c.blobs.failed();
            } else {
                return false;
            }
        }
        static constexpr bool kRefusesCut = true;  // a text must fit its declared field
        frame::TextOut& writer() noexcept { return out; }
        frame::BlobOut* blob_out() noexcept { return c.blobs.create(); }
        bool finish_blob(bool keep) noexcept { return c.blobs.finish_out(keep, id); }
    };

    template <const Fn* P>
    static void run(Call& c) noexcept {
        using namespace detail;
        Front fe{c, writer(c)};
        typename Core::Slot v{};
        switch (Core::run(*P, fe, v, c.fallback)) {
            case frame::Outcome::value:
                if constexpr (T == Travel::arg) {
                    const std::string_view s = text_of(c, c.layout.in[0]);
                    put_text(c, s.data(), s.size());
                } else if constexpr (R == Kind::text) {
                    const auto len = static_cast<uint16_t>(fe.out.size());
                    std::memcpy(c.out + c.layout.out.offset, &len, sizeof len);
                    set_null(c, false);
                } else if constexpr (R == Kind::blob) {
                    put_value(c, fe.id);
                } else {
                    put_value(c, v);
                }
                return;
            case frame::Outcome::null: set_null(c, true); return;
            case frame::Outcome::too_long: truncated(c, std::size_t{c.layout.out.length} + 1); return;
            case frame::Outcome::no_memory: c.fail = Failure::no_memory; return;
            case frame::Outcome::blob: c.fail = Failure::blob; return;
            case frame::Outcome::fp_overflow: c.fail = Failure::fp_overflow; return;
            case frame::Outcome::fp_nan: c.fail = Failure::fp_nan; return;
        }
    }

private:
    static auto writer(Call& c) noexcept {
        if constexpr (R == Kind::text) {
            const Field& f = c.layout.out;
            return frame::TextOut(reinterpret_cast<char*>(c.out + f.offset + 2), f.length, kRoutineLimit);
        } else {
            return NoWriter{};
        }
    }
};

}  // namespace brindle::udr
