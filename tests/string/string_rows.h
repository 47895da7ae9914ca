// The registry rows of the string functions, for a test to expand with its own BRINDLE_FN.
// No include guard: a test includes it once for each expansion.
#include "string/basic.def"
#include "string/case.def"
#include "string/compare.def"
#include "string/excel_quote.def"
#include "string/format_text.def"
#include "string/misc.def"
#include "string/phonetic.def"
#include "string/replace.def"
#include "string/search.def"
#include "string/words.def"
