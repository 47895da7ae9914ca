#include <cmath>

#include "numeric/exact.h"

extern "C" {
double* sin_rad(const double*);
double* cos_rad(const double*);
double* tan_rad(const double*);
double* cot_rad(const double*);
double* arcsin_rad(const double*);
double* arccos_rad(const double*);
double* arctan_rad(const double*);
double* arctan2_rad(const double*, const double*);
double* arccot_rad(const double*);
double* sin_deg(const double*);
double* cos_deg(const double*);
double* tan_deg(const double*);
double* cot_deg(const double*);
double* arcsin_deg(const double*);
double* arccos_deg(const double*);
double* arctan_deg(const double*);
double* arccot_deg(const double*);
double* sinhyp(const double*);
double* coshyp(const double*);
double* tanhyp(const double*);
double* cothyp(const double*);
double* arsinh(const double*);
double* arcosh(const double*);
double* artanh(const double*);
double* arcoth(const double*);
}

namespace {

using namespace brindle::test;
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Trigonometry, DegreesGoThroughTheTenDigitPi) {
    EXPECT_TRUE(Exact(sin_deg(D(180)), -4.102068570306623e-10));
    EXPECT_TRUE(Exact(cos_deg(D(90)), -2.0510342851533115e-10));
    EXPECT_TRUE(Exact(tan_deg(D(90)), -4875588902.821542));
    EXPECT_TRUE(Exact(sin_deg(D(30)), 0.5000000000592083));
    EXPECT_TRUE(Exact(cot_deg(D(45)), 1 / std::tan((45 / 180.0) * 3.141592654)));
    EXPECT_TRUE(Exact(cot_deg(D(0)), kInf));
    EXPECT_TRUE(Exact(arcsin_deg(D(1)), 89.99999998824845));
    EXPECT_TRUE(Exact(arctan_deg(D(1)), 44.999999994124224));
    EXPECT_TRUE(Exact(arccos_deg(D(-1)), (std::acos(-1.0) / 3.141592654) * 180.0));
    EXPECT_TRUE(Exact(arccot_deg(D(1)), ((1 / std::atan(1.0)) / 3.141592654) * 180.0));
}

TEST(Trigonometry, RadiansAndReciprocals) {
    EXPECT_TRUE(Exact(sin_rad(D(0.5)), std::sin(0.5)));
    EXPECT_TRUE(Exact(cos_rad(D(0.5)), std::cos(0.5)));
    EXPECT_TRUE(Exact(tan_rad(D(0.5)), std::tan(0.5)));
    EXPECT_TRUE(Exact(cot_rad(D(0.0)), kInf));
    EXPECT_TRUE(Exact(cot_rad(D(-0.0)), -kInf));
    EXPECT_TRUE(Exact(arccot_rad(D(1)), 1.2732395447351628));
    EXPECT_TRUE(Exact(arccot_rad(D(0)), kInf));
    EXPECT_TRUE(Exact(arctan_rad(D(1)), std::atan(1.0)));
    EXPECT_TRUE(Exact(arctan2_rad(D(1), D(0)), 1.5707963267948966));
    EXPECT_TRUE(Exact(arctan2_rad(D(0), D(-1)), 3.141592653589793));
    EXPECT_TRUE(Exact(arcsin_rad(D(-1)), -1.5707963267948966));
    EXPECT_TRUE(Exact(arccos_rad(D(1)), 0.0));
}

TEST(Trigonometry, DomainChecksAnswerNull) {
    reset_blocks();
    EXPECT_EQ(arcsin_rad(D(1.0000001)), nullptr);
    EXPECT_EQ(arcsin_rad(D(-1.0000001)), nullptr);
    EXPECT_EQ(arccos_rad(D(2)), nullptr);
    EXPECT_EQ(arcsin_deg(D(-2)), nullptr);
    EXPECT_EQ(arccos_deg(D(1.5)), nullptr);
    EXPECT_EQ(cothyp(D(0.0)), nullptr);
    EXPECT_EQ(cothyp(D(-0.0)), nullptr);
    EXPECT_EQ(arcosh(D(0.999)), nullptr);
    EXPECT_EQ(artanh(D(1)), nullptr);
    EXPECT_EQ(artanh(D(-1)), nullptr);
    EXPECT_EQ(arcoth(D(1)), nullptr);
    EXPECT_EQ(arcoth(D(0.5)), nullptr);
    EXPECT_EQ(arcoth(D(-1)), nullptr);
    EXPECT_EQ(sin_deg(nullptr), nullptr);
    EXPECT_EQ(arctan2_rad(D(1), nullptr), nullptr);
    EXPECT_EQ(arctan2_rad(nullptr, D(1)), nullptr);
    EXPECT_EQ(stats().count, 0);
}

TEST(Hyperbolic, LogarithmFormulasLiterally) {
    EXPECT_TRUE(Exact(sinhyp(D(1)), std::sinh(1.0)));
    EXPECT_TRUE(Exact(coshyp(D(1)), std::cosh(1.0)));
    EXPECT_TRUE(Exact(tanhyp(D(1)), std::tanh(1.0)));
    EXPECT_TRUE(Exact(cothyp(D(0.5)), 1 / std::tanh(0.5)));
    EXPECT_TRUE(Exact(arcosh(D(1)), 0.0));
    EXPECT_TRUE(Exact(arcosh(D(2)), std::log(std::sqrt(2.0 * 2.0 + (-1.0)) + 2.0)));
    EXPECT_TRUE(Exact(arsinh(D(0.5)), std::log(std::sqrt(0.5 * 0.5 + 1) + 0.5)));
    EXPECT_TRUE(Exact(arsinh(D(-1e10)), -kInf));  // the sum cancels to 0
    EXPECT_TRUE(Exact(artanh(D(0.5)), 0.5 * std::log((1 + 0.5) / (1 - 0.5))));
    EXPECT_TRUE(Exact(arcoth(D(-3)), 0.5 * std::log((1 + -3.0) / (-3.0 + (-1.0)))));
    EXPECT_TRUE(Exact(coshyp(D(1000)), kInf));
}

}  // namespace
