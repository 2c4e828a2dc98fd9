// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/float_environment.h"

#include "runtime/float_control.h"

namespace ombrix {

ClassicFloatEnvironment::ClassicFloatEnvironment() {
    (void)std::fegetenv(&saved_);
    savedControl_ = FloatControl();
    // The default environment rounds to nearest, the x87 unit too where there
    // is one (long double code rounds by it), and masks every trap, so that an
    // overflow gives the infinity that the checked arithmetic reports.
    (void)std::fesetenv(FE_DFL_ENV);
    SetFloatControl(FloatControl() & ~(FlushToZeroBits | RoundingBits));
}

ClassicFloatEnvironment::~ClassicFloatEnvironment() {
    // What was set before comes back, and the exception flags that the work
    // raised stay raised beside those raised before, as after any code.
    const int raised = std::fetestexcept(FE_ALL_EXCEPT);
    std::fexcept_t flags{};
    (void)std::fegetexceptflag(&flags, raised);
    (void)std::fesetenv(&saved_);
    SetFloatControl(savedControl_);
    (void)std::fesetexceptflag(&flags, raised);
}

}  // namespace ombrix
