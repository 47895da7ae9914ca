// Number texts beyond the range of a double, as the numeric comparisons read them: the C
// library's strtod decides between infinity and zero from the order of magnitude, whatever the
// spelling of the digits, the point, the exponent and the base.
#include <cstdlib>

#include "string/string_tests.h"

namespace brindle::test {
namespace {

TEST(Compare, NumbersPastTheRangeOfADouble) {
    const std::string big(400, '9');  // no exponent
    S numbers[] = {"1E999", "1e+999", "-1e999", "1e99999999999999", "1e-99999999999999", "0.0001e-330",
                   "000.5e400", "0.00e400", "1000e-330", "1234.5e-330", ".5e-330", "0.001e+400", "0x1p99999",
                   "0X1P99999", "0x.0001p-99999", "0x10p-1080", "0x0.8p1030", "-0x1p-99999", "0x1p+1024x",
                   "0", "-0", "inf", "1", "1e308", "", "  ", "+", "++1", "0x.", "0xg", "-3.4028235e38",
                   "3.4028235e38", big.c_str()};
    const char* ops[] = {"n=", "n<", "n>"};
    for (S a : numbers)
        for (S b : numbers) {
            const float x = static_cast<float>(std::strtod(a, nullptr)), y = static_cast<float>(std::strtod(b, nullptr));
            const bool want[] = {x == y, x < y, x > y};
            for (int op = 0; op < 3; ++op)
                EXPECT_EQ(text(aif(a, ops[op], b, "T", "F")), want[op] ? "T" : "F") << a << ops[op] << b;
        }
}

}  // namespace
}  // namespace brindle::test
