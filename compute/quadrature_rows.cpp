#include "compute/quadrature_rows.h"

namespace ombrix::rows {
namespace {

// Eight terms are computed at a time, then added one by one. The body is
// inlined into each instruction-set variant below and vectorised there.
[[gnu::always_inline]] inline double AddRow(double total, double m, double rowWeight, const NodeTable& nodes) {
    constexpr int kBlock = 8;
    const double* cosPhi = nodes.cosPhi.data();
    const double* cosPhiSquared = nodes.cosPhiSquared.data();
    const double* weight = nodes.weight.data();
    int j = 0;
    for (; j + kBlock <= kNodes; j += kBlock) {
        double terms[kBlock];
        for (int k = 0; k < kBlock; ++k) {
            const double s = 1.0 + m * cosPhiSquared[j + k];
            terms[k] = (rowWeight * weight[j + k]) * (cosPhi[j + k] * std::sqrt(s));
        }
        for (const double t : terms) total = t + total;
    }
    for (; j < kNodes; ++j) total = Term(m, rowWeight, nodes, j) + total;
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
