// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The processor's floating-point control registers, which fenv.h does not
// fully reach everywhere (mingw-w64's fesetenv leaves the SSE unit's
// rounding, flushing and trap masks as they are): on x86 MXCSR in the low 32
// bits and the x87 control word above them, FPCR on aarch64, and 0
// elsewhere. Internal to the runtime (ClassicFloatEnvironment) and to the
// tests that set a hostile environment.

#include <cstdint>

namespace ombrix {

std::uint64_t FloatControl();
void SetFloatControl(std::uint64_t value);
// The bits that flush subnormals to zero, and those of the rounding mode.
extern const std::uint64_t FlushToZeroBits;
extern const std::uint64_t RoundingBits;

// `control` as Ombrix computes with it: rounding to nearest, subnormals
// kept, and no trap on any floating-point exception, so that an overflow
// gives the infinity that the checked arithmetic reports.
std::uint64_t ClassicFloatControl(std::uint64_t control);
// `control` with the traps on invalid operation, division by zero and
// overflow enabled, as a printer driver, an input method or a hook may leave
// them in a process; unchanged where the processor has no such traps.
std::uint64_t WithErrorTraps(std::uint64_t control);

}  // namespace ombrix
