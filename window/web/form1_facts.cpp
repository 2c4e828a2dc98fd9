// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the page's files (page.html.in, manifest.json.in, ombrix.css)
// take from Form1's table, as JSON, for make_site.py: run with node at build
// time, so that the page written before the program starts says what the
// program will.
#include <cstdio>
#include <string>
#include <string_view>

#include "window/error_report.h"
#include "window/form1_layout.h"
#include "window/web/json_text.h"

int main() {
    using namespace ombrix;
    std::string families;
    for (const std::string_view family : Form1FontFamilies) families += JsonString(family) + ", ";
    std::printf("{\"caption\": %s, \"reportTitle\": %s, \"reportButton\": %s, \"font\": %s}\n",
                JsonString(Form1Caption).c_str(), JsonString(ErrorReportTitle).c_str(),
                JsonString(ErrorReportButton).c_str(),
                JsonString(std::to_string(Form1FontPoints) + "pt " + families + "sans-serif").c_str());
    return 0;
}
