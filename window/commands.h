// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace ombrix {

class Form1;

// What a clear leaves in a box: one blank, which Val reads as 0.
inline constexpr std::string_view ClearText = " ";

// Clears the input box of row k (1, 2 or 3), then the result box Text4.
void ClearRow(Form1& form, int k);

// Ends the program at once; nothing is asked and nothing is saved.
[[noreturn]] void ExitProgram();

}  // namespace ombrix
