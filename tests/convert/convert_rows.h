// The registry rows of the constants and conversions, for a test to expand with its own
// BRINDLE_FN (the unit conversions need convert/units.h in scope). No include guard: a test
// includes it once for each expansion.
#include "convert/bases.def"
#include "convert/units.def"
