// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/commands.h"

#include <optional>
#include <string>

#include "compute/compute_command.h"
#include "compute/exact_area.h"
#include "runtime/float_environment.h"
#include "runtime/number_text.h"
#include "runtime/program_end.h"
#include "window/error_report.h"
#include "window/form1_view.h"
#include "window/result_note.h"

namespace ombrix {

void ClickCommand(Form1View& view, int k) {
    if (k == 4) {
        view.Exit();
        return;
    }
    ReportingErrors(view, [&view, k] {
        if (k == 5) {
            Command5Click(view);
        } else {
            ClearRow(view, k);
        }
    });
}

void ClearRow(Form1View& view, int k) {
    if (k < 1 || k > 3) return;
    view.SetText(static_cast<Box>(k - 1), ClearText);
    view.SetText(Box::Text4, ClearText);
}

void Command5Click(Form1View& view) {
    const ClassicFloatEnvironment environment;
    const std::optional<SemiAxes> axes =
        ReadSemiAxes(view.Text(Box::Text1), view.Text(Box::Text2), view.Text(Box::Text3));
    if (!axes) {
        view.SetText(Box::Text4, InputErrorText);
        return;
    }
    const double area = SurfaceArea(*axes);
    const std::string note = ResultNote(area, ExactSurfaceArea(axes->a, axes->b, axes->c));
    view.SetText(Box::Text4, NumberText(area));
    view.SetResultNote(note);
}

void ExitProgram() { EndProgram(); }

}  // namespace ombrix
