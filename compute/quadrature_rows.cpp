// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/quadrature_rows.h"

#include <cmath>

#include "compute/binade_sum.h"

namespace ombrix::rows {
namespace {

// A row's terms are computed a block at a time, in vector registers, and
// added into the total by their integer sums in units of its last place,
// which give the bits of the serial additions (binade_sum.h); a row where
// that cannot be proven is added term by term. The body is inlined into each
// instruction-set variant below and vectorised there.
[[gnu::always_inline]] inline double AddRow(double total, double m, const double* weights, const NodeTable& nodes) {
    const double* cosine = nodes.cosine.data();
    const double* cosineSquared = nodes.cosineSquared.data();
    alignas(64) double terms[PaddedNodes];
    const binade::Units units = binade::UnitsOf(total);
    binade::Lanes<NodeBlock> lanes;
    for (int j = 0; j < PaddedNodes; j += NodeBlock) {
        for (int k = 0; k < NodeBlock; ++k) {
            const double s = 1.0 + m * cosineSquared[j + k];
            const double t = weights[j + k] * (cosine[j + k] * std::sqrt(s));
            terms[j + k] = t;
            lanes.Add(k, t, units.perValue);
        }
    }
    double result = 0.0;
    return lanes.Finish(units, result) ? result : binade::AddSerially(total, terms, PaddedNodes);
}

}  // namespace

double AddRowBaseline(double total, double m, const double* w, const NodeTable& n) { return AddRow(total, m, w, n); }

#ifdef OMBRIX_X86_PATHS
[[gnu::target("avx2")]] double AddRowAvx2(double total, double m, const double* w, const NodeTable& n) {
    return AddRow(total, m, w, n);
}
[[gnu::target("avx512f")]] double AddRowAvx512(double total, double m, const double* w, const NodeTable& n) {
    return AddRow(total, m, w, n);
}
#endif

}  // namespace ombrix::rows
