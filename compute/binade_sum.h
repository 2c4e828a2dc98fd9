// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Adding non-negative terms into a running total, one after another, gives
// the same double as adding the integers below, which need no chain.
//
// Let the total T lie in the binade [2^e, 2^(e+1)), whose doubles are the
// multiples of u = 2^(e-52): T = n u with n an integer, 2^52 <= n < 2^53.
// While the exact sum stays in the binade, fl(T + t) = u * RNE(n + t/u), and
// t/u is exact (a scaling by a power of two). With x = t/u, RNE(n + x) is
// n + RNE(x) for every x but the halves: a tie goes to the even result,
// which depends on n. So if no term of a block is a tie, and the rounded
// terms r = RNE(x) sum to n_end = n + sum(r) < 2^53, the serial additions end
// at n_end u. The r are integers below 2^52, so their sum is exact in any
// order, in vector registers. A block that fails a check (a tie, a binade
// crossing, a total of zero or below the normal range, a term too large) is
// added the plain way, one term after another. The row kernel that does this
// is in quadrature_rows.cpp. Internal to the compute library.

#include <cmath>
#include <cstdint>

#include "runtime/bit_cast.h"

namespace ombrix::binade {

inline constexpr double TwoTo52 = 0x1p52;
inline constexpr double TwoTo53 = 0x1p53;

// The running total in units of its last place.
struct Units {
    double perValue = 0.0;  // 1/u, a power of two
    double value = 0.0;     // u
    double count = 0.0;     // n = T/u
    bool usable = false;    // T is normal and 1/u is a double
};

inline Units UnitsOf(double total) {
    // total = f 2^e with f in [1, 2): u = 2^(e - 52). Both u and 1/u are
    // normal doubles, built from their exponents, while e >= -970.
    const auto bits = BitCast<std::uint64_t>(total);
    const int e = static_cast<int>(bits >> 52) - 1023;  // total > 0: no sign bit
    if (!(total > 0.0) || !std::isnormal(total) || e < -970) return {};
    const auto perValue = BitCast<double>(static_cast<std::uint64_t>(1023 + 52 - e) << 52);
    const auto value = BitCast<double>(static_cast<std::uint64_t>(1023 - 52 + e) << 52);
    return {perValue, value, total * perValue, true};
}

// Adds terms[0], terms[1], ... into total one at a time: the plain way.
inline double AddSerially(double total, const double* terms, int count) {
    for (int k = 0; k < count; ++k) total = terms[k] + total;
    return total;
}

}  // namespace ombrix::binade
