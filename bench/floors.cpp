// The benchmark's floors: functions that do nothing but hand back a value, so that the
// engine benchmark can tell what a call costs the server from what our routines add.
// This module is built for the benchmark only; the shipped module exports exactly its
// functions.
//
//   floor_arg          returns its text argument (declared CSTRING(255) in and out)
//   floor_text_block   a result block holding the empty text
//   floor_int_block    a result block holding 0 (INTEGER or SMALLINT)
//   floor_double_block a result block holding 0.0
//   floor_ts_block     a result block holding 1858-11-17 00:00 (TIMESTAMP, or DATE / TIME)
//   floor_int_value    0 by value
//   floor_double_value 0.0 by value
// Each ignores whatever arguments its declaration passes, so one entry point serves every
// declaration shape with that result.
#include <ib_util.h>

#include <cstdint>
#include <cstring>

#define FLOOR_ENTRY extern "C" __attribute__((visibility("default")))

namespace {
void* zero_block() {
    void* b = ib_util_malloc(32768);
    if (b != nullptr) std::memset(b, 0, 8);
    return b;
}
}  // namespace

FLOOR_ENTRY const char* floor_arg(const char* s) { return s; }
FLOOR_ENTRY char* floor_text_block() { return static_cast<char*>(zero_block()); }
FLOOR_ENTRY int32_t* floor_int_block() { return static_cast<int32_t*>(zero_block()); }
FLOOR_ENTRY double* floor_double_block() { return static_cast<double*>(zero_block()); }
FLOOR_ENTRY int32_t* floor_ts_block() { return static_cast<int32_t*>(zero_block()); }
FLOOR_ENTRY int32_t floor_int_value() { return 0; }
FLOOR_ENTRY double floor_double_value() { return 0.0; }
