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
// Sqrt is the correctly rounded square root; a negative operand raises error 5.
// Cos is the platform's cosine; for a finite operand it cannot fail.

#include <cmath>

#include "runtime/runtime_error.h"

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

inline double Cos(double x) { return std::cos(x); }

inline double Sqrt(double x) {
    if (x < 0.0) RaiseRuntimeError(ErrorKind::InvalidOperation);
    return std::sqrt(x);
}

}  // namespace ombrix
