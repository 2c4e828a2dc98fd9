// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

namespace ombrix {

// The instruction sets SurfaceQuadrature can run its rows with. Every path
// gives the same bits; SurfaceQuadrature takes the one FastestQuadraturePath
// names. Serial adds each term as it comes, with no vector and no integer sum:
// the fastest where the program runs as plain script, in which 64-bit integers
// and vectors are emulated, and without a JIT.
enum class QuadraturePath { Baseline, Avx2, Avx512, Serial };
inline constexpr std::array AllQuadraturePaths = {QuadraturePath::Baseline, QuadraturePath::Avx2,
                                                  QuadraturePath::Avx512, QuadraturePath::Serial};

// The paths this build and this processor can run, the baseline first.
std::vector<QuadraturePath> SupportedQuadraturePaths();
QuadraturePath FastestQuadraturePath();

// What FastestQuadraturePath asks of the processor, and the path it then
// takes: AVX-512 where there is AVX-512 and the processor is not Intel's,
// otherwise AVX2 where there is AVX2, otherwise the baseline. A program built
// as plain script takes the serial path.
struct ProcessorFeatures {
    bool avx2;
    bool avx512;
    bool intel;
};
QuadraturePath PreferredQuadraturePath(const ProcessorFeatures& processor);
const char* QuadraturePathName(QuadraturePath path);

// SurfaceQuadrature on the given path. A path that is not supported here runs
// on the baseline.
double SurfaceQuadratureOn(QuadraturePath path, double a, double b, double c);

}  // namespace ombrix
