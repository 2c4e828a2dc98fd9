// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ombrix {

// Takes 1,002,001 correctly rounded square roots, as many as the quadrature
// has terms, at the widest vector width this processor has, and returns a
// value that depends on all of them. The bound that no faster quadrature can
// pass on one core.
double SqrtBound();

// The width it runs at: "avx512", "avx2" or "baseline".
const char* SqrtBoundWidth();

}  // namespace ombrix
