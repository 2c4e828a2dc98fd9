// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace ombrix {

// What the result box must show for three box texts, worked out apart from
// the compute command: Val, the validity test, the flat case with its own
// checked steps, or ReferenceQuadrature; then the text form. Raises
// RuntimeError where the compute must. The oracle for the windows' tests.
std::string ReferenceResultText(std::string_view text1, std::string_view text2, std::string_view text3);

}  // namespace ombrix
