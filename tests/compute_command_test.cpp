#include "compute/compute_command.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(RunComputeCommand(p.a, p.b, p.c), p.result)
        << '"' << p.a << "\", \"" << p.b << "\", \"" << p.c << '"';
}

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
    CommandCase{"1e150", "1e150", "0", "6.28318530717958E+300"}));

INSTANTIATE_TEST_SUITE_P(Quadrature, ComputeCommandGives, testing::Values(
    CommandCase{"1", "1", "1", "12.566370614362"}, CommandCase{" 1", "1 ", "1.0", "12.566370614362"},
    CommandCase{"１", "１", "１", "12.566370614362"}, CommandCase{"5", "5", "5", "314.159265359051"}));

TEST(ComputeCommand, ProlateSpheroidAgreesWithItsTurnedCopy) {
    const double lying = std::stod(RunComputeCommand("2", "1", "1"));
    const double standing = std::stod(RunComputeCommand("1", "1", "2"));
    EXPECT_NEAR(lying, 21.478435327886, 1e-11);
    EXPECT_NEAR(standing, lying, 1e-10);
}

TEST(ComputeCommand, GivesTheSameTextTwice) {
    EXPECT_EQ(RunComputeCommand("3", "2", "1"), RunComputeCommand("3", "2", "1"));
}

TEST(ComputeCommand, RaisesEachErrorKindFromInput) {
    struct ErrorCase { const char* a; const char* b; const char* c; int number; };
    for (const ErrorCase& p : {ErrorCase{"1e200", "1", "1", 6}, ErrorCase{"1e-170", "1", "1", 11},
                               ErrorCase{"1", "1", "1e155", 6}, ErrorCase{"1e400", "1", "1", 6},
                               ErrorCase{"1e308", "10", "0", 6}, ErrorCase{"&H100000000", "1", "1", 6}}) {
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
