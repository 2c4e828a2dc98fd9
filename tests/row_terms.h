// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Any sequence of terms, added through a real row kernel: a row of m = 0 and
// weight 1 whose node cosines are the terms makes each term 1 * (t * sqrt(1)),
// which is t itself. The kernel adds the table's PaddedNodes terms, the given
// ones followed by zeros, which leave a non-negative total as it is.

#include <algorithm>
#include <memory>
#include <span>

#include "compute/binade_sum.h"
#include "compute/quadrature_rows.h"

namespace ombrix::testing_rows {

class TermRow {
public:
    // At most PaddedNodes terms, each non-negative and finite.
    explicit TermRow(std::span<const double> terms) : nodes_(std::make_unique<NodeTable>()) {
        const std::size_t count = std::min(terms.size(), nodes_->cosine.size());
        std::copy_n(terms.begin(), count, nodes_->cosine.begin());
        ones_.fill(1.0);
    }

    [[nodiscard]] double AddThrough(rows::RowAdder kernel, double total) const {
        return kernel(total, 0.0, ones_.data(), *nodes_);
    }
    [[nodiscard]] double AddSerially(double total) const {
        return binade::AddSerially(total, nodes_->cosine.data(), PaddedNodes);
    }

private:
    std::unique_ptr<NodeTable> nodes_;  // value-initialised: cosines and their squares 0
    alignas(64) std::array<double, PaddedNodes> ones_{};
};

}  // namespace ombrix::testing_rows
