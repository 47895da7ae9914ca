#include <cmath>
#include <limits>
#include <map>
#include <string>

#include "convert/units.h"
#include "numeric/exact.h"

#define DECLARE_UNIT_ENTRY(name, op, a, b) extern "C" double* name(const double*);
BRINDLE_UNIT_CONVERSIONS(DECLARE_UNIT_ENTRY)
#undef DECLARE_UNIT_ENTRY

namespace {

using namespace brindle::test;
using brindle::convert::kUnitConversions;
using brindle::convert::UnitOp;
constexpr double kInf = std::numeric_limits<double>::infinity();

using Entry = double* (*)(const double*);
const std::map<std::string, Entry>& entries() {
    static const std::map<std::string, Entry> m = {
#define UNIT_ENTRY_ROW(name, op, a, b) {#name, &name},
        BRINDLE_UNIT_CONVERSIONS(UNIT_ENTRY_ROW)
#undef UNIT_ENTRY_ROW
    };
    return m;
}

double call(const char* name, double x) { return *value(entries().at(name)(D(x))); }

TEST(Units, EveryRowIsExportedUnderItsName) {
    EXPECT_EQ(kUnitConversions.size(), 113u);
    EXPECT_EQ(entries().size(), 113u);  // no name twice
    reset_blocks();
    for (const auto& row : kUnitConversions) {
        const Entry f = entries().at(std::string(row.name));
        for (double x : {1.0, -2.5, 1e-3, 12345.678}) {
            ASSERT_TRUE(Exact(f(D(x)), brindle::convert::convert_unit(row, x))) << row.name;
        }
        EXPECT_EQ(f(nullptr), nullptr) << row.name;
    }
    EXPECT_EQ(stats().count, 113 * 4);
}

TEST(Units, ValuesInTheirOperationOrder) {
    EXPECT_TRUE(Exact(call("ft2m", 1), 0.3048));
    EXPECT_TRUE(Exact(call("m2ft", 0.3048), 1.0));
    EXPECT_TRUE(Exact(call("c2f", -40), -40.0));
    EXPECT_TRUE(Exact(call("c2f", 37), 98.60000000000001));
    EXPECT_TRUE(Exact(call("f2c", 212), 100.0));
    EXPECT_TRUE(Exact(call("degtorad", 180), 3.141592654));
    EXPECT_TRUE(Exact(call("radtodeg", 3.141592654), 180.0));
    EXPECT_TRUE(Exact(call("mpusgal2lp100km", 235.2145968), 1.0));
    EXPECT_TRUE(Exact(call("mpgbgal2lp100km", 1), 282.4809363));
    EXPECT_TRUE(Exact(call("g2t", 10000), 1.0));
    EXPECT_TRUE(Exact(call("kw2ps", 0.73549875), 1.0));
    // Multiplied by 2.54, then divided by 100: not the same as one multiplication by 0.0254.
    EXPECT_TRUE(Exact(call("in2m", 3), 0.0762));
    EXPECT_TRUE(Exact(call("in2m", 12), 0.3048));
    EXPECT_TRUE(Exact(call("m2in", 0.0254), 1.0));
    EXPECT_TRUE(Exact(call("oztr2g", 1), 31.1));
    EXPECT_TRUE(Exact(call("morgen2sqm", 1), 2500.0));
    EXPECT_TRUE(Exact(call("mpusgal2lp100km", 0.0), kInf));
    EXPECT_TRUE(Exact(call("mpusgal2lp100km", -0.0), -kInf));
    EXPECT_TRUE(std::isnan(call("ft2m", std::nan(""))));
}

// Inverse pairs ("a2b" and "b2a") share their factors, once multiplying, once dividing.
TEST(Units, InversePairsShareTheirFactor) {
    std::map<std::string, const brindle::convert::UnitConversion*> by_name;
    for (const auto& row : kUnitConversions) by_name[std::string(row.name)] = &row;
    int pairs = 0;
    for (const auto& [name, row] : by_name) {
        const auto two = name.find('2');
        const std::string inverse = name.substr(two + 1) + "2" + name.substr(0, two);
        const auto it = by_name.find(inverse);
        if (it == by_name.end() || !(name < inverse)) continue;
        const auto* other = it->second;
        ++pairs;
        if (row->op == UnitOp::mul_add || row->op == UnitOp::add_div) {  // c2f and f2c
            EXPECT_EQ(row->a, other->b) << name;
            EXPECT_EQ(row->b, -other->a) << name;
            continue;
        }
        EXPECT_EQ(row->a, other->a) << name;
        EXPECT_EQ(row->b, other->b) << name;
        const auto flipped = [](UnitOp op) {
            return op == UnitOp::mul ? UnitOp::div : op == UnitOp::div ? UnitOp::mul
                 : op == UnitOp::mul_div ? UnitOp::div_mul : UnitOp::mul_div;
        };
        EXPECT_EQ(flipped(row->op), other->op) << name;
    }
    EXPECT_EQ(pairs, 54);
}

}  // namespace
