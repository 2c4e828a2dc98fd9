#pragma once

namespace ombrix {

// Number of Simpson intervals in each of the two angles.
inline constexpr int QuadratureIntervals = 1000;

// Simpson's weight of node k (0 <= k <= QuadratureIntervals): 1 at both ends,
// otherwise 4 for odd and 2 for even k.
constexpr double SimpsonWeight(int k) {
    if (k == 0 || k == QuadratureIntervals) return 1.0;
    return k % 2 != 0 ? 4.0 : 2.0;
}

// The surface area of the ellipsoid x^2/a^2 + y^2/b^2 + z^2/c^2 = 1, for
// a, b, c > 0: a composite Simpson's rule over one octant, 1000 intervals in
// each angle, times 8. Every step is one double operation, rounded once, in a
// fixed order, so the result is the same to the last bit on every machine with
// the same cosine. A step that overflows or divides by zero raises
// RuntimeError.
double SurfaceQuadrature(double a, double b, double c);

}  // namespace ombrix
