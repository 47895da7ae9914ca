// The language codes shared by the day and month names and by the spoken numbers.
//
// A language is chosen by a two-letter code; its index (0 to kLanguageCount - 1) selects the
// row of every name table. Index 0 is English and also answers to "us".
#pragma once

#include <cstdint>
#include <string_view>

namespace brindle::numeric {

inline constexpr int32_t kLanguageCount = 29;

// Every code followed by a hyphen, three characters per code, in index order.
inline constexpr std::string_view kLanguageCodes =
    "uk-de-fr-it-es-pt-nl-no-se-dk-fi-hu-ie-ee-is-al-va-v1-c1-s1-s2-w1-b1-b2-n1-za-fo-lu-w2-";
static_assert(kLanguageCodes.size() == 3 * kLanguageCount);

// The language index of a code, or -1. Only the first two characters count, each with bit
// 0x20 set (ASCII letters compare without case); the pair is looked up in kLanguageCodes and
// the index is its offset / 3, so a pair that straddles a hyphen resolves to the code it
// overlaps ("e-" gives 1). A code shorter than two characters is unknown.
int32_t decode_language(std::string_view code) noexcept;

}  // namespace brindle::numeric
