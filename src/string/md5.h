// MD5 message digest (RFC 1321), the library's own implementation. Used for encryptmd5 and for
// hashing seed material elsewhere in the library.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace brindle::string::md5 {

using Digest = std::array<uint8_t, 16>;

// Incremental digest: update() any number of times, then finish() once.
class Context {
public:
    Context() noexcept;
    void update(const void* data, std::size_t size) noexcept;
    Digest finish() noexcept;

private:
    void block(const uint8_t* p) noexcept;

    uint32_t state_[4];
    uint64_t length_ = 0;  // bytes hashed so far
    uint8_t buffer_[64];
    std::size_t buffered_ = 0;
};

// Digest of a whole byte string.
Digest digest(std::string_view bytes) noexcept;

}  // namespace brindle::string::md5
