// SPDX-License-Identifier: GPL-3.0-or-later
// The row kernels' integer sums (binade_sum.h) against the plain serial
// additions, on every kernel this build has; a kernel this processor cannot
// run is reported as skipped, by name.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "compute/quadrature_paths.h"
#include "runtime/bit_cast.h"
#include "tests/row_terms.h"

namespace ombrix {
namespace {

struct SumCase {
    const char* what;
    double total;
    std::vector<double> terms;
};

class RowKernelSum : public testing::TestWithParam<QuadraturePath> {
protected:
    void SetUp() override {
        kernel_ = rows::RowKernel(GetParam());
        if (kernel_ == nullptr) GTEST_SKIP() << QuadraturePathName(GetParam()) << ": not on this processor or build";
    }

    void ExpectSerialBits(const SumCase& c) const {
        const testing_rows::TermRow row(c.terms);
        const double serial = row.AddSerially(c.total);
        const double kernel = row.AddThrough(kernel_, c.total);
        EXPECT_EQ(ombrix::BitCast<std::uint64_t>(kernel), ombrix::BitCast<std::uint64_t>(serial))
            << QuadraturePathName(GetParam()) << ", " << c.what << ": " << kernel << " against " << serial;
    }

    rows::RowAdder kernel_ = nullptr;
};

// Sequences made to break the integer sums: every one must still give the
// bits of the plain serial additions.
TEST_P(RowKernelSum, GivesTheSerialBitsOnAdversarialSequences) {
    const double u = 0x1p-52;  // the last place of a total in [1, 2)
    const std::vector<SumCase> cases = {
        {"tie, n even", 1.0, {u / 2, 0, 0, 0, 0, 0, 0, 0}},
        {"tie, n odd", 1.0 + u, {u / 2, 0, 0, 0, 0, 0, 0, 0}},
        {"a tie in a later block", 1.0 + u, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, u / 2}},
        {"ties that carry", 1.0 + u, {u / 2, u / 2, u / 2, u / 2, u / 2, u / 2, u / 2, u / 2}},
        {"a tie after a rounding", 1.0, {0.75 * u, u / 2, u / 4, u, 3 * u, 1.5 * u, u, u}},
        {"a crossing inside a block", 2.0 - 4 * u, {u, u, u, u, u, u, u, u}},
        {"a crossing at the last term", 2.0 - 8 * u, {u, u, u, u, u, u, u, 1.5 * u}},
        {"a sum of exactly 2^53 units", 2.0 - 2 * u, {u, u}},
        {"a sum just below 2^53 units", 2.0 - 3 * u, {u, 0.75 * u, 0.25 * u}},
        {"a first total of zero", 0.0, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"terms larger than the total", 1.0, {1e20, 3, 1e30, 0, 5, 1e-20, 7, 8}},
        {"a term of 2^52 units", 1.0, {1.0, 0, 0, 0, 0, 0, 0, 0}},
        {"huge magnitudes", 1e300, {1e290, 3e299, 1e284, 0, 7e300, 1e250, 2e299, 1e200}},
        {"near the largest double", DBL_MAX / 4, {DBL_MAX / 8, 1e300, 0, 0, 0, 0, 0, 1e307}},
        {"tiny magnitudes", 1e-300, {1e-310, 3e-305, 1e-301, 0, 1e-320, 2e-300, 5e-324, 1e-299}},
        {"a subnormal total", 1e-310, {1e-312, 2e-311, 0, 1e-315, 3e-310, 0, 4e-312, 1e-313}},
        {"the smallest total that scales", 0x1p-970, {0x1p-1020, 0x1p-973, 0x1p-1000, 0, 0, 0, 0, 0x1p-972}},
        {"below it", 0x1p-971, {0x1p-1020, 0x1p-973, 0x1p-1000, 0, 0, 0, 0, 0x1p-974}},
        {"a partial block", 3.0, {u, 2 * u, 0.5}},
    };
    for (const SumCase& c : cases) ExpectSerialBits(c);
}

TEST_P(RowKernelSum, GivesTheSerialBitsOnRandomSequences) {
    std::mt19937_64 random(20261209);
    for (int n = 0; n < 5000; ++n) {
        const int scale = static_cast<int>(random() % 200) - 100;
        SumCase c{
            "random", std::ldexp(static_cast<double>(random() >> 11), scale - 53 + static_cast<int>(random() % 8)), {}};
        const auto count = static_cast<int>(random() % 100);
        for (int k = 0; k < count; ++k) {
            // Few significant bits make ties likely; some terms are zero.
            const auto bits = static_cast<double>(random() >> (11 + random() % 50));
            c.terms.push_back(random() % 7 == 0 ? 0.0 : std::ldexp(bits, scale - 40 - static_cast<int>(random() % 30)));
        }
        ExpectSerialBits(c);
        if (HasFailure()) break;
    }
}

INSTANTIATE_TEST_SUITE_P(Kernels, RowKernelSum, testing::ValuesIn(ombrix::AllQuadraturePaths),
                         [](const testing::TestParamInfo<QuadraturePath>& info) {
                             return std::string(QuadraturePathName(info.param));
                         });

}  // namespace
}  // namespace ombrix
