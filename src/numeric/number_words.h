// Words for spoken numbers: per language index, the words for the digits 0 to 9 and, last,
// the word for the decimal point. Windows-1252 bytes.
#pragma once

#include "numeric/language.h"

namespace brindle::numeric {

inline constexpr int kPointWord = 10;

extern const char* const kNumberWords[kLanguageCount][11];

}  // namespace brindle::numeric
