// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/compute_command.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "compute/exact_area.h"
#include "compute/quadrature_paths.h"
#include "compute/surface_quadrature.h"
#include "runtime/bit_cast.h"
#include "tests/golden_areas.h"
#include "tests/hostile_float_environment.h"

namespace ombrix {
namespace {

struct CommandCase {
    const char* a;
    const char* b;
    const char* c;
    const char* result;
};

void PrintTo(const CommandCase& c, std::ostream* out) {
    *out << '"' << c.a << "\", \"" << c.b << "\", \"" << c.c << '"';
}

class ComputeCommandGives : public testing::TestWithParam<CommandCase> {};

TEST_P(ComputeCommandGives, TheResultText) {
    const CommandCase& p = GetParam();
    EXPECT_EQ(RunComputeCommand(p.a, p.b, p.c), p.result) << '"' << p.a << "\", \"" << p.b << "\", \"" << p.c << '"';
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rejected, ComputeCommandGives, testing::Values(
    CommandCase{"", "1", "1", "输入错误 "}, CommandCase{" ", "1", "1", "输入错误 "},
    CommandCase{"1", "", "1", "输入错误 "}, CommandCase{"1", "-2", "1", "输入错误 "},
    CommandCase{"1", "1", "-0.5", "输入错误 "}, CommandCase{"0", "1", "1", "输入错误 "},
    CommandCase{"-0", "1", "0", "输入错误 "}, CommandCase{"abc", "1", "1", "输入错误 "},
    CommandCase{"-1", "-1", "-1", "输入错误 "}, CommandCase{"&HFFFF", "1", "1", "输入错误 "}));

INSTANTIATE_TEST_SUITE_P(Flat, ComputeCommandGives, testing::Values(
    CommandCase{"1", "1", "0", "6.28318530717958"}, CommandCase{"1", "1", "", "6.28318530717958"},
    CommandCase{"1", "1", " ", "6.28318530717958"}, CommandCase{"1", "1", "-0", "6.28318530717958"},
    CommandCase{"2", "3", "0", "37.6991118430775"}, CommandCase{"1e-200", "1e-200", "0", "0"},
    CommandCase{"1e150", "1e150", "0", "6.28318530717958E+300"}, CommandCase{"&H8000&", "1", "0", "205887.41614566"},
    CommandCase{"＆Ｈ１Ｆ", "1", "0", "194.778744522567"}));

INSTANTIATE_TEST_SUITE_P(Quadrature, ComputeCommandGives, testing::Values(
    CommandCase{"1", "1", "1", "12.566370614362"}, CommandCase{" 1", "1 ", "1.0", "12.566370614362"},
    CommandCase{"１", "１", "１", "12.566370614362"}, CommandCase{"5", "5", "5", "314.159265359051"}));
// clang-format on

TEST(ComputeCommand, ProlateSpheroidAgreesWithItsTurnedCopy) {
    const double lying = std::stod(RunComputeCommand("2", "1", "1"));
    const double standing = std::stod(RunComputeCommand("1", "1", "2"));
    EXPECT_NEAR(lying, 21.478435327886, 1e-11);
    EXPECT_NEAR(standing, lying, 1e-10);
}

void ExpectTheGoldenBitsAndTexts() {
    for (const GoldenArea& g : GoldenAreas) {
        const std::optional<SemiAxes> axes = ReadSemiAxes(g.a, g.b, g.c);
        ASSERT_TRUE(axes.has_value()) << g.a << ", " << g.b << ", " << g.c;
        const ComputeResult result = Compute(g.a, g.b, g.c);
        EXPECT_EQ(ombrix::BitCast<std::uint64_t>(result.area), g.areaBits) << g.a << ", " << g.b << ", " << g.c;
        EXPECT_EQ(result.text, g.text) << g.a << ", " << g.b << ", " << g.c;
        EXPECT_EQ(RunComputeCommand(g.a, g.b, g.c), g.text);
        if (axes->c == 0.0) continue;
        for (const QuadraturePath path : SupportedQuadraturePaths()) {
            EXPECT_EQ(ombrix::BitCast<std::uint64_t>(SurfaceQuadratureOn(path, axes->a, axes->b, axes->c)), g.areaBits)
                << QuadraturePathName(path) << ": " << g.a << ", " << g.b << ", " << g.c;
        }
    }
}

TEST(ComputeCommand, GivesTheGoldenBitsAndTextsOnEveryPath) { ExpectTheGoldenBitsAndTexts(); }

// Whatever the process set, the compute rounds to nearest and keeps
// subnormals, and leaves the process's settings as they were.
TEST(ComputeCommand, GivesTheGoldenBitsWhateverFloatEnvironmentTheProcessSet) {
    std::vector<double> exactAreas;
    for (const GoldenArea& g : GoldenAreas) {
        const std::optional<SemiAxes> axes = ReadSemiAxes(g.a, g.b, g.c);
        exactAreas.push_back(ExactSurfaceArea(axes->a, axes->b, axes->c));
    }
    const test::HostileFloatEnvironment hostile;
    if (!hostile.Set()) GTEST_SKIP() << "flush-to-zero cannot be set on this processor here";
    ExpectTheGoldenBitsAndTexts();
    for (std::size_t k = 0; k < std::size(GoldenAreas); ++k) {
        const std::optional<SemiAxes> axes = ReadSemiAxes(GoldenAreas[k].a, GoldenAreas[k].b, GoldenAreas[k].c);
        EXPECT_EQ(ombrix::BitCast<std::uint64_t>(ExactSurfaceArea(axes->a, axes->b, axes->c)),
                  ombrix::BitCast<std::uint64_t>(exactAreas[k]))
            << GoldenAreas[k].a << ", " << GoldenAreas[k].b << ", " << GoldenAreas[k].c;
    }
    EXPECT_THROW(RunComputeCommand("1e200", "1", "1"), RuntimeError);
    EXPECT_TRUE(hostile.StillSet());
}

TEST(ComputeCommand, RaisesEachErrorKindFromInput) {
    struct ErrorCase {
        const char* a;
        const char* b;
        const char* c;
        int number;
    };
    for (const ErrorCase& p :
         {ErrorCase{"1e200", "1", "1", 6}, ErrorCase{"1e-170", "1", "1", 11}, ErrorCase{"1", "1", "1e155", 6},
          ErrorCase{"1e400", "1", "1", 6}, ErrorCase{"1e308", "10", "0", 6}, ErrorCase{"&H100000000", "1", "1", 6}}) {
        try {
            RunComputeCommand(p.a, p.b, p.c);
            ADD_FAILURE() << p.a << ", " << p.b << ", " << p.c << " did not raise";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), p.number) << p.a << ", " << p.b << ", " << p.c;
        }
    }
}

}  // namespace
}  // namespace ombrix
