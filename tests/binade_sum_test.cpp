// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/binade_sum.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace ombrix {
namespace {

struct SumCase {
    const char* what;
    double total;
    std::vector<double> terms;
};

void ExpectSerialBits(const SumCase& c) {
    const double serial = binade::AddSerially(c.total, c.terms.data(), static_cast<int>(c.terms.size()));
    const double blocked = binade::Add<8>(c.total, c.terms.data(), static_cast<int>(c.terms.size()));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(blocked), std::bit_cast<std::uint64_t>(serial))
        << c.what << ": " << blocked << " against " << serial;
}

// Sequences made to break the integer sums: every one must still give the
// bits of the plain serial additions.
TEST(BinadeSum, GivesTheSerialBitsOnAdversarialSequences) {
    const double u = 0x1p-52;  // the last place of a total in [1, 2)
    const std::vector<SumCase> cases = {
        {"tie, n even", 1.0, {u / 2, 0, 0, 0, 0, 0, 0, 0}},
        {"tie, n odd", 1.0 + u, {u / 2, 0, 0, 0, 0, 0, 0, 0}},
        {"ties that carry", 1.0 + u, {u / 2, u / 2, u / 2, u / 2, u / 2, u / 2, u / 2, u / 2}},
        {"a tie after a rounding", 1.0, {0.75 * u, u / 2, u / 4, u, 3 * u, 1.5 * u, u, u}},
        {"a crossing inside a block", 2.0 - 4 * u, {u, u, u, u, u, u, u, u}},
        {"a crossing at the last term", 2.0 - 8 * u, {u, u, u, u, u, u, u, 1.5 * u}},
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
        {"no terms", 5.0, {}},
    };
    for (const SumCase& c : cases) ExpectSerialBits(c);
}

TEST(BinadeSum, GivesTheSerialBitsOnRandomSequences) {
    std::mt19937_64 random(20261209);
    for (int n = 0; n < 20000; ++n) {
        const int scale = static_cast<int>(random() % 200) - 100;
        SumCase c{
            "random", std::ldexp(static_cast<double>(random() >> 11), scale - 53 + static_cast<int>(random() % 8)), {}};
        const auto count = static_cast<int>(random() % 40);
        for (int k = 0; k < count; ++k) {
            // Few significant bits make ties likely; some terms are zero.
            const auto bits = static_cast<double>(random() >> (11 + random() % 50));
            c.terms.push_back(random() % 7 == 0 ? 0.0 : std::ldexp(bits, scale - 40 - static_cast<int>(random() % 30)));
        }
        ExpectSerialBits(c);
        if (HasFailure()) break;
    }
}

}  // namespace
}  // namespace ombrix
