// Byte tables of the case-mapping, transliteration, sort-key and phonetic functions.
#pragma once

#include <string_view>

namespace brindle::string::tables {

extern const unsigned char kCp1251Upper[256];
extern const unsigned char kCp1251Lower[256];
extern const unsigned char kCyrillicLatin[256];
extern const unsigned char kCollate[256];
extern const unsigned char kKeyFirst[256];
extern const unsigned char kKeySecond[256];
extern const unsigned char kSoundexCode[256];

// German phonetic code, all Latin-1.
// Letters kept from the upper-cased name: A-Z, A/O/U with diaeresis.
inline constexpr std::string_view kPhoneticLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xDC";
// Two-byte pairs and their two-byte replacements, entry by entry.
inline constexpr std::string_view kPhoneticPairs = "SCSZCZTZTSDSKSQUPFPHUEAEOEEIEYEUAUOU";
inline constexpr std::string_view kPhoneticPairReplacements =
    "C C C C C C X KVV V Y E \xD6 AYAYOYA@@ ";
// Single bytes and their replacements, index by index.
inline constexpr std::string_view kPhoneticSingles =
    "ZKGQ\xC4\xDCIJ\xDF" "FWPT@\xC1\xC0\xC8\xC9\xDA\xD9\xD2\xD3\xCD\xCC";
inline constexpr std::string_view kPhoneticSingleReplacements = "CCCCEYYYSVVBDUAAEEUUOOYY";
// Bytes that survive into the code.
inline constexpr std::string_view kPhoneticKept = "ABCDLMNORSUVWXY\xD6";

static_assert(kPhoneticPairs.size() == 36 && kPhoneticPairReplacements.size() == 36);
static_assert(kPhoneticSingles.size() == 24 && kPhoneticSingleReplacements.size() == 24);

}  // namespace brindle::string::tables
