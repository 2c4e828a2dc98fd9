// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The inner loop of SurfaceQuadrature: adding the terms of one row into the
// total. Internal to the compute library.

#include "compute/quadrature_method.h"

namespace ombrix::rows {

// Adds the terms of the row whose (P + Q) - 1 is m and whose weight products
// are weights (NodeTable::RowWeights) into total, column by column, and
// returns the new total.
using RowAdder = double (*)(double total, double m, const double* weights, const NodeTable& nodes);

double AddRowBaseline(double total, double m, const double* weights, const NodeTable& nodes);
#ifdef OMBRIX_X86_PATHS
double AddRowAvx2(double total, double m, const double* weights, const NodeTable& nodes);
double AddRowAvx512(double total, double m, const double* weights, const NodeTable& nodes);
#endif

}  // namespace ombrix::rows
