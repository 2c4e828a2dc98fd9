// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "runtime/bit_cast.h"

namespace ombrix {

// Ombrix computes with the fifteen-digit decimal literals for pi and 2 pi, not
// with the doubles nearest to them (0x400921FB54442D18, 0x401921FB54442D18).
// The last digits of every result depend on it.
inline constexpr double PiLiteral = 3.14159265358979;
inline constexpr double TwoPiLiteral = 6.28318530717958;

static_assert(BitCast<std::uint64_t>(PiLiteral) == 0x400921FB54442D11U);
static_assert(BitCast<std::uint64_t>(TwoPiLiteral) == 0x401921FB54442D11U);

}  // namespace ombrix
