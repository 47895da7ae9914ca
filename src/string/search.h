// Substring search used by the string functions (and by the blob functions through this header).
//
// Finder locates the first occurrence of a needle at or after a position, either byte for byte or
// through the Latin-1 upper-case table. It runs in time linear in the haystack whatever the needle:
// a prefix table (Knuth-Morris-Pratt) carries partial matches forward, so no byte of the haystack
// is compared more than a bounded number of times.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace brindle::string {

class Finder {
public:
    static constexpr std::size_t npos = std::string_view::npos;

    Finder(std::string_view needle, bool nocase = false) noexcept;
    ~Finder();
    Finder(const Finder&) = delete;
    Finder& operator=(const Finder&) = delete;

    // Position of the first occurrence starting at or after `from`, or npos. An empty needle is
    // found at `from` (when from <= hay.size()).
    std::size_t find(std::string_view hay, std::size_t from = 0) const noexcept;

    std::size_t size() const noexcept { return needle_.size(); }

private:
    unsigned char fold(char c) const noexcept;
    std::size_t find_naive(std::string_view hay, std::size_t from) const noexcept;

    std::string_view needle_;
    bool nocase_;
    // fail_[j]: length of the longest proper border of needle[0..j]. Held inline for short
    // needles; a heap table otherwise (nullptr when that allocation failed: naive search).
    static constexpr std::size_t kInline = 64;
    uint32_t inline_[kInline];
    uint32_t* fail_ = nullptr;
    bool heap_ = false;
};

// Convenience: first occurrence of needle in hay at or after from, byte for byte.
std::size_t find_text(std::string_view hay, std::string_view needle, std::size_t from = 0) noexcept;

}  // namespace brindle::string
