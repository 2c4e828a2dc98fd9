// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a process may have set before Ombrix computes: flushing subnormals to
// zero (FTZ, and DAZ on x86), rounding upward, and the traps on invalid
// operations, division by zero and overflow enabled. Set() sets it for the
// calling thread; the destructor restores what was there.

#include <cfenv>
#include <cstdint>

#include "runtime/float_control.h"

namespace ombrix::test {

class HostileFloatEnvironment {
public:
    HostileFloatEnvironment() : control_(FloatControl()) { (void)std::fegetenv(&saved_); }
    ~HostileFloatEnvironment() {
        (void)std::fesetenv(&saved_);
        SetFloatControl(control_);
    }
    HostileFloatEnvironment(const HostileFloatEnvironment&) = delete;
    HostileFloatEnvironment& operator=(const HostileFloatEnvironment&) = delete;

    // False where this build cannot flush subnormals to zero.
    [[nodiscard]] bool Set() const {
        if (FlushToZeroBits == 0 || std::fesetround(FE_UPWARD) != 0) return false;
        SetFloatControl(WithErrorTraps(FloatControl() | FlushToZeroBits));
        return StillSet();
    }

    // The traps alone, where nothing else of the environment changes.
    static void SetErrorTraps() { SetFloatControl(WithErrorTraps(FloatControl())); }

    [[nodiscard]] static bool StillSet() {
        const std::uint64_t control = FloatControl();
        return std::fegetround() == FE_UPWARD && (control & FlushToZeroBits) == FlushToZeroBits &&
               WithErrorTraps(control) == control;
    }

private:
    std::fenv_t saved_{};
    std::uint64_t control_;
};

}  // namespace ombrix::test
