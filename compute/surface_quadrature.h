// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ombrix {

// The surface area of the ellipsoid x^2/a^2 + y^2/b^2 + z^2/c^2 = 1, for
// a, b, c > 0: a composite Simpson's rule over one octant, 1000 intervals in
// each angle, times 8. Every step is one double operation, rounded once, in
// the order docs/accuracy.md states, and the nodes' cosines come from a table
// of correctly rounded values, so the result is the same to the last bit on
// every machine. A step that overflows or divides by zero raises RuntimeError.
double SurfaceQuadrature(double a, double b, double c);

}  // namespace ombrix
