#include <cmath>
#include <map>

#include "convert/units.h"
#include "numeric/exact.h"

namespace {

using namespace brindle::test;
using Entry = double* (*)(CD);

TEST(Units, FactorsInTheirOperationOrder) {
    const struct { Entry f; double x, want; } cases[] = {
        {ft2m, 1, 0.3048}, {m2ft, 0.3048, 1.0}, {c2f, -40, -40.0}, {c2f, 37, 98.60000000000001}, {f2c, 212, 100.0},
        {degtorad, 180, 3.141592654}, {radtodeg, 3.141592654, 180.0}, {mpusgal2lp100km, 235.2145968, 1.0},
        {mpgbgal2lp100km, 1, 282.4809363}, {g2t, 10000, 1.0}, {kw2ps, 0.73549875, 1.0}, {in2m, 3, 0.0762},
        {m2in, 0.0254, 1.0}, {oztr2g, 1, 31.1}, {morgen2sqm, 1, 2500.0}, {cwt2g, 1, 5359.237}, {fur2m, 1, 201.168},
        {sqyd2sqm, 1, 0.8361}, {cup2ml, 1, 236.56}, {mpusgal2lp100km, 0.0, kInf}, {mpusgal2lp100km, -0.0, -kInf}};
    for (const auto& c : cases) EXPECT_TRUE(Exact(c.f(D(c.x)), c.want)) << c.x;
    EXPECT_TRUE(std::isnan(value(ft2m(D(std::nan("")))).value_or(0)));
}

// "a2b" and "b2a" undo each other, as do degtorad and radtodeg; the fuel conversions undo themselves.
std::string inverse_of(const std::string& name) {
    if (name == "degtorad" || name == "radtodeg") return name == "degtorad" ? "radtodeg" : "degtorad";
    if (name.find("lp100km") != std::string::npos) return name;
    const auto two = name.find('2');
    return name.substr(two + 1) + "2" + name.substr(0, two);
}

TEST(Units, EveryConversionIsUndoneByItsInverse) {
    const std::map<std::string, Entry> entries = {
#define UNIT_ENTRY_ROW(name, op, a, b, summary) {#name, &name},
        BRINDLE_UNIT_CONVERSIONS(UNIT_ENTRY_ROW)
#undef UNIT_ENTRY_ROW
    };
    ASSERT_EQ(entries.size(), 113u);
    reset_blocks();
    for (const auto& [name, f] : entries) {
        EXPECT_EQ(f(nullptr), nullptr) << name;
        if (name == "fur2m") continue;  // the only one without an inverse
        const auto back = entries.find(inverse_of(name));
        ASSERT_NE(back, entries.end()) << name;
        for (double x : {1.0, -2.5, 12345.678}) {
            const double there = value(f(D(x))).value_or(x);
            EXPECT_NE(there, x) << name;
            EXPECT_NEAR(value(back->second(D(there))).value_or(0), x, 1e-12 * std::fabs(x)) << name;
        }
    }
    EXPECT_EQ(stats().count, 112 * 6);
}

}  // namespace
