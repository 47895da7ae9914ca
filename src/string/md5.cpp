#include "string/md5.h"

#include <cstring>

namespace brindle::string::md5 {
namespace {

constexpr uint32_t rotl(uint32_t x, unsigned s) { return (x << s) | (x >> (32 - s)); }

// T[i] = floor(2^32 * |sin(i + 1)|).
constexpr uint32_t kT[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

// Per-step shift amounts, four per round.
constexpr unsigned kShift[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

uint32_t load_le(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void store_le(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

Context::Context() noexcept : state_{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476}, buffer_{} {}

void Context::block(const uint8_t* p) noexcept {
    uint32_t x[16];
    for (int i = 0; i < 16; ++i) x[i] = load_le(p + 4 * i);
    uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
    for (unsigned i = 0; i < 64; ++i) {
        uint32_t f;
        unsigned k;
        switch (i / 16) {
            case 0: f = (b & c) | (~b & d); k = i; break;
            case 1: f = (b & d) | (c & ~d); k = (5 * i + 1) % 16; break;
            case 2: f = b ^ c ^ d; k = (3 * i + 5) % 16; break;
            default: f = c ^ (b | ~d); k = (7 * i) % 16; break;
        }
        const uint32_t t = d;
        d = c;
        c = b;
        b = b + rotl(a + f + x[k] + kT[i], kShift[i / 16][i % 4]);
        a = t;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
}

void Context::update(const void* data, std::size_t size) noexcept {
    const uint8_t* p = static_cast<const uint8_t*>(data);
    length_ += size;
    if (buffered_ > 0) {
        const std::size_t take = size < 64 - buffered_ ? size : 64 - buffered_;
        std::memcpy(buffer_ + buffered_, p, take);
        buffered_ += take;
        p += take;
        size -= take;
        if (buffered_ < 64) return;
        block(buffer_);
        buffered_ = 0;
    }
    for (; size >= 64; p += 64, size -= 64) block(p);
    if (size > 0) std::memcpy(buffer_, p, size);
    buffered_ = size;
}

Digest Context::finish() noexcept {
    const uint64_t bits = length_ * 8;
    // Padding: one 1 bit, zeros up to 56 bytes mod 64, then the bit length, low byte first.
    uint8_t pad[72] = {0x80};
    const std::size_t zeros = buffered_ < 56 ? 56 - buffered_ : 120 - buffered_;
    uint8_t len[8];
    for (int i = 0; i < 8; ++i) len[i] = static_cast<uint8_t>(bits >> (8 * i));
    update(pad, zeros);
    update(len, 8);
    Digest out;
    for (int i = 0; i < 4; ++i) store_le(out.data() + 4 * i, state_[i]);
    return out;
}

Digest digest(std::string_view bytes) noexcept {
    Context c;
    c.update(bytes.data(), bytes.size());
    return c.finish();
}

}  // namespace brindle::string::md5
