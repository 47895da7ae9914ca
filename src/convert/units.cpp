// The exported unit conversions, one adapter per row of the conversion table.
#include "convert/units.h"

#include "frame/udf.h"

namespace brindle::convert {
namespace {

// Position of each row in the table, by name.
enum UnitIndex : std::size_t {
#define BRINDLE_UNIT_INDEX(name, op, a, b) unit_##name,
    BRINDLE_UNIT_CONVERSIONS(BRINDLE_UNIT_INDEX)
#undef BRINDLE_UNIT_INDEX
};

}  // namespace

template <std::size_t I>
double unit_conversion(double x) noexcept {
    return convert_unit(kUnitConversions[I], x);
}

}  // namespace brindle::convert

#define BRINDLE_UNIT_ENTRY(name, op, a, b)                                                     \
    BRINDLE_ENTRY double* name(const double* x) {                                             \
        namespace cv = brindle::convert;                                                      \
        return brindle::frame::udf<cv::unit_conversion<cv::unit_##name>>(x);                  \
    }
BRINDLE_UNIT_CONVERSIONS(BRINDLE_UNIT_ENTRY)
#undef BRINDLE_UNIT_ENTRY
