// The module's version text.
#include "frame/registry.h"

namespace brindle::frame {
namespace {
void version_text(TextOut& out) { out.append("zelko 20080303 OpenWatcom32"); }
}  // namespace
}  // namespace brindle::frame

#define BRINDLE_FN BRINDLE_ROUTINE
#include "frame/version.def"
#undef BRINDLE_FN
