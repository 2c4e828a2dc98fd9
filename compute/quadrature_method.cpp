// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/quadrature_method.h"

#include "compute/literals.h"
#include "compute/node_cosines.h"
#include "runtime/checked_math.h"

namespace ombrix {

double SimpsonScaled(double total) {
    return Divide(Multiply(total, Square(PiLiteral)), Square(6.0 * QuadratureIntervals));
}

static_assert(NodeCosines.size() == QuadratureNodes);

// The cosines come from a table of correctly rounded values rather than from
// the platform's cosine, which differs between libraries in the last bits.
const NodeTable& Nodes() {
    static const NodeTable table = [] {
        NodeTable t{};  // the padding: weight 0, cosine 0
        for (int j = 0; j < QuadratureNodes; ++j) {
            const auto k = static_cast<std::size_t>(j);
            t.cosine[k] = NodeCosines[k];
            t.cosineSquared[k] = Square(t.cosine[k]);
            for (const double rowWeight : {1.0, 2.0, 4.0})
                t.weightProducts[static_cast<std::size_t>(rowWeight) / 2][k] = rowWeight * SimpsonWeight(j);
        }
        return t;
    }();
    return table;
}

}  // namespace ombrix
