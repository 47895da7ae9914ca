// The module's version text.
#include "frame/udf.h"

namespace brindle::frame {
namespace {
void version_text(TextOut& out) { out.append("zelko 20080303 OpenWatcom32"); }
}  // namespace
}  // namespace brindle::frame

BRINDLE_ENTRY char* version() { return brindle::frame::udf<brindle::frame::version_text>(); }
