// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cfenv>
#include <cstdint>

namespace ombrix {

// Ombrix's results are the bits of IEEE 754 doubles rounded to nearest, with
// subnormal numbers kept as they are. A process may have set otherwise: a
// library built with fast-math flushes subnormals to zero (FTZ) and treats
// them as zero on input (DAZ), and any code may change the rounding mode.
// Another library may also have enabled the traps on overflow, division by
// zero or invalid operations (printer drivers, input methods and hooks are
// known to), which would end the process where Ombrix reports the error.
// While a ClassicFloatEnvironment lives, the thread rounds to nearest, keeps
// subnormals and traps nothing; when it ends, the caller's environment comes
// back as it was, its exception flags too, also when an exception leaves the
// scope.
class ClassicFloatEnvironment {
public:
    ClassicFloatEnvironment();
    ~ClassicFloatEnvironment();
    ClassicFloatEnvironment(const ClassicFloatEnvironment&) = delete;
    ClassicFloatEnvironment& operator=(const ClassicFloatEnvironment&) = delete;

private:
    std::fenv_t saved_{};
    std::uint64_t savedControl_ = 0;
};

}  // namespace ombrix
