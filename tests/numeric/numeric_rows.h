// The registry rows of the numeric functions, for a test to expand with its own BRINDLE_FN.
// No include guard: a test includes it once for each expansion. The list of tables is
// generated from src/numeric.
#include "registry_numeric.inc"
