// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ombrix {

// The surface quadrature transcribed operation by operation, with no reuse of
// values between nodes. The oracle for SurfaceQuadrature; slow.
double ReferenceQuadrature(double a, double b, double c);

}  // namespace ombrix
