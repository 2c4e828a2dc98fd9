// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/reference/reference_quadrature.h"

#include <cmath>

#include "runtime/runtime_error.h"

namespace ombrix {
namespace {

// The method's own steps, each checked as the classic runtime checks them,
// written here apart from the library's so that the two can disagree.
double Checked(double x) {
    if (!std::isfinite(x)) RaiseRuntimeError(ErrorKind::Overflow);
    return x;
}
double Add(double x, double y) { return Checked(x + y); }
double Subtract(double x, double y) { return Checked(x - y); }
double Multiply(double x, double y) { return Checked(x * y); }
double Divide(double x, double y) {
    if (y == 0.0 && x != 0.0) RaiseRuntimeError(ErrorKind::DivisionByZero);
    return Checked(x / y);
}
double Power(double x, double y) { return Checked(std::pow(x, y)); }

// Odd or even as the method decides it: whether (-1)^k is -1.
double SimpsonWeight(int k) {
    if (k == 0 || k == 1000) return 1.0;
    return Power(-1.0, k) == -1.0 ? 4.0 : 2.0;
}

}  // namespace

// A plain transcription of the quadrature, step by step as the method states
// it, with only the literals it states: a cosine for every node pair and a
// checked operation for every step. Kept as the oracle that the fast
// SurfaceQuadrature must match bit for bit.
//
// With x = a cos(phi) cos(theta), y = b cos(phi) sin(theta), z = c sin(phi),
// the area element divided by a*b is
//   f = cos(phi) * sqrt(1 + cos^2(phi) * (K(theta) - 1)),
//   K = (c^2/a^2) cos^2(theta) + (c^2/b^2) sin^2(theta),
// integrated over theta, phi in [0, pi/2].
double ReferenceQuadrature(double a, double b, double c) {
    const double pi = 3.14159265358979;
    double total = 0.0;
    const double h = Divide(pi, 2000);
    for (int i = 0; i <= 1000; ++i) {
        const double theta = Multiply(i, h);
        const double c2 = Power(std::cos(theta), 2);
        const double p = Multiply(Divide(Power(c, 2), Power(a, 2)), c2);
        const double q = Multiply(Divide(Power(c, 2), Power(b, 2)), Subtract(1, c2));
        for (int j = 0; j <= 1000; ++j) {
            const double cosPhi = std::cos(Multiply(j, h));
            const double u = Multiply(Subtract(Add(p, q), 1), Power(cosPhi, 2));
            const double s = Add(1, u);
            const double f = Multiply(cosPhi, std::sqrt(s));
            const double g = (i == 0 || i == 1000) ? f : Multiply(SimpsonWeight(i), f);
            const double t = (j == 0 || j == 1000) ? g : Multiply(SimpsonWeight(j), g);
            total = Add(t, total);
        }
    }
    return Multiply(Multiply(Multiply(Divide(Multiply(total, Power(pi, 2)), Power(6000, 2)), 8), a), b);
}

}  // namespace ombrix
