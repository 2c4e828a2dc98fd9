#pragma once

#include <vector>

namespace ombrix {

// The instruction sets SurfaceQuadrature can run its rows with. Every path
// gives the same bits; SurfaceQuadrature takes the fastest this processor has.
enum class QuadraturePath { Baseline, Avx2, Avx512 };

std::vector<QuadraturePath> SupportedQuadraturePaths();
const char* QuadraturePathName(QuadraturePath path);

// SurfaceQuadrature on the given path, which must be supported.
double SurfaceQuadratureOn(QuadraturePath path, double a, double b, double c);

}  // namespace ombrix
