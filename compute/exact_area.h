// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ombrix {

// The surface area of the ellipsoid x^2/a^2 + y^2/b^2 + z^2/c^2 = 1, for
// a, b > 0 and c >= 0, to within a few units in the last place: Carlson's
// symmetric elliptic integral, S = 4 pi R_G(a^2 b^2, a^2 c^2, b^2 c^2). For
// c = 0 it is 2 pi a b, both faces of the flat ellipse, as in SurfaceArea but
// with the double nearest to pi rather than the fifteen-digit literal. An
// area beyond the double range is an infinity; nothing is raised.
double ExactSurfaceArea(double a, double b, double c);

}  // namespace ombrix
