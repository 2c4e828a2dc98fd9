#pragma once

// The inner loop of SurfaceQuadrature: adding the terms of one row into the
// total. Internal to the compute library.

#include <array>
#include <cmath>

#include "compute/surface_quadrature.h"

namespace ombrix::rows {

inline constexpr int kNodes = QuadratureIntervals + 1;

// The values that depend on the column j only, the same in every row.
struct NodeTable {
    alignas(64) std::array<double, kNodes> cosPhi;
    alignas(64) std::array<double, kNodes> cosPhiSquared;
    alignas(64) std::array<double, kNodes> weight;
};

// Adds the terms of the row whose (P + Q) - 1 is m and whose weight is
// rowWeight into total, column by column, and returns the new total.
using RowAdder = double (*)(double total, double m, double rowWeight, const NodeTable& nodes);

double AddRowBaseline(double total, double m, double rowWeight, const NodeTable& nodes);
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define OMBRIX_X86_PATHS 1
double AddRowAvx2(double total, double m, double rowWeight, const NodeTable& nodes);
double AddRowAvx512(double total, double m, double rowWeight, const NodeTable& nodes);
#endif

// One column's term, as the row kernels' tails compute it.
inline double Term(double m, double rowWeight, const NodeTable& nodes, int j) {
    const auto k = static_cast<std::size_t>(j);
    const double s = 1.0 + m * nodes.cosPhiSquared[k];
    return (rowWeight * nodes.weight[k]) * (nodes.cosPhi[k] * std::sqrt(s));
}

}  // namespace ombrix::rows
