// The exported unit conversions, one adapter per row of the conversion table.
#include "convert/units.h"

#include "frame/registry.h"

namespace brindle::convert {
namespace {

// Position of each row in the table, by name.
enum UnitIndex : std::size_t {
#define BRINDLE_UNIT_INDEX(name, op, a, b, summary) unit_##name,
    BRINDLE_UNIT_CONVERSIONS(BRINDLE_UNIT_INDEX)
#undef BRINDLE_UNIT_INDEX
};

}  // namespace

template <std::size_t I>
double unit_conversion(double x) noexcept {
    return convert_unit(kUnitConversions[I], x);
}

}  // namespace brindle::convert

namespace cv = brindle::convert;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "convert/units.def"
#undef BRINDLE_FN
