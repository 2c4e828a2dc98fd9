// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/runtime_error.h"

namespace ombrix {

// What the result box shows for semi-axes that are not a > 0, b > 0, c >= 0.
// The trailing blank belongs to the text.
inline constexpr std::string_view InputErrorText = "输入错误 ";

// The semi-axes of the ellipsoid x^2/a^2 + y^2/b^2 + z^2/c^2 = 1.
struct SemiAxes {
    double a;
    double b;
    double c;
};

// Reads a, b and c from the three box texts (UTF-8) with Val, in that order,
// and returns them when a > 0, b > 0 and c >= 0, otherwise nothing. A text
// beyond the double range raises RuntimeError (overflow).
std::optional<SemiAxes> ReadSemiAxes(std::string_view text1, std::string_view text2, std::string_view text3);

// The surface area for valid semi-axes. For c = 0 the ellipsoid is a flat
// ellipse and the area is counted on both faces, (TwoPiLiteral * a) * b;
// otherwise it is SurfaceQuadrature(a, b, c). Raises RuntimeError when a step
// overflows or divides by zero.
double SurfaceArea(const SemiAxes& axes);

// The compute command: the surface area of the semi-axes read from the three
// box texts, as text, or InputErrorText. Raises RuntimeError as ReadSemiAxes
// and SurfaceArea do. Keeps no state between calls.
std::string RunComputeCommand(std::string_view text1, std::string_view text2, std::string_view text3);

}  // namespace ombrix
