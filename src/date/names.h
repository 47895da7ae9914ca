// Names of weekdays and months in every language (Windows-1252 bytes), indexed by the
// language index of numeric/language.h and by the tm_wday (0 = Sunday) or tm_mon (0 = January)
// column. Every row is ordered alike, so a column means the same day or month in every row.
#pragma once

#include <cstdint>
#include <string_view>

#include "numeric/language.h"

namespace brindle::date {

using numeric::kLanguageCount;

extern const char* const kDayNames[kLanguageCount][7];
extern const char* const kShortDayNames[kLanguageCount][7];  // full names where a language has no short ones
extern const char* const kMonthNames[kLanguageCount][12];

// The three-byte short month name: the first three bytes of the month name, except that for
// the code "fr" exactly (lower case, nothing after it) a name whose second byte is 'u' takes
// its third byte from the fourth ("Juin" gives "Jun", "Juillet" gives "Jul").
struct ShortMonth {
    char bytes[3];
    std::string_view view() const noexcept { return {bytes, 3}; }
};
ShortMonth short_month_name(int32_t language, int32_t month, std::string_view code) noexcept;

}  // namespace brindle::date
