#pragma once

#include <string>
#include <string_view>

#include "runtime/runtime_error.h"

namespace ombrix {

// What the result box shows for semi-axes that are not a > 0, b > 0, c >= 0.
// The trailing blank belongs to the text.
inline constexpr std::string_view InputErrorText = "输入错误 ";

// The compute command: reads the semi-axes a, b and c from the three box texts
// (UTF-8) with Val, in that order, and returns the surface area as text, or
// InputErrorText. For c = 0 the ellipsoid is a flat ellipse and the area is
// counted on both faces, 2 pi a b. Raises RuntimeError when a step overflows
// or divides by zero. Keeps no state between calls.
std::string RunComputeCommand(std::string_view text1, std::string_view text2, std::string_view text3);

}  // namespace ombrix
