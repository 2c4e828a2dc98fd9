// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/float_environment.h"

#include "runtime/float_control.h"

namespace ombrix {

ClassicFloatEnvironment::ClassicFloatEnvironment() {
    (void)std::fegetenv(&saved_);
    savedControl_ = FloatControl();
    // The default environment rounds to nearest, the x87 unit too where there
    // is one (long double code rounds by it), and clears the flags; the
    // control registers are set apart, since not every C library's default
    // reaches them.
    (void)std::fesetenv(FE_DFL_ENV);
    SetFloatControl(ClassicFloatControl(FloatControl()));
}

ClassicFloatEnvironment::~ClassicFloatEnvironment() {
    // The flags that the work raised are not the caller's: raised where the
    // caller traps, they would end the process at its next x87 instruction.
    (void)std::fesetenv(&saved_);
    SetFloatControl(savedControl_);
}

}  // namespace ombrix
