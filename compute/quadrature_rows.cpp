// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/quadrature_rows.h"

#include <cmath>

#ifdef OMBRIX_X86_PATHS
// GCC 12's _mm512_sqrt_pd hands its unused pass-through operand an undefined
// vector on purpose, which -Wuninitialized reports in the header (GCC bug
// 105593, mended in GCC 13).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop
#endif

#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

#include "compute/binade_sum.h"

namespace ombrix::rows {
namespace {

// A row's terms are computed a block at a time, in vector registers, and
// added into the total by their integer sums in units of its last place,
// which give the bits of the serial additions (binade_sum.h); a row where
// that cannot be proven is added term by term. The body is inlined into each
// instruction-set variant below and vectorised there.
[[gnu::always_inline, maybe_unused]] inline double AddRow(double total, double m, const double* weights,
                                                          const NodeTable& nodes) {
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
    // The loop above wrote every term: PaddedNodes is a positive multiple of NodeBlock.
    // cppcheck-suppress uninitvar
    return lanes.Finish(units, result) ? result : binade::AddSerially(total, terms, PaddedNodes);
}

#if defined(__wasm_simd128__)
// WebAssembly's baseline is its 128-bit vectors, two nodes a vector. The same
// steps as AddRow written out, as for AVX-512 below: clang vectorises the
// terms but adds their rounded sums one lane at a time, which halves the speed.
double AddRowBaseline(double total, double m, const double* w, const NodeTable& n) {
    alignas(64) double terms[PaddedNodes];
    const binade::Units units = binade::UnitsOf(total);
    const v128_t rowM = wasm_f64x2_splat(m), one = wasm_f64x2_splat(1.0), perValue = wasm_f64x2_splat(units.perValue);
    const v128_t magic = wasm_f64x2_splat(binade::TwoTo52), half = wasm_f64x2_splat(0.5);
    v128_t sums[4] = {wasm_f64x2_splat(0.0), wasm_f64x2_splat(0.0), wasm_f64x2_splat(0.0), wasm_f64x2_splat(0.0)};
    v128_t ties = wasm_i64x2_splat(0);
    for (int j = 0; j < PaddedNodes; j += 2) {
        const v128_t s = wasm_f64x2_add(one, wasm_f64x2_mul(rowM, wasm_v128_load(n.cosineSquared.data() + j)));
        const v128_t f = wasm_f64x2_mul(wasm_v128_load(n.cosine.data() + j), wasm_f64x2_sqrt(s));
        const v128_t t = wasm_f64x2_mul(wasm_v128_load(w + j), f);
        wasm_v128_store(terms + j, t);
        const v128_t x = wasm_f64x2_mul(t, perValue);
        const v128_t r = wasm_f64x2_sub(wasm_f64x2_add(x, magic), magic);
        sums[(j / 2) % 4] = wasm_f64x2_add(sums[(j / 2) % 4], r);
        ties = wasm_v128_or(ties, wasm_f64x2_eq(wasm_f64x2_abs(wasm_f64x2_sub(x, r)), half));
    }
    if (units.usable && !wasm_v128_any_true(ties)) {
        double sum = units.count;
        for (const v128_t lane : sums) sum += wasm_f64x2_extract_lane(lane, 0) + wasm_f64x2_extract_lane(lane, 1);
        if (sum < binade::TwoTo53) return sum * units.value;
    }
    return binade::AddSerially(total, terms, PaddedNodes);
}
#else
double AddRowBaseline(double total, double m, const double* w, const NodeTable& n) { return AddRow(total, m, w, n); }
#endif

#ifdef OMBRIX_X86_PATHS
[[gnu::target("avx2")]] double AddRowAvx2(double total, double m, const double* w, const NodeTable& n) {
    return AddRow(total, m, w, n);
}

// One __m512d holds a block of nodes; the table's rows are whole blocks and
// aligned for the stores into terms.
static_assert(NodeBlock * sizeof(double) == sizeof(__m512d), "the AVX-512 kernel takes one block a register");
static_assert(alignof(NodeTable) >= 64);

// The same steps as AddRow, written out for AVX-512, where the vectoriser's
// own choices were found to vary with small changes to the source.
[[gnu::target("avx512f")]] double AddRowAvx512(double total, double m, const double* w, const NodeTable& n) {
    alignas(64) double terms[PaddedNodes];
    const binade::Units units = binade::UnitsOf(total);
    const __m512d rowM = _mm512_set1_pd(m), one = _mm512_set1_pd(1.0), perValue = _mm512_set1_pd(units.perValue);
    const __m512d magic = _mm512_set1_pd(binade::TwoTo52), half = _mm512_set1_pd(0.5), minusHalf = _mm512_set1_pd(-0.5);
    __m512d sums[2] = {_mm512_setzero_pd(), _mm512_setzero_pd()};
    __mmask8 ties = 0;
    for (int j = 0; j < PaddedNodes; j += NodeBlock) {
        const __m512d s = _mm512_add_pd(one, _mm512_mul_pd(rowM, _mm512_loadu_pd(n.cosineSquared.data() + j)));
        const __m512d f = _mm512_mul_pd(_mm512_loadu_pd(n.cosine.data() + j), _mm512_sqrt_pd(s));
        const __m512d t = _mm512_mul_pd(_mm512_loadu_pd(w + j), f);
        _mm512_store_pd(terms + j, t);
        const __m512d x = _mm512_mul_pd(t, perValue);
        const __m512d r = _mm512_sub_pd(_mm512_add_pd(x, magic), magic);
        sums[(j / NodeBlock) % 2] = _mm512_add_pd(sums[(j / NodeBlock) % 2], r);
        const __m512d offset = _mm512_sub_pd(x, r);
        ties |= _mm512_cmp_pd_mask(offset, half, _CMP_EQ_OQ) | _mm512_cmp_pd_mask(offset, minusHalf, _CMP_EQ_OQ);
    }
    if (units.usable && ties == 0) {
        alignas(64) double lanes[2 * NodeBlock];
        _mm512_store_pd(lanes, sums[0]);
        _mm512_store_pd(lanes + NodeBlock, sums[1]);
        double sum = units.count;
        for (const double lane : lanes) sum += lane;
        if (sum < binade::TwoTo53) return sum * units.value;
    }
    return binade::AddSerially(total, terms, PaddedNodes);
}
#endif

}  // namespace

RowAdder RowKernel(QuadraturePath path) {
    switch (path) {
    case QuadraturePath::Baseline: return AddRowBaseline;
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
