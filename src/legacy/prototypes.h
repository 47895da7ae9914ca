// The exported legacy entry points as C prototypes, produced from the registry, so that
// in-process callers (the unit tests) call exactly what the server calls.
#pragma once

#include "convert/units.h"
#include "frame/registry.h"
#include "legacy/legacy.h"

#define BRINDLE_FN BRINDLE_LEGACY_PROTOTYPE
#include "registry_all.inc"
#undef BRINDLE_FN
