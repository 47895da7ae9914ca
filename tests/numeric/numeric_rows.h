// The registry rows of the numeric functions, for a test to expand with its own BRINDLE_FN.
// No include guard: a test includes it once for each expansion.
#include "numeric/arithmetic.def"
#include "numeric/fixedpoint.def"
#include "numeric/language.def"
#include "numeric/numinwords.def"
#include "numeric/random.def"
#include "numeric/trig.def"
