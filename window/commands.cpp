// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/commands.h"

#include "compute/compute_command.h"
#include "runtime/program_end.h"
#include "window/error_report.h"
#include "window/form1_view.h"

namespace ombrix {
namespace {

// Every change the behaviour makes to Text4 sets the note that goes with it.
void ShowResult(Form1View& view, std::string_view text, std::string_view note) {
    view.SetText(Box::Text4, text);
    view.SetResultNote(note);
}

}  // namespace

void ClickCommand(Form1View& view, Command command) {
    if (command == Command::Exit) {
        view.Exit();
        return;
    }
    ReportingErrors(view, [&view, command] {
        switch (command) {
        case Command::ClearRow1: ClearRow(view, 1); break;
        case Command::ClearRow2: ClearRow(view, 2); break;
        case Command::ClearRow3: ClearRow(view, 3); break;
        case Command::Compute: Command5Click(view); break;
        case Command::Exit: break;
        }
    });
}

void ClearRow(Form1View& view, int k) {
    if (k < 1 || k > 3) return;
    view.SetText(static_cast<Box>(k - 1), ClearText);
    ShowResult(view, ClearText, {});
}

void Command5Click(Form1View& view) {
    const ComputeResult result = Compute(view.Text(Box::Text1), view.Text(Box::Text2), view.Text(Box::Text3));
    ShowResult(view, result.text, result.note);
    view.AnnounceResult(result.text);
}

void BoxEdited(Form1View& view, Box box) {
    if (box == Box::Text4) view.SetResultNote({});
}

void ExitProgram() { EndProgram(); }

}  // namespace ombrix
