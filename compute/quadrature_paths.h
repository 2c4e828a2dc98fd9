// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace ombrix {

// The instruction sets SurfaceQuadrature can run its rows with. Every path
// gives the same bits; SurfaceQuadrature takes the one FastestQuadraturePath
// names.
enum class QuadraturePath { Baseline, Avx2, Avx512 };

// The paths this build and this processor can run, the baseline first.
std::vector<QuadraturePath> SupportedQuadraturePaths();
QuadraturePath FastestQuadraturePath();

// What FastestQuadraturePath asks of the processor, and the path it then
// takes: AVX-512 where there is AVX-512 and the processor is not Intel's,
// otherwise AVX2 where there is AVX2, otherwise the baseline.
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
