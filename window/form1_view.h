// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace ombrix {

struct ErrorReport;

enum class Box { Text1, Text2, Text3, Text4 };

// What Form1's behaviour asks of the window that shows it, whatever its
// toolkit: the texts of the four boxes (UTF-8), the note beside the result,
// the modal error report and the end of the program. Each front end binds its
// controls to it and does nothing more: the behaviour (window/commands.h)
// sets Text4's note after every change it makes to Text4, and takes it away
// when the user edits the box (BoxEdited).
class Form1View {
public:
    virtual ~Form1View() = default;
    Form1View() = default;
    Form1View(const Form1View&) = delete;
    Form1View& operator=(const Form1View&) = delete;

    [[nodiscard]] virtual std::string Text(Box box) const = 0;
    virtual void SetText(Box box, std::string_view text) = 0;
    // Text4's tooltip and accessible description; empty for none.
    virtual void SetResultNote(std::string_view note) = 0;
    // Tells a screen reader the text that a compute has just shown in Text4,
    // as the platform lets a program speak without moving the focus.
    virtual void AnnounceResult(std::string_view text) = 0;
    // Shows the report as a modal box over the window. Where the platform
    // can wait, it returns when the report is closed; the web page's returns
    // at once, and the page keeps the window inert until it is closed.
    virtual void ShowErrorReport(const ErrorReport& report) = 0;
    // What the exit button does: ExitProgram. A front end whose platform
    // cannot end the program at once does what comes nearest.
    virtual void Exit();
};

}  // namespace ombrix
