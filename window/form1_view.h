// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace ombrix {

struct ErrorReport;

enum class Box { Text1, Text2, Text3, Text4 };

// What Form1's behaviour asks of the window that shows it, whatever its
// toolkit: the texts of the four boxes (UTF-8), the note beside the result,
// the modal error report and the end of the program. Each front end (Qt,
// Win32) binds its controls to it. Any change of Text4's text takes its note
// away; the compute command sets the text first, then the note.
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
    // Shows the report as a modal box over the window; returns when it is closed.
    virtual void ShowErrorReport(const ErrorReport& report) = 0;
    // What the exit button does: ExitProgram, unless a test observes it.
    virtual void Exit() = 0;
};

}  // namespace ombrix
