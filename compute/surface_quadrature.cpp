// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/surface_quadrature.h"

#include "compute/quadrature_method.h"
#include "compute/quadrature_paths.h"
#include "compute/quadrature_rows.h"
#include "runtime/checked_math.h"
#include "runtime/float_environment.h"

// The quadrature computes exactly the steps of the method, one rounding each
// (docs/accuracy.md, "A click's arithmetic"), and its total is the double that
// adding the 1,002,001 terms one at a time, in the order i, then j, gives.
// What it does not do is repeat work whose result cannot differ:
//
// - cos(j h), its square and the weight of node j are the same doubles in
//   every row and column, so they are computed once, in the node table; a
//   row's cos^2(theta) is the table's entry for its index. The cosines are
//   the correctly rounded ones, from node_cosines.h, on every platform.
// - c^2/a^2 and c^2/b^2 are the same in every row and are computed once,
//   before the first row, in the order the first row would form them; the
//   first failing step therefore raises the same error.
// - The terms of a row are independent of each other and of the total, so
//   they are computed several at a time in vector registers, and added into
//   the total by integer sums that give the bits of the serial additions
//   (binade_sum.h).
// - The product (w_j * (w_i * f)) is formed as (w_i * w_j) * f, with w_i w_j
//   from a table: both weights are powers of two up to 4, so both forms are
//   exact and equal.
//
// Checks: per row, P + Q is checked (it is the same in every column, so its
// first evaluation is the one that would fail). In the inner loop nothing can
// fail: with m = (P + Q) - 1 finite and >= -1 and 0 <= cos^2 <= 1, u = m cos^2
// is finite and >= -1, s = 1 + u is finite and >= 0 (1 + DBL_MAX rounds to
// DBL_MAX), so sqrt(s) is valid, f <= sqrt(DBL_MAX) ~ 1.3e154, a term is at
// most 16 f, and the total of 1,002,001 terms stays below 2.2e161. The final
// scaling is checked step by step.

namespace ombrix {
namespace {

using rows::RowAdder;

double Quadrature(RowAdder addRow, double a, double b, double c) {
    const ClassicFloatEnvironment environment;
    const NodeTable& nodes = Nodes();
    const double cOverA = Divide(Square(c), Square(a));
    const double cOverB = Divide(Square(c), Square(b));
    double total = 0.0;
    for (int i = 0; i < QuadratureNodes; ++i) {
        const double c2 = nodes.cosineSquared[static_cast<std::size_t>(i)];
        const double p = Multiply(cOverA, c2);
        const double q = Multiply(cOverB, Subtract(1.0, c2));
        const double m = Subtract(Add(p, q), 1.0);
        total = addRow(total, m, nodes.RowWeights(i), nodes);
    }
    return Multiply(Multiply(Multiply(SimpsonScaled(total), 8.0), a), b);
}

}  // namespace

std::vector<QuadraturePath> SupportedQuadraturePaths() {
    std::vector<QuadraturePath> paths;
    for (const QuadraturePath path : AllQuadraturePaths)
        if (rows::RowKernel(path) != nullptr) paths.push_back(path);
    return paths;
}

QuadraturePath PreferredQuadraturePath(const ProcessorFeatures& processor) {
    // The square roots bound the row kernel, and the widest registers take the
    // most of them at a time, except on Intel processors, where the 512-bit
    // registers lower the clock and AVX-512 has measured the slower path
    // (docs/performance.md).
    if (processor.avx512 && !processor.intel) return QuadraturePath::Avx512;
    if (processor.avx2) return QuadraturePath::Avx2;
    return QuadraturePath::Baseline;
}

QuadraturePath FastestQuadraturePath() {
#if defined(OMBRIX_SCRIPT_PROGRAM)
    return QuadraturePath::Serial;
#elif defined(OMBRIX_X86_PATHS)
    return PreferredQuadraturePath(
        {__builtin_cpu_supports("avx2") != 0, __builtin_cpu_supports("avx512f") != 0, __builtin_cpu_is("intel") != 0});
#else
    return QuadraturePath::Baseline;
#endif
}

const char* QuadraturePathName(QuadraturePath path) {
    switch (path) {
    case QuadraturePath::Baseline: return "baseline";
    case QuadraturePath::Avx2: return "avx2";
    case QuadraturePath::Avx512: return "avx512";
    case QuadraturePath::Serial: return "serial";
    }
    return "baseline";
}

double SurfaceQuadratureOn(QuadraturePath path, double a, double b, double c) {
    const RowAdder kernel = rows::RowKernel(path);
    return Quadrature(kernel != nullptr ? kernel : rows::RowKernel(QuadraturePath::Baseline), a, b, c);
}

double SurfaceQuadrature(double a, double b, double c) {
    static const RowAdder fastest = rows::RowKernel(FastestQuadraturePath());
    return Quadrature(fastest, a, b, c);
}

}  // namespace ombrix
