// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The quadrature's constants and nodes, derived from its one parameter, the
// number of intervals. Internal to the compute library.

#include <array>

namespace ombrix {

// Simpson intervals in each of the two angles; both run over [0, pi/2].
inline constexpr int QuadratureIntervals = 1000;
inline constexpr int QuadratureNodes = QuadratureIntervals + 1;

// Simpson's weight of node k: 1 at both ends, otherwise 4 for odd and 2 for
// even k.
constexpr double SimpsonWeight(int k) {
    if (k == 0 || k == QuadratureIntervals) return 1.0;
    return k % 2 != 0 ? 4.0 : 2.0;
}

static_assert(QuadratureIntervals % 2 == 0, "Simpson's rule needs an even number of intervals");
static_assert(SimpsonWeight(1) == 4.0 && SimpsonWeight(2) == 2.0 && SimpsonWeight(QuadratureIntervals - 1) == 4.0);

// The weighted sum of the terms times Simpson's factor for both angles,
// (h/3)^2, formed as (total * PiLiteral^2) / (6 * QuadratureIntervals)^2.
double SimpsonScaled(double total);

// Doubles in the widest vector register the row kernels use (AVX-512).
inline constexpr int NodeBlock = 8;
inline constexpr int PaddedNodes = (QuadratureNodes + NodeBlock - 1) / NodeBlock * NodeBlock;
static_assert(PaddedNodes > 0 && PaddedNodes % NodeBlock == 0);

// The values of node j, the same for the angle of a row and of a column. The
// table runs on to a whole number of blocks with nodes of weight 0 and cosine
// 0, whose terms are exactly +0.0 and leave the total as it is.
struct NodeTable {
    alignas(64) std::array<double, PaddedNodes> cosine;         // cos(j h), correctly rounded
    alignas(64) std::array<double, PaddedNodes> cosineSquared;  // cos(j h)^2
    // w SimpsonWeight(j) for the three row weights w = 1, 2 and 4, at index
    // w / 2: powers of two, so (w_i w_j) f is exactly w_j (w_i f), the
    // method's term.
    alignas(64) std::array<std::array<double, PaddedNodes>, 3> weightProducts;

    // The weight products of row i.
    [[nodiscard]] const double* RowWeights(int i) const {
        return weightProducts[static_cast<std::size_t>(SimpsonWeight(i)) / 2].data();
    }
};

const NodeTable& Nodes();

}  // namespace ombrix
