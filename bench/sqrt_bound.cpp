// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqrt_bound.h"

#include <cmath>

namespace ombrix {
namespace {

constexpr int kBlock = 1008;  // a row of the quadrature, padded
constexpr int kRows = 994;    // 994 rows of 1008, and 49 roots more: 1,002,001
constexpr int kRest = 1002001 - kRows * kBlock;
constexpr int kAccumulators = 16;  // independent lanes, to hide the latency of the additions

struct alignas(64) Operands {
    double values[kBlock];
};

const Operands& TheOperands() {
    static const Operands operands = [] {
        Operands o{};
        for (int k = 0; k < kBlock; ++k) o.values[k] = 1.0 + k / 1024.0;
        return o;
    }();
    return operands;
}

[[gnu::always_inline]] inline double Roots(const double* x) {
    double sums[kAccumulators] = {};
    for (int row = 0; row < kRows; ++row) {
        const double shift = row * 0x1p-20;  // other operands in every row
        for (int k = 0; k < kBlock; k += kAccumulators)
            for (int lane = 0; lane < kAccumulators; ++lane) sums[lane] += std::sqrt(x[k + lane] + shift);
    }
    for (int k = 0; k < kRest; ++k) sums[0] += std::sqrt(x[k]);
    double total = 0.0;
    for (const double s : sums) total += s;
    return total;
}

// noipa: the operands must stay unknown to the optimiser, which would
// otherwise fold the roots it can see.
[[gnu::noipa]] double RootsBaseline(const double* x) { return Roots(x); }
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
[[gnu::target("avx2"), gnu::noipa]] double RootsAvx2(const double* x) { return Roots(x); }
[[gnu::target("avx512f"), gnu::noipa]] double RootsAvx512(const double* x) { return Roots(x); }
#endif

}  // namespace

double SqrtBound(QuadraturePath path) {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    if (path == QuadraturePath::Avx512 && __builtin_cpu_supports("avx512f")) return RootsAvx512(TheOperands().values);
    if (path == QuadraturePath::Avx2 && __builtin_cpu_supports("avx2")) return RootsAvx2(TheOperands().values);
#endif
    (void)path;
    return RootsBaseline(TheOperands().values);
}

}  // namespace ombrix
