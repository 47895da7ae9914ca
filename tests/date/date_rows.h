// The registry rows of the date functions, for a test to expand with its own BRINDLE_FN.
// No include guard: a test includes it once for each expansion.
#include "date/add.def"
#include "date/ages.def"
#include "date/build.def"
#include "date/datetostr.def"
#include "date/differences.def"
#include "date/easter.def"
#include "date/gformatd.def"
#include "date/names.def"
#include "date/parts.def"
#include "date/period.def"
#include "date/strtotime.def"
