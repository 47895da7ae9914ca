// The registry rows of the date functions, for a test to expand with its own BRINDLE_FN.
// No include guard: a test includes it once for each expansion. The list of tables is
// generated from src/date.
#include "registry_date.inc"
