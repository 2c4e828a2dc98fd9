// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The inner loop of SurfaceQuadrature: adding the terms of one row into the
// total. Internal to the compute library.

#include "compute/quadrature_method.h"
#include "compute/quadrature_paths.h"

namespace ombrix::rows {

// Adds the terms of the row whose (P + Q) - 1 is m and whose weight products
// are weights (NodeTable::RowWeights) into total, column by column, and
// returns the new total: the bits of adding the terms w_j (cos_j sqrt(1 + m
// cos_j^2)) one after another, for every j of the padded table.
using RowAdder = double (*)(double total, double m, const double* weights, const NodeTable& nodes);

// The row kernel of a path, or nullptr where this build or this processor
// cannot run it.
RowAdder RowKernel(QuadraturePath path);

}  // namespace ombrix::rows
