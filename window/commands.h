// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace ombrix {

class Form1View;

// What a clear leaves in a box: one blank, which Val reads as 0.
inline constexpr std::string_view ClearText = " ";

// What a click on Command k (1 to 5) does, whatever the toolkit: Command1 to
// Command3 clear their row, Command4 ends the program, Command5 computes.
// Whatever the work throws is shown as the error report, and the window goes
// on with the boxes as the work left them.
void ClickCommand(Form1View& view, int k);

// Clears the input box of row k (1, 2 or 3), then the result box Text4.
void ClearRow(Form1View& view, int k);

// Reads the three semi-axes, shows the area (or the input error text) in
// Text4, then the note with the exact area. Everything that may throw comes
// before the box is set.
void Command5Click(Form1View& view);

// Ends the program at once; nothing is asked and nothing is saved.
[[noreturn]] void ExitProgram();

// Of a text pasted, dropped or committed into a box, what the box keeps: the
// text before its first line end.
template <typename Char>
constexpr std::basic_string_view<Char> FirstLine(std::basic_string_view<Char> text) {
    const Char lineEnds[] = {Char('\r'), Char('\n')};
    return text.substr(0, text.find_first_of(lineEnds, 0, 2));
}

}  // namespace ombrix
