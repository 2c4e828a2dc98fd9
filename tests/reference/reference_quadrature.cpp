#include "tests/reference/reference_quadrature.h"

#include "compute/surface_quadrature.h"

#include "compute/literals.h"
#include "runtime/checked_math.h"

namespace ombrix {

// A plain transcription of the quadrature, step by step as the method states
// it: a cosine for every node pair and a checked operation for every step.
// Kept as the oracle that the fast SurfaceQuadrature must match bit for bit.
//
// With x = a cos(phi) cos(theta), y = b cos(phi) sin(theta), z = c sin(phi),
// the area element divided by a*b is
//   f = cos(phi) * sqrt(1 + cos^2(phi) * (K(theta) - 1)),
//   K = (c^2/a^2) cos^2(theta) + (c^2/b^2) sin^2(theta),
// integrated over theta, phi in [0, pi/2].
double ReferenceQuadrature(double a, double b, double c) {
    double total = 0.0;
    const double h = Divide(PiLiteral, 2000.0);
    for (int i = 0; i <= QuadratureIntervals; ++i) {
        const double theta = Multiply(i, h);
        const double c2 = Square(Cos(theta));
        const double p = Multiply(Divide(Square(c), Square(a)), c2);
        const double q = Multiply(Divide(Square(c), Square(b)), Subtract(1.0, c2));
        for (int j = 0; j <= QuadratureIntervals; ++j) {
            const double cosPhi = Cos(Multiply(j, h));
            const double u = Multiply(Subtract(Add(p, q), 1.0), Square(cosPhi));
            const double s = Add(1.0, u);
            const double f = Multiply(cosPhi, Sqrt(s));
            const double g = (i == 0 || i == QuadratureIntervals) ? f : Multiply(SimpsonWeight(i), f);
            const double t = (j == 0 || j == QuadratureIntervals) ? g : Multiply(SimpsonWeight(j), g);
            total = Add(t, total);
        }
    }
    // Square(PiLiteral) / Square(6000) is (h/3)^2, Simpson's factor for both angles.
    const double scaled = Divide(Multiply(total, Square(PiLiteral)), Square(6000.0));
    return Multiply(Multiply(Multiply(scaled, 8.0), a), b);
}

}  // namespace ombrix
