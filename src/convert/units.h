// The unit conversions as data: one row per exported function, giving its operation order
// and factors. Every row becomes an exported function of the row's name.
//
// Operation orders (a and b are the row's factors, x the argument):
//   mul      x * a              div      x / a
//   mul_div  (x * a) / b        div_mul  (x / a) * b
//   mul_add  x * a + b          add_div  (x + a) / b
//   recip    a / x
// A pair of inverse conversions uses the same factor, once as multiplier and once as divisor.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace brindle::convert {

// clang-format off
#define BRINDLE_UNIT_CONVERSIONS(X) \
    X(degtorad, div_mul, 180.0, 3.141592654, "Degrees to radians, with pi as 3.141592654") \
    X(radtodeg, div_mul, 3.141592654, 180.0, "Radians to degrees, with pi as 3.141592654") \
    X(in2m, mul_div, 2.54, 100.0, "Inches to metres") \
    X(m2in, div_mul, 2.54, 100.0, "Metres to inches") \
    X(ft2m, mul, 0.3048, 0, "Feet to metres") \
    X(m2ft, div, 0.3048, 0, "Metres to feet") \
    X(yd2m, mul, 0.9144, 0, "Yards to metres") \
    X(m2yd, div, 0.9144, 0, "Metres to yards") \
    X(mile2km, mul, 1.609344, 0, "Miles to kilometres") \
    X(km2mile, div, 1.609344, 0, "Kilometres to miles") \
    X(fm2m, mul, 1.829, 0, "Fathoms to metres") \
    X(m2fm, div, 1.829, 0, "Metres to fathoms") \
    X(fur2m, mul, 201.168, 0, "Furlongs to metres") \
    X(ch2m, mul, 20.1168, 0, "Chains to metres") \
    X(m2ch, div, 20.1168, 0, "Metres to chains") \
    X(rd2m, mul, 5.0292, 0, "Rods to metres") \
    X(m2rd, div, 5.0292, 0, "Metres to rods") \
    X(li2m, mul, 0.201168, 0, "Links to metres") \
    X(m2li, div, 0.201168, 0, "Metres to links") \
    X(lea2km, mul, 4.828032, 0, "Leagues to kilometres") \
    X(km2lea, div, 4.828032, 0, "Kilometres to leagues") \
    X(sm2km, mul, 1.852, 0, "Sea miles to kilometres") \
    X(km2sm, div, 1.852, 0, "Kilometres to sea miles") \
    X(shot2m, mul, 27.432, 0, "Shots to metres") \
    X(m2shot, div, 27.432, 0, "Metres to shots") \
    X(cbl2m, mul, 185.3184, 0, "Cables to metres") \
    X(m2cbl, div, 185.3184, 0, "Metres to cables") \
    X(nl2m, mul, 5559.552, 0, "Nautical leagues to metres") \
    X(m2nl, div, 5559.552, 0, "Metres to nautical leagues") \
    X(nm2m, mul, 1853.184, 0, "Nautical miles to metres") \
    X(m2nm, div, 1853.184, 0, "Metres to nautical miles") \
    X(p2mm, mul, 0.376065, 0, "Typographic points to millimetres") \
    X(mm2p, div, 0.376065, 0, "Millimetres to typographic points") \
    X(ar2sqm, mul, 100.0, 0, "Ares to square metres") \
    X(sqm2ar, div, 100.0, 0, "Square metres to ares") \
    X(ha2sqm, mul, 10000.0, 0, "Hectares to square metres") \
    X(sqm2ha, div, 10000.0, 0, "Square metres to hectares") \
    X(morgen2sqm, mul, 2500.0, 0, "Morgen to square metres") \
    X(sqm2morgen, div, 2500.0, 0, "Square metres to Morgen") \
    X(sqft2sqm, mul, 0.09290306, 0, "Square feet to square metres") \
    X(sqm2sqft, div, 0.09290306, 0, "Square metres to square feet") \
    X(ac2sqm, mul, 4046.856, 0, "Acres to square metres") \
    X(sqm2ac, div, 4046.856, 0, "Square metres to acres") \
    X(sqyd2sqm, mul, 0.8361, 0, "Square yards to square metres") \
    X(sqm2sqyd, div, 0.8361, 0, "Square metres to square yards") \
    X(bbl2l, mul, 158.988, 0, "Barrels to litres") \
    X(l2bbl, div, 158.988, 0, "Litres to barrels") \
    X(gbfloz2ml, mul, 28.4131, 0, "Imperial fluid ounces to millilitres") \
    X(ml2gbfloz, div, 28.4131, 0, "Millilitres to imperial fluid ounces") \
    X(usfloz2ml, mul, 29.5735, 0, "US fluid ounces to millilitres") \
    X(ml2usfloz, div, 29.5735, 0, "Millilitres to US fluid ounces") \
    X(gbpt2l, mul, 0.568262, 0, "Imperial pints to litres") \
    X(l2gbpt, div, 0.568262, 0, "Litres to imperial pints") \
    X(uspt2l, mul, 0.473176, 0, "US pints to litres") \
    X(l2uspt, div, 0.473176, 0, "Litres to US pints") \
    X(gbqt2l, mul, 1.136521, 0, "Imperial quarts to litres") \
    X(l2gbqt, div, 1.136521, 0, "Litres to imperial quarts") \
    X(usqt2l, mul, 0.9463531, 0, "US quarts to litres") \
    X(l2usqt, div, 0.9463531, 0, "Litres to US quarts") \
    X(gbgal2l, mul, 4.546091, 0, "Imperial gallons to litres") \
    X(l2gbgal, div, 4.546091, 0, "Litres to imperial gallons") \
    X(usgal2l, mul, 3.785411, 0, "US gallons to litres") \
    X(l2usgal, div, 3.785411, 0, "Litres to US gallons") \
    X(cuin2cum, mul, 0.000016387064, 0, "Cubic inches to cubic metres") \
    X(cum2cuin, div, 0.000016387064, 0, "Cubic metres to cubic inches") \
    X(cuft2cum, mul, 0.028316846592, 0, "Cubic feet to cubic metres") \
    X(cum2cuft, div, 0.028316846592, 0, "Cubic metres to cubic feet") \
    X(cuyd2cum, mul, 0.764554857984, 0, "Cubic yards to cubic metres") \
    X(cum2cuyd, div, 0.764554857984, 0, "Cubic metres to cubic yards") \
    X(cup2ml, mul, 236.56, 0, "Cups to millilitres") \
    X(ml2cup, div, 236.56, 0, "Millilitres to cups") \
    X(rt2cbm, mul, 2.83168, 0, "Register tons to cubic metres") \
    X(cbm2rt, div, 2.83168, 0, "Cubic metres to register tons") \
    X(ct2g, mul, 0.2, 0, "Carats to grams") \
    X(g2ct, div, 0.2, 0, "Grams to carats") \
    X(oz2g, mul, 28.3495, 0, "Ounces to grams") \
    X(g2oz, div, 28.3495, 0, "Grams to ounces") \
    X(oztr2g, mul, 31.1, 0, "Troy ounces to grams") \
    X(g2oztr, div, 31.1, 0, "Grams to troy ounces") \
    X(lb2kg, mul, 0.45359237, 0, "Pounds to kilograms") \
    X(kg2lb, div, 0.45359237, 0, "Kilograms to pounds") \
    X(st2g, mul, 6350.29318, 0, "Stones to grams") \
    X(g2st, div, 6350.29318, 0, "Grams to stones") \
    X(cwt2g, mul, 5359.237, 0, "Hundredweights to grams") \
    X(g2cwt, div, 5359.237, 0, "Grams to hundredweights") \
    X(c2f, mul_add, 1.8, 32.0, "Degrees Celsius to degrees Fahrenheit") \
    X(f2c, add_div, -32.0, 1.8, "Degrees Fahrenheit to degrees Celsius") \
    X(g2t, div, 10000.0, 0, "Grams to t of 10 kg (not tonnes): divided by 10000") \
    X(t2g, mul, 10000.0, 0, "T of 10 kg (not tonnes) to grams: times 10000") \
    X(bar2torr, mul, 750.0638, 0, "Bar to torr") \
    X(torr2bar, div, 750.0638, 0, "Torr to bar") \
    X(bar2pa, mul, 100000.0, 0, "Bar to pascals") \
    X(pa2bar, div, 100000.0, 0, "Pascals to bar") \
    X(psi2pa, mul, 6894.757, 0, "Psi to pascals") \
    X(pa2psi, div, 6894.757, 0, "Pascals to psi") \
    X(torr2pa, mul, 133.322, 0, "Torr to pascals") \
    X(pa2torr, div, 133.322, 0, "Pascals to torr") \
    X(cal2j, mul, 4.1868, 0, "Calories to joules") \
    X(j2cal, div, 4.1868, 0, "Joules to calories") \
    X(lbft2nm, mul, 1.3562811, 0, "Pound-feet to newton-metres") \
    X(nm2lbft, div, 1.3562811, 0, "Newton-metres to pound-feet") \
    X(ps2kw, mul, 0.73549875, 0, "Metric horsepower to kilowatts") \
    X(kw2ps, div, 0.73549875, 0, "Kilowatts to metric horsepower") \
    X(bhp2kw, mul, 0.745699, 0, "Brake horsepower to kilowatts") \
    X(kw2bhp, div, 0.745699, 0, "Kilowatts to brake horsepower") \
    X(mpusgal2lp100km, recip, 235.2145968, 0, "Miles per US gallon to litres per 100 km, and back") \
    X(mpgbgal2lp100km, recip, 282.4809363, 0, "Miles per imperial gallon to litres per 100 km, and back") \
    X(mph2kmph, mul, 1.609344, 0, "Miles per hour to km per hour") \
    X(kmph2mph, div, 1.609344, 0, "Km per hour to miles per hour") \
    X(fps2mps, mul, 0.3048, 0, "Feet per second to metres per second") \
    X(mps2fps, div, 0.3048, 0, "Metres per second to feet per second") \
    X(smph2kmph, mul, 1.852, 0, "Sea miles per hour to km per hour") \
    X(kmph2smph, div, 1.852, 0, "Km per hour to sea miles per hour")
// clang-format on

enum class UnitOp { mul, div, mul_div, div_mul, mul_add, add_div, recip };

struct UnitConversion {
    std::string_view name;
    UnitOp op;
    double a;
    double b;
};

#define BRINDLE_UNIT_ROW(name, op, a, b, summary) UnitConversion{#name, UnitOp::op, a, b},
inline constexpr std::array kUnitConversions{BRINDLE_UNIT_CONVERSIONS(BRINDLE_UNIT_ROW)};
#undef BRINDLE_UNIT_ROW

// One IEEE double operation after the other, in the row's order.
constexpr double convert_unit(const UnitConversion& u, double x) noexcept {
    switch (u.op) {
        case UnitOp::mul: return x * u.a;
        case UnitOp::div: return x / u.a;
        case UnitOp::mul_div: return (x * u.a) / u.b;
        case UnitOp::div_mul: return (x / u.a) * u.b;
        case UnitOp::mul_add: return x * u.a + u.b;
        case UnitOp::add_div: return (x + u.a) / u.b;
        case UnitOp::recip: return u.a / x;
    }
    return x;
}

}  // namespace brindle::convert
