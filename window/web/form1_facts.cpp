// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the page's files (page.html.in, manifest.json.in, ombrix.css)
// take from Form1's table, as JSON, for make_site.py: run with node at build
// time, so that the page written before the program starts shows the window
// that the program will run.
#include <cstdio>
#include <string>
#include <string_view>

#include "window/error_report.h"
#include "window/form1_layout.h"
#include "window/web/control_object.h"
#include "window/web/json_text.h"

int main() {
    using namespace ombrix;
    std::string families;
    for (const std::string_view family : Form1FontFamilies) families += JsonString(family) + ", ";
    std::string controls;
    for (std::size_t k = 0; k < Form1Controls.size(); ++k) controls += (k == 0 ? "" : ",") + ControlObject(k);
    const std::string facts = JsonObject({
        {"caption", JsonString(Form1Caption)},
        {"reportTitle", JsonString(ErrorReportTitle)},
        {"reportButton", JsonString(ErrorReportButton)},
        {"font", JsonString(std::to_string(Form1FontPoints) + "pt " + families + "sans-serif")},
        {"clientWidth", std::to_string(TwipsToPixels(Form1ClientWidth))},
        {"clientHeight", std::to_string(TwipsToPixels(Form1ClientHeight))},
        {"startFocus", JsonString(Form1Controls[PlaceOf(StartFocus)].name)},
        {"controls", "[" + controls + "]"},
    });
    std::puts(facts.c_str());
    return 0;
}
