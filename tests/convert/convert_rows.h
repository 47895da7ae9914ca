// The registry rows of the constants and conversions, for a test to expand with its own
// BRINDLE_FN (the unit conversions need convert/units.h in scope). No include guard: a test
// includes it once for each expansion. The list of tables is generated from src/convert.
#include "registry_convert.inc"
