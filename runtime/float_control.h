// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The processor's floating-point control register, which fenv.h does not
// fully reach everywhere (mingw-w64's fesetenv leaves the SSE unit's
// rounding and flushing as they are): MXCSR on x86, FPCR on aarch64, and 0
// elsewhere. Internal to the runtime (ClassicFloatEnvironment) and to the
// tests that set a hostile environment.

#include <cstdint>

namespace ombrix {

std::uint64_t FloatControl();
void SetFloatControl(std::uint64_t value);
// The bits that flush subnormals to zero, and those of the rounding mode.
extern const std::uint64_t FlushToZeroBits;
extern const std::uint64_t RoundingBits;

}  // namespace ombrix
