// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/exact_area.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/exact_areas.h"

namespace ombrix {
namespace {

// Against 40-digit areas (scripts/exact-areas.py): at most 4e-16 relative, a
// couple of units in the last place, for every kind of shape and magnitude.
TEST(ExactSurfaceArea, AgreesWithFortyDigitAreas) {
    for (const test::ExactArea& e : test::ExactAreas) {
        const double area = ExactSurfaceArea(e.a, e.b, e.c);
        const double relative = std::abs((area - e.area) - e.rest) / e.area;
        EXPECT_LE(relative, 4e-16) << e.a << ", " << e.b << ", " << e.c << ": " << area;
    }
}

}  // namespace
}  // namespace ombrix
