// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/quadrature_paths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "compute/surface_quadrature.h"
#include "runtime/bit_cast.h"
#include "runtime/runtime_error.h"
#include "tests/reference/reference_quadrature.h"

namespace ombrix {
namespace {

// The bits of the result, or the error number as "error N".
template <typename Quadrature>
std::string Outcome(Quadrature quadrature, double a, double b, double c) {
    try {
        return std::to_string(ombrix::BitCast<std::uint64_t>(quadrature(a, b, c)));
    } catch (const RuntimeError& error) {
        return "error " + std::to_string(error.number());
    }
}

struct Triple {
    double a, b, c;
};

// Magnitudes from 1e-150 to 1e150 and aspect ratios up to 1e6, spheres and
// spheroids, and the inputs whose steps fail.
std::vector<Triple> Triples() {
    std::vector<Triple> triples = {
        {1, 1, 1},      {3, 2, 1},           {1e200, 1, 1},      {1, 1, 1e155},     {1e-170, 1, 1},
        {1, 1e-170, 1}, {1e-170, 1, 1e-170}, {1e-150, 1, 1e150}, {1e154, 1e154, 1}, {1e-160, 1e-160, 1e153}};
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> magnitude(-150.0, 150.0);
    std::uniform_real_distribution<double> ratio(-6.0, 6.0);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    for (int n = 0; n < 300; ++n) {
        const double base = mantissa(random) * std::pow(10.0, magnitude(random));
        const double b = base * std::pow(10.0, ratio(random) * (n % 3 == 0 ? 1.0 : 0.3));
        const double c = base * std::pow(10.0, ratio(random) * (n % 2 == 0 ? 1.0 : 0.2));
        triples.push_back({base, b, c});
    }
    // Spheres, whose terms are weights times cosines, and spheroids both ways.
    for (int n = 0; n < 150; ++n) {
        const double r = mantissa(random) * std::pow(10.0, magnitude(random) / 3);
        const double other = r * std::pow(10.0, ratio(random) * 0.5);
        if (n % 3 == 0) triples.push_back({r, r, r});
        if (n % 3 == 1) triples.push_back({r, r, other});
        if (n % 3 == 2) triples.push_back({other, r, r});
    }
    return triples;
}

TEST(QuadraturePaths, EveryPathGivesTheOracleBits) {
    const std::vector<QuadraturePath> paths = SupportedQuadraturePaths();
    ASSERT_FALSE(paths.empty());
    int failures = 0;
    for (const Triple& t : Triples()) {
        const std::string expected = Outcome(ReferenceQuadrature, t.a, t.b, t.c);
        EXPECT_EQ(Outcome(SurfaceQuadrature, t.a, t.b, t.c), expected) << t.a << ", " << t.b << ", " << t.c;
        for (const QuadraturePath path : paths) {
            const auto onPath = [path](double a, double b, double c) { return SurfaceQuadratureOn(path, a, b, c); };
            const bool same = Outcome(onPath, t.a, t.b, t.c) == expected;
            EXPECT_TRUE(same) << QuadraturePathName(path) << ": " << t.a << ", " << t.b << ", " << t.c;
            failures += same ? 0 : 1;
        }
        if (failures > 5) FAIL() << "stopping after " << failures << " mismatches";
    }
}

// AVX-512 lowers an Intel processor's clock: there the quadrature runs on AVX2.
TEST(QuadraturePaths, TheProcessorChoosesThePath) {
    struct Choice {
        ProcessorFeatures processor;
        QuadraturePath path;
    };
    for (const Choice& choice : {
             Choice{{true, true, false}, QuadraturePath::Avx512},
             Choice{{true, true, true}, QuadraturePath::Avx2},
             Choice{{true, false, false}, QuadraturePath::Avx2},
             Choice{{true, false, true}, QuadraturePath::Avx2},
             Choice{{false, false, false}, QuadraturePath::Baseline},
             Choice{{false, false, true}, QuadraturePath::Baseline},
         }) {
        const ProcessorFeatures& p = choice.processor;
        EXPECT_EQ(PreferredQuadraturePath(p), choice.path) << p.avx2 << p.avx512 << p.intel;
    }
}

}  // namespace
}  // namespace ombrix
