// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

#include "runtime/val.h"

namespace ombrix {
namespace {

struct TextCase {
    double value;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.text; }

class NumberTextForms : public testing::TestWithParam<TextCase> {};

TEST_P(NumberTextForms, GivesTheDefaultForm) { EXPECT_EQ(NumberText(GetParam().value), GetParam().text); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, NumberTextForms, testing::Values(
    TextCase{0.0, "0"}, TextCase{-0.0, "0"}, TextCase{1.0, "1"}, TextCase{-1.5, "-1.5"},
    TextCase{0.5, "0.5"}, TextCase{6.28318530717958, "6.28318530717958"},
    TextCase{0.1 + 0.2, "0.3"}, TextCase{1.0 / 3.0, "0.333333333333333"},
    TextCase{2.0 / 3.0, "0.666666666666667"}, TextCase{100.0, "100"},
    TextCase{123456789012345.0, "123456789012345"},
    TextCase{999999999999999.0, "999999999999999"},
    TextCase{999999999999999.9, "1E+15"}, TextCase{1e15, "1E+15"},
    TextCase{1234567890123456.0, "1.23456789012346E+15"},
    TextCase{0.0001, "0.0001"}, TextCase{0.00012345, "0.00012345"},
    TextCase{0.00009999999999999999, "0.0001"}, TextCase{0.00001, "1E-05"},
    TextCase{1.5e-7, "1.5E-07"}, TextCase{-2.5e-10, "-2.5E-10"},
    TextCase{1e100, "1E+100"}, TextCase{1.2566370614362e301, "1.2566370614362E+301"},
    TextCase{DBL_MAX, "1.79769313486232E+308"}, TextCase{4.9406564584124654e-324, "4.94065645841247E-324"}));
// clang-format on

// A text read back through Val agrees with the double to 15 significant digits.
TEST(NumberText, ReadsBackThroughVal) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> exponent(-300.0, 300.0);
    for (int n = 0; n < 2000; ++n) {
        const double x = std::pow(10.0, exponent(random)) * (n % 2 == 0 ? 1 : -1);
        const double back = Val(NumberText(x));
        EXPECT_LE(std::abs(back - x), std::abs(x) * 5.1e-15) << x << " -> " << NumberText(x);
        EXPECT_EQ(NumberText(back), NumberText(x));
    }
}

}  // namespace
}  // namespace ombrix
