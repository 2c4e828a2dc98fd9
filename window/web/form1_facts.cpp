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

namespace {

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

int main() {
    using namespace ombrix;
    std::string families;
    for (const std::string_view family : Form1FontFamilies) families += Quoted(family) + ", ";
    std::printf("{\"caption\": %s, \"reportTitle\": %s, \"reportButton\": %s, \"font\": %s}\n",
                Quoted(Form1Caption).c_str(), Quoted(ErrorReportTitle).c_str(), Quoted(ErrorReportButton).c_str(),
                Quoted(std::to_string(Form1FontPoints) + "pt " + families + "sans-serif").c_str());
    return 0;
}
