// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/surface_quadrature.h"

#include <gtest/gtest.h>

#include <boost/math/special_functions/ellint_1.hpp>
#include <boost/math/special_functions/ellint_2.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "compute/boost_math_errors.h"
#include "compute/node_cosines.h"
#include "runtime/runtime_error.h"

namespace ombrix {
namespace {

constexpr double kPi = std::numbers::pi;

// The area of any ellipsoid by Legendre's formula with incomplete elliptic
// integrals, an independent reference for the quadrature.
double LegendreArea(double a, double b, double c) {
    double axes[] = {a, b, c};
    std::sort(axes, axes + 3, std::greater<>());
    const double x = axes[0], y = axes[1], z = axes[2];
    if (x == z) return 4 * kPi * x * x;
    const double phi = std::acos(z / x);
    const double k = std::sqrt((x * x * (y * y - z * z)) / (y * y * (x * x - z * z)));
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
    return 2 * kPi * z * z +
           2 * kPi * x * y / sinPhi *
               (boost::math::ellint_2(k, phi) * sinPhi * sinPhi + boost::math::ellint_1(k, phi) * cosPhi * cosPhi);
}

double ProlateArea(double longAxis, double r) {
    const double e = std::sqrt(1 - r * r / (longAxis * longAxis));
    return 2 * kPi * r * r * (1 + longAxis / (r * e) * std::asin(e));
}

double OblateArea(double r, double shortAxis) {
    const double e = std::sqrt(1 - shortAxis * shortAxis / (r * r));
    return 2 * kPi * r * r * (1 + (1 - e * e) / e * std::atanh(e));
}

struct AreaCase {
    double a, b, c, area, relative;
};

void PrintTo(const AreaCase& c, std::ostream* out) { *out << c.a << ", " << c.b << ", " << c.c; }

class QuadratureAgrees : public testing::TestWithParam<AreaCase> {};

TEST_P(QuadratureAgrees, WithTheClosedForm) {
    const AreaCase& p = GetParam();
    EXPECT_NEAR(SurfaceQuadrature(p.a, p.b, p.c), p.area, p.area * p.relative) << p.a << ", " << p.b << ", " << p.c;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Spheres, QuadratureAgrees, testing::Values(
    AreaCase{1, 1, 1, 4 * kPi, 1e-12}, AreaCase{5, 5, 5, 100 * kPi, 1e-12},
    AreaCase{1e-100, 1e-100, 1e-100, 4 * kPi * 1e-200, 1e-12},
    AreaCase{1e100, 1e100, 1e100, 4 * kPi * 1e200, 1e-12}));

INSTANTIATE_TEST_SUITE_P(Spheroids, QuadratureAgrees, testing::Values(
    AreaCase{2, 1, 1, ProlateArea(2, 1), 1e-12}, AreaCase{1, 2, 1, ProlateArea(2, 1), 1e-12},
    AreaCase{1, 1, 2, ProlateArea(2, 1), 1e-12}, AreaCase{10, 3, 3, ProlateArea(10, 3), 1e-11},
    AreaCase{2, 2, 1, OblateArea(2, 1), 1e-12}, AreaCase{1, 3, 3, OblateArea(3, 1), 1e-12},
    AreaCase{7, 7, 0.5, OblateArea(7, 0.5), 1e-9}));

INSTANTIATE_TEST_SUITE_P(Triaxial, QuadratureAgrees, testing::Values(
    AreaCase{3, 2, 1, LegendreArea(3, 2, 1), 1e-12}, AreaCase{1, 2, 3, LegendreArea(1, 2, 3), 1e-12},
    AreaCase{5, 4, 3, LegendreArea(5, 4, 3), 1e-12}, AreaCase{2, 1.5, 0.2, LegendreArea(2, 1.5, 0.2), 1e-8}));
// clang-format on

TEST(SurfaceQuadrature, SwapsOfAxesChangeOnlyRoundingDigits) {
    const double abc = SurfaceQuadrature(3, 2, 1);
    for (const double area : {SurfaceQuadrature(2, 3, 1), SurfaceQuadrature(1, 2, 3), SurfaceQuadrature(3, 1, 2)}) {
        EXPECT_NEAR(area, abc, abc * 1e-12);
    }
}

// The table of node cosines guards against a wrong entry: glibc's cosine is
// correctly rounded at every node, so the two must agree everywhere. (Other
// libraries' cosines need not: mingw-w64's differs at j = 1000.)
TEST(SurfaceQuadrature, NodeCosinesAreTheCorrectlyRoundedOnes) {
#ifdef __GLIBC__
    const double h = 3.14159265358979 / 2000;
    for (int j = 0; j <= 1000; ++j) EXPECT_EQ(NodeCosines[static_cast<std::size_t>(j)], std::cos(j * h)) << "j = " << j;
#else
    GTEST_SKIP() << "the cosine here is not known to be correctly rounded";
#endif
}

int ErrorOf(double a, double b, double c) {
    try {
        SurfaceQuadrature(a, b, c);
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

TEST(SurfaceQuadrature, RaisesAtTheStepThatFails) {
    EXPECT_EQ(ErrorOf(1e200, 1, 1), 6);    // a^2 overflows, though c^2/a^2 would be 0
    EXPECT_EQ(ErrorOf(1, 1, 1e155), 6);    // c^2 overflows
    EXPECT_EQ(ErrorOf(1e-170, 1, 1), 11);  // a^2 underflows to 0
    EXPECT_EQ(ErrorOf(1, 1e-170, 1), 11);
    EXPECT_EQ(ErrorOf(1e-170, 1, 1e-170), 6);  // 0 / 0
    EXPECT_EQ(ErrorOf(1e-150, 1, 1e150), 6);   // c^2 / a^2 overflows
    EXPECT_EQ(ErrorOf(1e154, 1e154, 1), 6);    // only the final products overflow
    EXPECT_EQ(ErrorOf(1e-150, 1e-150, 1e-150), 0);
}

}  // namespace
}  // namespace ombrix
