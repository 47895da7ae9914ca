// Calling every exported legacy entry point with arguments decoded from a byte string.
//
// The table of entry points is expanded from the registry rows, so a new row is called here
// without anyone writing a line. A byte string picks each argument by kind: texts of any bytes
// up to the declared 32767, extreme integers, doubles including NaN, infinities and
// subnormals, timestamps over the whole 32-bit date range with any time value, blob callback
// records whose counts and segment reads lie, and NULL in any position. The fuzz target reads
// the bytes from libFuzzer; the thread test from a seeded generator.
//
// A call returns what the server would see (NULL or the bytes of the value, the text or the
// output blob) and the first broken invariant of the calling frame, if any.
#pragma once

#include <ibase.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "legacy/prototypes.h"
#include "support/fake_blob.h"

namespace brindle::fuzz {

// Writes one seed input of a corpus; a seed that cannot be written ends the run.
inline void write_seed(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

using frame::Kind;
using frame::Traits;
using frame::Travel;

// Reads a byte string front to back; past its end every read gives zeros.
class Bytes {
public:
    Bytes(const uint8_t* data, std::size_t size, std::size_t max_text = frame::kTextCapacity) noexcept
        : p_(data), n_(size), max_text_(max_text) {}

    uint8_t u8() noexcept { return i_ < n_ ? p_[i_++] : 0; }
    uint16_t u16() noexcept { return static_cast<uint16_t>(u8() | u8() << 8); }
    uint32_t u32() noexcept { return u16() | static_cast<uint32_t>(u16()) << 16; }
    uint64_t u64() noexcept { return u32() | static_cast<uint64_t>(u32()) << 32; }
    // Up to n bytes of the input, appended to s.
    void take(std::size_t n, std::string& s) {
        const std::size_t k = n < n_ - i_ ? n : n_ - i_;
        s.append(reinterpret_cast<const char*>(p_ + i_), k);
        i_ += k;
    }
    std::size_t max_text() const noexcept { return max_text_; }

private:
    const uint8_t* p_;
    std::size_t n_;
    std::size_t i_ = 0;
    std::size_t max_text_;
};

template <typename T, std::size_t N>
T pick(const T (&table)[N], uint8_t i) noexcept {
    return table[i % N];
}

inline constexpr int32_t kInts[] = {0, 1, -1, 2, 3, 7, 10, 12, 16, 24, 31, 32, 33, 36, 59, 60, 64, 99, 100, 255,
                                    256, 1000, 1582, 9999, 10000, 32767, 32768, 65535, 65536, 1000000,
                                    INT32_MAX, INT32_MIN, INT32_MAX - 1, INT32_MIN + 1, -2, -32768, -65536,
                                    1 << 30, -(1 << 30), 2147483, 86400, 2973483, -678575};
inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr double kDoubles[] = {0.0, -0.0, 1.0, -1.0, 0.5, -0.5, 1.5, 2.5, 0.1, 3.141592653589793,
                                      std::numeric_limits<double>::quiet_NaN(),
                                      -std::numeric_limits<double>::quiet_NaN(), kInf, -kInf,
                                      std::numeric_limits<double>::min(), -std::numeric_limits<double>::min(),
                                      std::numeric_limits<double>::denorm_min(),
                                      -std::numeric_limits<double>::denorm_min(), 2.2250738585072009e-308,
                                      std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                                      1.7e308, -1.7e308, 1e308, 1e300, 1e-300, 1e15, 1e16, 1e17, 1e19, 1e22,
                                      9007199254740992.0, 9007199254740993.0, 2147483647.0, 2147483648.0,
                                      -2147483648.0, -2147483649.0, 4294967296.0, 9.2233720368547758e18,
                                      -9.2233720368547758e18, 0.49999999999999994, 1000.0, -1000.0, 710.0,
                                      1e-5, 123456.789, 1e-320};
// Day numbers: the engine's limits (0001-01-01, 9999-12-31), the epoch, calendar turns, extremes.
inline constexpr int32_t kDates[] = {0, -1, 1, -678575, 2973483, 2973484, -678576, 40587, 59580, -100840,
                                     -100841, 51544, 60000, INT32_MAX, INT32_MIN, INT32_MAX - 1,
                                     INT32_MIN + 1, 1 << 30, -(1 << 30), 2400000, -2400001};
inline constexpr uint32_t kTimes[] = {0, 1, 9999, 10000, 863999999, 864000000, 864000001, UINT32_MAX,
                                      UINT32_MAX - 1, 1u << 31, 432000000};
inline constexpr const char* kWords[] = {"", " ", "  a  ", "%s%d%n%%%x%1000000d", "dd.mm.yyyy hh:nn:ss",
                                         "2024-02-29 23:59:59.9999", "0001-01-01", "9999-12-31", "-1e308",
                                         "0x7fffffff", "MCMXCIV", "ÄÖÜäöüß", "\xc3\x84\xc3\x96",
                                         "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "\t\r\n\v\f", "DE", "en", "%", "\\",
                                         "'\"", "12345678901234567890", "-0", "1,5", "   -123   ",
                                         "{12345678-1234-1234-1234-123456789abc}"};

// Everything an argument points to, owned for the length of one call.
class Store {
public:
    template <typename T>
    const T* hold(T v) {
        auto* p = new T(v);
        owned_.emplace_back(p, [](void* q) { delete static_cast<T*>(q); });
        return p;
    }
    const char* text(const std::string& s) {
        // Exactly the text and its NUL, so a read past the terminator is caught.
        char* p = new char[s.size() + 1];
        std::memcpy(p, s.data(), s.size());
        p[s.size()] = '\0';
        owned_.emplace_back(p, [](void* q) { delete[] static_cast<char*>(q); });
        return p;
    }
    template <typename T>
    T* keep(std::unique_ptr<T> p) {
        T* raw = p.get();
        owned_.emplace_back(p.release(), [](void* q) { delete static_cast<T*>(q); });
        return raw;
    }

private:
    std::vector<std::unique_ptr<void, void (*)(void*)>> owned_;
};

inline bool null_arg(uint8_t sel) noexcept { return (sel & 15) == 15; }

inline std::string text_bytes(Bytes& in, uint8_t sel) {
    std::string s;
    switch ((sel >> 4) & 7) {
        case 0:
        case 1: in.take(in.u8(), s); break;
        case 2: in.take(in.u16() % (in.max_text() + 1), s); break;
        case 3: {
            // A short pattern repeated to any length up to the limit.
            std::string pattern;
            in.take(in.u8() % 8 + 1, pattern);
            if (pattern.empty()) pattern = " ";
            const std::size_t len = in.u16() % (in.max_text() + 1);
            while (s.size() < len) s.append(pattern, 0, len - s.size());
            break;
        }
        case 4: {
            const uint8_t n = in.u8() % 4 + 1;
            for (uint8_t k = 0; k < n; ++k) s += pick(kWords, in.u8());
            break;
        }
        case 5: s.assign(pick(kWords, in.u8())); break;
        case 6: {
            // Every byte value once, from a given start.
            const uint8_t start = in.u8();
            for (int b = 0; b < 256; ++b) s += static_cast<char>(static_cast<uint8_t>(start + b));
            break;
        }
        default: break;  // the empty text
    }
    if (s.size() > in.max_text()) s.resize(in.max_text());
    return s;
}

inline int32_t int_value(Bytes& in, uint8_t sel) noexcept {
    switch ((sel >> 4) & 3) {
        case 0: return pick(kInts, in.u8());
        case 1: return static_cast<int32_t>(in.u32());
        case 2: return static_cast<int8_t>(in.u8());
        default: return static_cast<int32_t>(static_cast<uint32_t>(pick(kInts, in.u8())) +
                                              static_cast<uint32_t>(static_cast<int8_t>(in.u8())));
    }
}

inline double double_value(Bytes& in, uint8_t sel) noexcept {
    switch ((sel >> 4) & 3) {
        case 0: return pick(kDoubles, in.u8());
        case 1: {
            const uint64_t bits = in.u64();
            double d;
            std::memcpy(&d, &bits, sizeof d);
            return d;
        }
        case 2: return static_cast<int8_t>(in.u8());
        default: return static_cast<int32_t>(in.u32()) / std::ldexp(1.0, in.u8() % 64);
    }
}

inline frame::Timestamp timestamp_value(Bytes& in, uint8_t sel) noexcept {
    frame::Timestamp t{};
    switch ((sel >> 4) & 3) {
        case 0: t.date = pick(kDates, in.u8()); break;
        case 1: t.date = static_cast<int32_t>(in.u32()); break;
        default: t.date = static_cast<int32_t>(in.u32() % (2973483u + 678575u + 1u)) - 678575; break;
    }
    switch ((sel >> 6) & 3) {
        case 0: t.time = pick(kTimes, in.u8()); break;
        case 1: t.time = in.u32(); break;
        default: t.time = in.u32() % 864000000u; break;
    }
    return t;
}

inline int32_t lie(Bytes& in, int64_t truth) noexcept {
    const int64_t options[] = {0, -1, INT32_MIN, INT32_MAX, truth - 1, truth + 1, truth / 2, truth * 2 + 1,
                               static_cast<int32_t>(in.u32()), 65535, 65536};
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(pick(options, in.u8()))));
}

// Up to eight segments of a blob: empty ones, bytes of the input, a pattern repeated up to
// 65535 bytes, or a text.
inline std::vector<std::string> blob_segments(Bytes& in) {
    std::vector<std::string> segs;
    const uint8_t n = in.u8() % 9;
    for (uint8_t k = 0; k < n; ++k) {
        std::string s;
        const uint8_t mode = in.u8();
        switch (mode & 3) {
            case 0: break;  // an empty segment
            case 1: in.take(in.u8(), s); break;
            case 2: {
                std::string pattern;
                in.take(mode % 5 + 1, pattern);
                if (pattern.empty()) pattern = "\n";
                const std::size_t len = in.u16();
                while (s.size() < len) s.append(pattern, 0, len - s.size());
                break;
            }
            default: s = text_bytes(in, static_cast<uint8_t>(in.u8() & 0x7f)); break;
        }
        segs.push_back(std::move(s));
    }
    return segs;
}

inline blobcallback* blob_arg(Bytes& in, Store& st, uint8_t sel) {
    if ((sel & 15) == 14) {
        // A NULL blob: a record without a handle.
        auto rec = std::make_unique<blobcallback>();
        rec->blob_get_segment = &test::FakeRecord::get;
        return st.keep(std::move(rec));
    }
    auto b = std::make_unique<test::FakeRecord>();
    b->segs = blob_segments(in);
    const auto nsegs = static_cast<int64_t>(b->segs.size());
    int64_t total = 0, longest = 0;
    for (const std::string& s : b->segs) {
        total += static_cast<int64_t>(s.size());
        longest = std::max(longest, static_cast<int64_t>(s.size()));
    }
    const uint8_t flags = in.u8();
    blobcallback& record = b->record();
    record.blob_total_length = (flags & 1) ? lie(in, total) : static_cast<ISC_LONG>(total);
    record.blob_number_segments = (flags & 2) ? lie(in, nsegs) : static_cast<ISC_LONG>(nsegs);
    record.blob_max_segment = (flags & 4) ? lie(in, longest) : static_cast<ISC_LONG>(longest);
    b->overclaim = (flags & 8) != 0;
    b->empty_forever = (flags & 16) != 0;
    b->codes = (flags >> 5) & 3;
    if (b->codes == 3) record.blob_get_segment = nullptr;
    if ((flags & 128) != 0) record.blob_lseek = nullptr;
    return &st.keep(std::move(b))->rec;
}

template <Kind K>
legacy::Param<K> make(Bytes& in, Store& st) {
    const uint8_t sel = in.u8();
    if constexpr (K == Kind::blob || K == Kind::blob_n) {
        if (null_arg(sel)) return nullptr;
        return blob_arg(in, st, sel);
    } else {
        if (null_arg(sel)) return nullptr;
        if constexpr (K == Kind::text || K == Kind::text_n) {
            return st.text(text_bytes(in, sel));
        } else if constexpr (K == Kind::int_ || K == Kind::int_n) {
            return st.hold(int_value(in, sel));
        } else if constexpr (K == Kind::double_) {
            return st.hold(double_value(in, sel));
        } else {
            static_assert(K == Kind::timestamp);
            return st.hold(timestamp_value(in, sel));
        }
    }
}

// What one call gave the server.
struct Outcome {
    bool null = true;
    std::string value;      // the text, the bytes of the value, or the output blob's content
    void* block = nullptr;  // the result block, for the caller to check and free
    const char* violation = nullptr;
};

template <typename V>
std::string bytes_of(const V& v) {
    return std::string(reinterpret_cast<const char*>(&v), sizeof v);
}

template <Kind R, Travel T, auto F, Kind... A>
Outcome invoke(Bytes& in, Store& st) {
    // A braced list is evaluated left to right: the arguments are decoded in order.
    std::tuple<legacy::Param<A>...> p{make<A>(in, st)...};
    Outcome o;
    if constexpr (T == Travel::param) {
        auto* out = st.keep(std::make_unique<test::FakeRecord>());
        out->record();
        out->rec.blob_handle = (in.u8() & 15) == 15 ? nullptr : out;
        blobcallback* r = std::apply([&](auto... a) { return F(a..., &out->rec); }, p);
        o.null = r == nullptr;
        if (r != nullptr && r != &out->rec) o.violation = "a blob result other than the output record";
        if (r != nullptr) o.value = out->content();
    } else {
        auto r = std::apply(F, p);
        if constexpr (T == Travel::value) {
            o.null = false;
            o.value = bytes_of(r);
        } else if constexpr (T == Travel::arg) {
            o.null = r == nullptr;
            if (r != std::get<0>(p)) o.violation = "an ARG result other than its argument";
            if (r != nullptr) o.value = r;
        } else {
            o.null = r == nullptr;
            o.block = const_cast<void*>(static_cast<const void*>(r));
            if (r == nullptr) return o;
            if constexpr (R == Kind::text) {
                const void* nul = std::memchr(r, 0, legacy::kBlockSize);
                if (nul == nullptr) {
                    o.violation = "a text result without its NUL in the block";
                } else {
                    o.value.assign(r, static_cast<std::size_t>(static_cast<const char*>(nul) - r));
                }
            } else {
                o.value = bytes_of(*r);
            }
        }
    }
    return o;
}

using Invoke = Outcome (*)(Bytes&, Store&);

struct Row {
    const char* name;
    Kind result;
    Travel travel;
    Traits traits;
    int nargs;
    Kind args[8];
    Invoke call;
};

#define BRINDLE_FUZZ_ROW(sql, entry, routine, result, travel, args, width, nulls, traits, summary, example, \
                         answer)                                                                           \
    ::brindle::fuzz::Row{#entry,       BRK_##result,    BRT_##travel, BRX_##traits, BR_COUNT args,         \
                         {BR_KINDS args}, &::brindle::fuzz::invoke<BRK_##result, BRT_##travel, &::entry BR_KINDS_C args>},

inline const Row kRows[] = {
#define BRINDLE_FN BRINDLE_FUZZ_ROW
#include "registry_all.inc"
#undef BRINDLE_FN
};
inline constexpr std::size_t kRowCount = sizeof kRows / sizeof kRows[0];

}  // namespace brindle::fuzz
