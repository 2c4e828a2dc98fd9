// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/compute_command.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

#include "compute/exact_area.h"
#include "compute/quadrature_paths.h"
#include "compute/surface_quadrature.h"
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

// What Ombrix shows, pinned to the bit: any change of a result is a change of
// this table. Spheres, spheroids both ways, triaxial shapes, a needle, near-flat
// discs, flat ellipses and the extreme magnitudes.
struct GoldenCase {
    const char* a;
    const char* b;
    const char* c;
    std::uint64_t areaBits;
    const char* text;
};

// clang-format off
constexpr GoldenCase kGolden[] = {
    {"1", "1", "1", 0x402921FB54443369U, "12.566370614362"},
    {"5", "5", "5", 0x4073A28C59D5482AU, "314.159265359051"},
    {"1e-100", "1e-100", "1e-100", 0x16A33CE50895F5DAU, "1.2566370614362E-199"},
    {"1e100", "1e100", "1e100", 0x69B06ABDE5F4E5D6U, "1.2566370614362E+201"},
    {"2", "1", "1", 0x40357A7ABCD685CCU, "21.4784353278863"},
    {"1", "1", "2", 0x40357A7ABCD684D8U, "21.4784353278854"},
    {"2", "2", "1", 0x40415801027B34F1U, "34.6875308133693"},
    {"1", "3", "3", 0x405112F4B965C372U, "68.2961867803367"},
    {"10", "3", "3", 0x40732BA1CC3F707AU, "306.727001426516"},
    {"7", "7", "0.5", 0x407391F26D06683AU, "313.121686005619"},
    {"3", "2", "1", 0x404870EA2B87F654U, "48.882146302593"},
    {"1", "2", "3", 0x404870EA2B87EBFDU, "48.8821463025742"},
    {"5", "4", "3", 0x4068EE8FD8A6AC6FU, "199.455059361967"},
    {"2", "1.5", "0.2", 0x403397B775DCD22AU, "19.5926431335558"},
    {"1000", "1", "1", 0x40C346CDFE9B0C36U, "9869.60933244797"},
    {"1", "1", "0.001", 0x40192207FB64567FU, "6.28323357391275"},
    {"1", "0.001", "1e-6", 0x3F79BC6C7539E923U, "0.00628321043370253"},
    {"1e-150", "2e-150", "3e-150", 0x02005E3613D460E3U, "4.88821463025743E-299"},
    {"1.5e150", "2e150", "3e149", 0x7E7E4CAC80492052U, "2.02913641959051E+301"},
    {"1e-160", "1", "1e-160", 0x1EEBC06660035ED9U, "9.86960440201378E-160"},
    {"1e-160", "2e-160", "1e-160", 0x000000000000A9D1U, "2.14785158216565E-319"},
    {"0.3", "0.7", "123.456", 0x4083CEDD1433AD34U, "633.857948688243"},
    {"1", "1", "0", 0x401921FB54442D11U, "6.28318530717958"},
    {"2", "3", "0", 0x4042D97C7F3321CDU, "37.6991118430775"},
    {"1e150", "1e150", "0", 0x7E62C3AE4DD16CAAU, "6.28318530717958E+300"},
    {"1e-200", "1e-200", "0", 0x0000000000000000U, "0"},
};
// clang-format on

void ExpectTheGoldenBitsAndTexts() {
    for (const GoldenCase& g : kGolden) {
        const std::optional<SemiAxes> axes = ReadSemiAxes(g.a, g.b, g.c);
        ASSERT_TRUE(axes.has_value()) << g.a << ", " << g.b << ", " << g.c;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(SurfaceArea(*axes)), g.areaBits) << g.a << ", " << g.b << ", " << g.c;
        EXPECT_EQ(RunComputeCommand(g.a, g.b, g.c), g.text) << g.a << ", " << g.b << ", " << g.c;
        if (axes->c == 0.0) continue;
        for (const QuadraturePath path : SupportedQuadraturePaths()) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(SurfaceQuadratureOn(path, axes->a, axes->b, axes->c)), g.areaBits)
                << QuadraturePathName(path) << ": " << g.a << ", " << g.b << ", " << g.c;
        }
    }
}

TEST(ComputeCommand, GivesTheGoldenBitsAndTextsOnEveryPath) { ExpectTheGoldenBitsAndTexts(); }

// Whatever the process set, the compute rounds to nearest and keeps
// subnormals, and leaves the process's settings as they were.
TEST(ComputeCommand, GivesTheGoldenBitsWhateverFloatEnvironmentTheProcessSet) {
    std::vector<double> exactAreas;
    for (const GoldenCase& g : kGolden) {
        const std::optional<SemiAxes> axes = ReadSemiAxes(g.a, g.b, g.c);
        exactAreas.push_back(ExactSurfaceArea(axes->a, axes->b, axes->c));
    }
    const test::HostileFloatEnvironment hostile;
    if (!hostile.Set()) GTEST_SKIP() << "flush-to-zero cannot be set on this processor here";
    ExpectTheGoldenBitsAndTexts();
    for (std::size_t k = 0; k < std::size(kGolden); ++k) {
        const std::optional<SemiAxes> axes = ReadSemiAxes(kGolden[k].a, kGolden[k].b, kGolden[k].c);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(ExactSurfaceArea(axes->a, axes->b, axes->c)),
                  std::bit_cast<std::uint64_t>(exactAreas[k]))
            << kGolden[k].a << ", " << kGolden[k].b << ", " << kGolden[k].c;
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
