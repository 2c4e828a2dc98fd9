// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compute/quadrature_paths.h"

namespace ombrix {

// Takes 1,002,001 correctly rounded square roots, as many as the quadrature
// has terms, at the vector width of the path's instruction set, and returns a
// value that depends on all of them: the bound that no quadrature on that
// path can pass on one core. A path this processor lacks runs on the baseline.
double SqrtBound(QuadraturePath path);

}  // namespace ombrix
