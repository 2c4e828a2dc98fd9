// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/quadrature_rows.h"

#include <cmath>

namespace ombrix::rows {
namespace {

// A block of terms is computed at a time, then added one by one. The body is
// inlined into each instruction-set variant below and vectorised there.
[[gnu::always_inline]] inline double AddRow(double total, double m, double rowWeight, const NodeTable& nodes) {
    const double* cosine = nodes.cosine.data();
    const double* cosineSquared = nodes.cosineSquared.data();
    const double* weight = nodes.weight.data();
    for (int j = 0; j < PaddedNodes; j += NodeBlock) {
        double terms[NodeBlock];
        for (int k = 0; k < NodeBlock; ++k) {
            const double s = 1.0 + m * cosineSquared[j + k];
            terms[k] = (rowWeight * weight[j + k]) * (cosine[j + k] * std::sqrt(s));
        }
        for (const double t : terms) total = t + total;
    }
    return total;
}

}  // namespace

double AddRowBaseline(double total, double m, double w, const NodeTable& n) { return AddRow(total, m, w, n); }

#ifdef OMBRIX_X86_PATHS
[[gnu::target("avx2")]] double AddRowAvx2(double total, double m, double w, const NodeTable& n) {
    return AddRow(total, m, w, n);
}
[[gnu::target("avx512f")]] double AddRowAvx512(double total, double m, double w, const NodeTable& n) {
    return AddRow(total, m, w, n);
}
#endif

}  // namespace ombrix::rows
