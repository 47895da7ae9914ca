// The exported legacy entry points: one per registry row, each a call of the front end's
// adapter over the routine the row names. Nothing else in the module is visible.
#include "convert/units.h"
#include "frame/registry.h"
#include "legacy/legacy.h"

#define BRINDLE_FN BRINDLE_LEGACY_ENTRY
#include "registry_all.inc"
#undef BRINDLE_FN
