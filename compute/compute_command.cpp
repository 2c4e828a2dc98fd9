// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/compute_command.h"

#include "compute/exact_area.h"
#include "compute/literals.h"
#include "compute/result_note.h"
#include "compute/surface_quadrature.h"
#include "runtime/checked_math.h"
#include "runtime/float_environment.h"
#include "runtime/number_text.h"
#include "runtime/val.h"

namespace ombrix {

std::optional<SemiAxes> ReadSemiAxes(std::string_view text1, std::string_view text2, std::string_view text3) {
    const ClassicFloatEnvironment environment;
    const double a = Val(text1);
    const double b = Val(text2);
    const double c = Val(text3);
    if (a <= 0.0 || b <= 0.0 || c < 0.0) return std::nullopt;
    return SemiAxes{a, b, c};
}

double SurfaceArea(const SemiAxes& axes) {
    const ClassicFloatEnvironment environment;
    if (axes.c == 0.0) return Multiply(Multiply(TwoPiLiteral, axes.a), axes.b);
    return SurfaceQuadrature(axes.a, axes.b, axes.c);
}

ComputeResult Compute(std::string_view text1, std::string_view text2, std::string_view text3) {
    const ClassicFloatEnvironment environment;
    const std::optional<SemiAxes> axes = ReadSemiAxes(text1, text2, text3);
    if (!axes) return {std::string(InputErrorText), {}};
    const double area = SurfaceArea(*axes);
    const double exactArea = ExactSurfaceArea(axes->a, axes->b, axes->c);
    return {NumberText(area), ResultNote(area, exactArea), area, exactArea};
}

std::string RunComputeCommand(std::string_view text1, std::string_view text2, std::string_view text3) {
    return Compute(text1, text2, text3).text;
}

}  // namespace ombrix
