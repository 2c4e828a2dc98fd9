// SPDX-License-Identifier: GPL-3.0-or-later
// How far the classic rule is from the exact area, for shapes from the sphere
// to the needle and the disc: a Markdown table of the program's own numbers,
// as the README shows it (scripts/accuracy.sh).
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "compute/compute_command.h"
#include "compute/exact_area.h"
#include "runtime/number_text.h"

int main() {
    struct Shape {
        const char* kind;
        const char *a, *b, *c;
    };
    const Shape shapes[] = {
        {"sphere", "1", "1", "1"},    {"prolate spheroid", "2", "1", "1"}, {"prolate spheroid", "10", "3", "3"},
        {"needle", "1000", "1", "1"}, {"oblate spheroid", "2", "2", "1"},  {"oblate spheroid", "7", "7", "0.5"},
        {"triaxial", "3", "2", "1"},  {"triaxial", "5", "4", "3"},         {"triaxial", "2", "1.5", "0.2"},
        {"disc", "1", "1", "0.1"},    {"disc", "1", "1", "0.01"},          {"disc", "1", "1", "0.001"},
        {"disc", "1", "1", "1e-6"},   {"flat ellipse", "1", "1", "0"},
    };
    std::printf("| shape | a, b, c | Ombrix | exact (elliptic integral) | relative error |\n");
    std::printf("| --- | --- | ---: | ---: | ---: |\n");
    for (const Shape& s : shapes) {
        const std::optional<ombrix::SemiAxes> axes = ombrix::ReadSemiAxes(s.a, s.b, s.c);
        if (!axes) return 1;
        const double area = ombrix::SurfaceArea(*axes);
        const double exact = ombrix::ExactSurfaceArea(axes->a, axes->b, axes->c);
        std::printf("| %s | %s, %s, %s | %s | %s | %.1e |\n", s.kind, s.a, s.b, s.c, ombrix::NumberText(area).c_str(),
                    ombrix::NumberText(exact).c_str(), std::abs(area - exact) / exact);
    }
    return 0;
}
