// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ombrix {

// The default text form of a double: at most 15 significant digits, rounded
// to nearest, without trailing zeros or a trailing point. Plain decimals for
// 1e-4 <= |x| < 1e15 after rounding; otherwise one digit, the point, the other
// digits and an exponent of at least two digits ("1E+15", "1.5E-07"). Zero of
// either sign is "0". The point is always '.', whatever the locale, so the text
// reads back through Val. `x` must be finite.
std::string NumberText(double x);

// x in the scientific form with `decimals` digits after the point, the
// exponent as in NumberText ("2.3E-13"). `x` must be finite.
std::string ScientificText(double x, int decimals);

}  // namespace ombrix
