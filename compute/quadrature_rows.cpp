// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/quadrature_rows.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

#include "compute/binade_sum.h"

namespace ombrix::rows {
namespace {

// Vectors of 2, 4 and 8 doubles, in GCC's and Clang's vector extension: each
// operator is the IEEE operation on every lane, rounded once, as on a double.
using Doubles2 = double __attribute__((vector_size(16)));
using Doubles4 = double __attribute__((vector_size(32)));
using Doubles8 = double __attribute__((vector_size(64)));

// The one row kernel, for a vector of any width: a row's terms a vector at a
// time, each the method's w_j (cos_j sqrt(1 + m cos_j^2)), added into the
// total by their integer sums in units of its last place, which give the
// bits of the serial additions (binade_sum.h); a row where that cannot be
// proven (a tie, a crossing of the binade, a total that is no usable unit) is
// added term by term. Inlined into each instruction set's function below;
// it takes and returns no vector, so no call crosses an instruction set.
template <typename V>
[[gnu::always_inline]] inline double AddRow(double total, double m, const double* weights, const NodeTable& nodes) {
    constexpr int width = sizeof(V) / sizeof(double);
    // Several sums side by side, so that no addition waits for the one before.
    constexpr int sides = NodeBlock / width < 2 ? 2 : NodeBlock / width;
    static_assert(PaddedNodes % (width * sides) == 0);
    using Bits = decltype(V{} == V{});  // the same lanes, as 64-bit integers
    constexpr auto SignBit = static_cast<std::int64_t>(std::uint64_t{1} << 63);
    alignas(64) double terms[PaddedNodes];
    const binade::Units units = binade::UnitsOf(total);
    V sums[sides] = {};
    V farthest[sides] = {};  // the largest |t/u - RNE(t/u)|: a half is a tie
    for (int j = 0; j < PaddedNodes; j += width * sides) {
        for (int side = 0; side < sides; ++side) {
            const int at = j + side * width;
            V cosine, cosineSquared, weight;
            std::memcpy(&cosine, nodes.cosine.data() + at, sizeof(V));
            std::memcpy(&cosineSquared, nodes.cosineSquared.data() + at, sizeof(V));
            std::memcpy(&weight, weights + at, sizeof(V));
            const V s = 1.0 + m * cosineSquared;
#if defined(__wasm_simd128__)
            const V root = reinterpret_cast<V>(wasm_f64x2_sqrt(reinterpret_cast<v128_t>(s)));
#else
            // Compilers make one vector square root of this loop.
            V root = s;
            for (int k = 0; k < width; ++k) root[k] = std::sqrt(root[k]);
#endif
            const V t = weight * (cosine * root);
            std::memcpy(terms + at, &t, sizeof(V));
            // RNE(t/u) for 0 <= t/u < 2^52.
            const V x = t * units.perValue;
            const V r = (x + binade::TwoTo52) - binade::TwoTo52;
            sums[side] += r;
            // |x - r|: the sign bit cleared. A vector conditional, where
            // std::max lane by lane would not stay a vector.
            const V offset = reinterpret_cast<V>(reinterpret_cast<Bits>(x - r) & ~SignBit);
            farthest[side] = offset > farthest[side] ? offset : farthest[side];
        }
    }
    if (units.usable) {
        double sum = units.count, largestOffset = 0.0;
        for (int side = 0; side < sides; ++side) {
            for (int k = 0; k < width; ++k) {
                sum += sums[side][k];
                largestOffset = std::max(largestOffset, farthest[side][k]);
            }
        }
        // Every r is a non-negative integer; below 2^53 their sum is exact
        // in any order, and a term of 2^52 units or more takes it past.
        if (largestOffset < 0.5 && sum < binade::TwoTo53) return sum * units.value;
    }
    return binade::AddSerially(total, terms, PaddedNodes);
}

#if defined(__wasm_simd128__)
static_assert(sizeof(Doubles2) == sizeof(v128_t), "WebAssembly's vectors hold two doubles");
#endif

double AddRowBaseline(double total, double m, const double* w, const NodeTable& n) {
    return AddRow<Doubles2>(total, m, w, n);
}

// The terms added one after another, as the method says: no faster with a
// JIT than the kernel above, and much faster without one.
double AddRowSerially(double total, double m, const double* weights, const NodeTable& nodes) {
    for (int j = 0; j < PaddedNodes; ++j)
        total = weights[j] * (nodes.cosine[j] * std::sqrt(1.0 + m * nodes.cosineSquared[j])) + total;
    return total;
}

#ifdef OMBRIX_X86_PATHS
[[gnu::target("avx2")]] double AddRowAvx2(double total, double m, const double* w, const NodeTable& n) {
    return AddRow<Doubles4>(total, m, w, n);
}

[[gnu::target("avx512f")]] double AddRowAvx512(double total, double m, const double* w, const NodeTable& n) {
    return AddRow<Doubles8>(total, m, w, n);
}
#endif

}  // namespace

RowAdder RowKernel(QuadraturePath path) {
    switch (path) {
    case QuadraturePath::Baseline: return AddRowBaseline;
    case QuadraturePath::Serial: return AddRowSerially;
#ifdef OMBRIX_X86_PATHS
    case QuadraturePath::Avx2: return __builtin_cpu_supports("avx2") ? AddRowAvx2 : nullptr;
    case QuadraturePath::Avx512: return __builtin_cpu_supports("avx512f") ? AddRowAvx512 : nullptr;
#else
    case QuadraturePath::Avx2:
    case QuadraturePath::Avx512: return nullptr;
#endif
    }
    return nullptr;
}

}  // namespace ombrix::rows
