// The registry rows of the string functions, for a test to expand with its own BRINDLE_FN.
// No include guard: a test includes it once for each expansion. The list of tables is
// generated from src/string.
#include "registry_string.inc"
