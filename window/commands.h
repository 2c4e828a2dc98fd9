// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "window/form1_layout.h"

namespace ombrix {

class Form1View;

// What a clear leaves in a box: one blank, which Val reads as 0.
inline constexpr std::string_view ClearText = " ";

// What a click on a button does, whatever the toolkit: Command1 to Command3
// clear their row, Command4 ends the program, Command5 computes. Whatever the
// work throws is shown as the error report, and the window goes on with the
// boxes as the work left them.
void ClickCommand(Form1View& view, Command command);

// Clears the input box of row k (1, 2 or 3), then the result box Text4.
void ClearRow(Form1View& view, int k);

// Shows in Text4 what Compute gives for the texts of Text1, Text2 and Text3,
// with its note, and has it announced. Everything that may throw comes before
// the box is set.
void Command5Click(Form1View& view);

// What a front end reports when the user has changed a box's text (typing, a
// paste, an undo): Text4's note no longer speaks of what the box holds.
void BoxEdited(Form1View& view, Box box);

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
