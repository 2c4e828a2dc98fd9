#include "compute/surface_quadrature.h"

#include "compute/literals.h"
#include "compute/quadrature_paths.h"
#include "compute/quadrature_rows.h"
#include "runtime/checked_math.h"

// The quadrature computes exactly the steps of the method, one rounding each,
// and adds the 1,002,001 terms into the total one at a time, in the order
// i, then j. What it does not do is repeat work whose result cannot differ:
//
// - cos(j h), its square and the weight of node j are the same doubles in
//   every row, so they are computed once, in a table.
// - c^2/a^2 and c^2/b^2 are the same in every row and are computed once,
//   before the first row, in the order the first row would form them; the
//   first failing step therefore raises the same error.
// - The terms of a row are independent of each other and of the total, so
//   they are computed several at a time in vector registers; only the
//   additions into the total form a chain. Its floor is a million dependent
//   additions; the square roots, a million of them through the divider, take
//   about 1.5 times as long and set the pace.
// - The product (w_j * (w_i * f)) is formed as (w_i * w_j) * f: both weights
//   are powers of two up to 4, so both forms are exact and equal.
//
// Checks: per row, P + Q is checked (it is the same in every column, so its
// first evaluation is the one that would fail). In the inner loop nothing can
// fail: with m = (P + Q) - 1 finite and >= -1 and 0 <= cos^2 <= 1, u = m cos^2
// is finite and >= -1, s = 1 + u is finite and >= 0 (1 + DBL_MAX rounds to
// DBL_MAX), so sqrt(s) is valid, f <= sqrt(DBL_MAX) ~ 1.3e154, a term is at
// most 16 f, and the total of 1,002,001 terms stays below 2.2e160. The final
// scaling is checked step by step.

namespace ombrix {
namespace {

using rows::kNodes;
using rows::NodeTable;
using rows::RowAdder;

double Step() { return Divide(PiLiteral, 2000.0); }

const NodeTable& Nodes() {
    static const NodeTable table = [] {
        NodeTable t{};
        const double h = Step();
        for (int j = 0; j < kNodes; ++j) {
            const auto index = static_cast<std::size_t>(j);
            t.cosPhi[index] = Cos(Multiply(j, h));
            t.cosPhiSquared[index] = Square(t.cosPhi[index]);
            t.weight[index] = SimpsonWeight(j);
        }
        return t;
    }();
    return table;
}

bool IsSupported(QuadraturePath path) {
    switch (path) {
    case QuadraturePath::Baseline: return true;
#ifdef OMBRIX_X86_PATHS
    case QuadraturePath::Avx2: return __builtin_cpu_supports("avx2");
    case QuadraturePath::Avx512: return __builtin_cpu_supports("avx512f");
#else
    default: return false;
#endif
    }
    return false;
}

RowAdder AdderFor(QuadraturePath path) {
#ifdef OMBRIX_X86_PATHS
    if (path == QuadraturePath::Avx512) return rows::AddRowAvx512;
    if (path == QuadraturePath::Avx2) return rows::AddRowAvx2;
#endif
    (void)path;
    return rows::AddRowBaseline;
}

// AVX2 before AVX-512: the square roots bound the row kernel, and the divider
// computes them no faster in 512-bit registers, while the wider registers
// lower the clock (measured with ombrix_bench's BM_QuadraturePath).
QuadraturePath FastestPath() {
    for (const QuadraturePath path : {QuadraturePath::Avx2, QuadraturePath::Avx512})
        if (IsSupported(path)) return path;
    return QuadraturePath::Baseline;
}

double Quadrature(RowAdder addRow, double a, double b, double c) {
    const NodeTable& nodes = Nodes();
    const double h = Step();
    const double cOverA = Divide(Square(c), Square(a));
    const double cOverB = Divide(Square(c), Square(b));
    double total = 0.0;
    for (int i = 0; i <= QuadratureIntervals; ++i) {
        const double c2 = Square(Cos(Multiply(i, h)));
        const double p = Multiply(cOverA, c2);
        const double q = Multiply(cOverB, Subtract(1.0, c2));
        const double m = Subtract(Add(p, q), 1.0);
        total = addRow(total, m, SimpsonWeight(i), nodes);
    }
    // Square(PiLiteral) / Square(6000) is (h/3)^2, Simpson's factor for both angles.
    const double scaled = Divide(Multiply(total, Square(PiLiteral)), Square(6000.0));
    return Multiply(Multiply(Multiply(scaled, 8.0), a), b);
}

}  // namespace

std::vector<QuadraturePath> SupportedQuadraturePaths() {
    std::vector<QuadraturePath> paths;
    for (const QuadraturePath path : {QuadraturePath::Baseline, QuadraturePath::Avx2, QuadraturePath::Avx512})
        if (IsSupported(path)) paths.push_back(path);
    return paths;
}

const char* QuadraturePathName(QuadraturePath path) {
    switch (path) {
    case QuadraturePath::Baseline: return "baseline";
    case QuadraturePath::Avx2: return "avx2";
    case QuadraturePath::Avx512: return "avx512";
    }
    return "baseline";
}

double SurfaceQuadratureOn(QuadraturePath path, double a, double b, double c) {
    return Quadrature(AdderFor(IsSupported(path) ? path : QuadraturePath::Baseline), a, b, c);
}

double SurfaceQuadrature(double a, double b, double c) {
    static const RowAdder fastest = AdderFor(FastestPath());
    return Quadrature(fastest, a, b, c);
}

}  // namespace ombrix
