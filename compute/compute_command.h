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

// What a compute leaves in the result box Text4: the area's text form or
// InputErrorText, and the note beside it (ResultNote), empty with the input
// error; with the area and the exact area that they give, 0 with the error.
struct ComputeResult {
    std::string text;
    std::string note;
    double area = 0.0;
    double exactArea = 0.0;
};

// The compute command as the window runs it: reads the semi-axes from the
// three box texts, computes the area and the exact area, and gives what Text4
// shows. Raises RuntimeError as ReadSemiAxes and SurfaceArea do, before any
// of it is given. Keeps no state between calls.
ComputeResult Compute(std::string_view text1, std::string_view text2, std::string_view text3);

// The text part of Compute: the area as text, or InputErrorText.
std::string RunComputeCommand(std::string_view text1, std::string_view text2, std::string_view text3);

}  // namespace ombrix
