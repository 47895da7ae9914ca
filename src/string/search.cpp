// Search and count: strpos, substr, substrnull, strsub, strsubnull, stringcount, r_stringcount.
#include "string/search.h"

#include <cstdlib>
#include <cstring>
#include <optional>

#include "frame/memory.h"
#include "frame/text.h"
#include "frame/registry.h"

namespace brindle::string {

Finder::Finder(std::string_view needle, bool nocase) noexcept : needle_(needle), nocase_(nocase) {
    const std::size_t m = needle_.size();
    if (m == 0) return;
    if (m <= kInline) {
        fail_ = inline_;
    } else if (m <= UINT32_MAX) {
        fail_ = static_cast<uint32_t*>(frame::take_memory(m * sizeof(uint32_t)));
        heap_ = fail_ != nullptr;
    }
    if (fail_ == nullptr) return;
    fail_[0] = 0;
    uint32_t k = 0;
    for (std::size_t q = 1; q < m; ++q) {
        const unsigned char c = fold(needle_[q]);
        while (k > 0 && fold(needle_[k]) != c) k = fail_[k - 1];
        if (fold(needle_[k]) == c) ++k;
        fail_[q] = k;
    }
}

Finder::~Finder() {
    if (heap_) frame::give_memory(fail_);
}

unsigned char Finder::fold(char c) const noexcept {
    return nocase_ ? frame::kLatin1Upper[frame::byte(c)] : frame::byte(c);
}

std::size_t Finder::find_naive(std::string_view hay, std::size_t from) const noexcept {
    const std::size_t m = needle_.size();
    for (std::size_t i = from; hay.size() - i >= m; ++i) {
        std::size_t j = 0;
        while (j < m && fold(hay[i + j]) == fold(needle_[j])) ++j;
        if (j == m) return i;
    }
    return npos;
}

std::size_t Finder::find(std::string_view hay, std::size_t from) const noexcept {
    const std::size_t n = hay.size();
    const std::size_t m = needle_.size();
    if (from > n) return npos;
    if (m == 0) return from;
    if (n - from < m) return npos;
    if (fail_ == nullptr) return find_naive(hay, from);

    const unsigned char first = fold(needle_[0]);
    std::size_t i = from;
    std::size_t j = 0;  // bytes of the needle matched so far, ending just before i
    while (i < n) {
        if (j == 0) {
            // Jump to the next byte that can start a match.
            if (!nocase_) {
                const void* p = std::memchr(hay.data() + i, first, n - i);
                if (p == nullptr) return npos;
                i = static_cast<std::size_t>(static_cast<const char*>(p) - hay.data());
            } else {
                while (i < n && fold(hay[i]) != first) ++i;
                if (i == n) return npos;
            }
            ++i;
            j = 1;
        } else {
            const unsigned char c = fold(hay[i]);
            while (j > 0 && fold(needle_[j]) != c) j = fail_[j - 1];
            if (fold(needle_[j]) == c) ++j;
            ++i;
        }
        if (j == m) return i - m;
        if (n - i < m - j) return npos;  // too few bytes left to complete a match
    }
    return npos;
}

std::size_t find_text(std::string_view hay, std::string_view needle, std::size_t from) noexcept {
    if (needle.size() == 1) {
        if (from >= hay.size()) return Finder::npos;
        const void* p = std::memchr(hay.data() + from, frame::byte(needle[0]), hay.size() - from);
        return p == nullptr ? Finder::npos
                            : static_cast<std::size_t>(static_cast<const char*>(p) - hay.data());
    }
    return Finder(needle).find(hay, from);
}

namespace {

std::optional<int32_t> position0(std::string_view hay, std::string_view needle) {
    const std::size_t p = find_text(hay, needle);
    if (p == Finder::npos) return std::nullopt;
    return static_cast<int32_t>(p);
}

}  // namespace

int32_t strpos(std::string_view needle, std::string_view hay) {
    const std::size_t p = find_text(hay, needle);
    return p == Finder::npos ? 0 : static_cast<int32_t>(p + 1);
}

int32_t substr(std::string_view hay, std::string_view needle) {
    return position0(hay, needle).value_or(-1);
}
std::optional<int32_t> substrnull(std::string_view hay, std::string_view needle) {
    return position0(hay, needle);
}
int32_t strsub(std::string_view needle, std::string_view hay) {
    return position0(hay, needle).value_or(-1);
}
std::optional<int32_t> strsubnull(std::string_view needle, std::string_view hay) {
    return position0(hay, needle);
}

// Non-overlapping occurrences, left to right.
std::optional<int32_t> stringcount(std::string_view hay, std::string_view needle) {
    if (hay.empty() || needle.empty()) return std::nullopt;
    const Finder f(needle);
    uint32_t count = 0;
    for (std::size_t p = f.find(hay); p != Finder::npos; p = f.find(hay, p + needle.size())) ++count;
    return static_cast<int32_t>(count);
}
std::optional<int32_t> r_stringcount(std::string_view needle, std::string_view hay) {
    return stringcount(hay, needle);
}

}  // namespace brindle::string

namespace str = brindle::string;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "string/search.def"
#undef BRINDLE_FN
