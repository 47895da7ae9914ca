// Membership table for a caller's set of bytes (separators, characters to strip ...).
#pragma once

#include <string_view>

#include "frame/text.h"

namespace brindle::string {

struct ByteSet {
    bool in[256] = {};
    explicit ByteSet(std::string_view set) noexcept {
        for (char c : set) in[frame::byte(c)] = true;
    }
    bool operator()(char c) const noexcept { return in[frame::byte(c)]; }
};

}  // namespace brindle::string
