#include "numeric/language.h"

#include "frame/registry.h"

namespace brindle::numeric {

int32_t decode_language(std::string_view code) noexcept {
    if (code.size() < 2) return -1;
    const char pair[2] = {static_cast<char>(code[0] | 0x20), static_cast<char>(code[1] | 0x20)};
    const std::string_view key(pair, 2);
    if (key == "us") return 0;
    const std::size_t p = kLanguageCodes.find(key);
    if (p == std::string_view::npos) return -1;
    return static_cast<int32_t>(p / 3);
}

}  // namespace brindle::numeric

// Returned by value: a NULL code gives -1 like an unknown one.

#define BRINDLE_FN BRINDLE_ROUTINE
#include "numeric/language.def"
#undef BRINDLE_FN
