// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Double arithmetic that raises instead of giving an infinity or a NaN.
//
// Add, Subtract, Multiply, Divide and Square are each one IEEE 754 double
// operation, rounded once, followed by a check of its result. Operands are
// always finite (every earlier step was checked), so a result that is not
// finite means the step itself overflowed, divided by zero or was invalid:
//   overflow                       -> RuntimeError, error 6
//   a nonzero number divided by 0  -> error 11
//   0 / 0                          -> error 6, as the classic runtime reports it

#include <cfloat>
#include <cmath>

#include "runtime/runtime_error.h"

static_assert(FLT_EVAL_METHOD == 0,
              "Ombrix's results depend on every double operation being rounded to a double, but this target "
              "evaluates doubles in extended precision (the x87 unit of 32-bit x86). Build with SSE2 arithmetic: "
              "-msse2 -mfpmath=sse, which Ombrix's CMake settings add for 32-bit x86 targets.");

namespace ombrix {

// Raises overflow unless `result` is finite; returns it otherwise.
inline double CheckedResult(double result) {
    if (!std::isfinite(result)) RaiseRuntimeError(ErrorKind::Overflow);
    return result;
}

inline double Add(double x, double y) { return CheckedResult(x + y); }
inline double Subtract(double x, double y) { return CheckedResult(x - y); }
inline double Multiply(double x, double y) { return CheckedResult(x * y); }

inline double Divide(double x, double y) {
    if (y == 0.0 && x != 0.0) RaiseRuntimeError(ErrorKind::DivisionByZero);
    return CheckedResult(x / y);
}

// x raised to the power 2. Ombrix takes every square from this one function:
// the correctly rounded product x * x, which is the value pow(x, 2.0) has.
inline double Square(double x) { return CheckedResult(x * x); }

}  // namespace ombrix
