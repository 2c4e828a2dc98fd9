#include "compute/compute_command.h"

#include "compute/literals.h"
#include "compute/surface_quadrature.h"
#include "runtime/checked_math.h"
#include "runtime/number_text.h"
#include "runtime/val.h"

namespace ombrix {

std::string RunComputeCommand(std::string_view text1, std::string_view text2, std::string_view text3) {
    const double a = Val(text1);
    const double b = Val(text2);
    const double c = Val(text3);
    // All three checks are made; any one rejects.
    const bool invalid = (a <= 0.0) | (b <= 0.0) | (c < 0.0);
    if (invalid) return std::string(InputErrorText);

    const double area = c == 0.0 ? Multiply(Multiply(TwoPiLiteral, a), b) : SurfaceQuadrature(a, b, c);
    return NumberText(area);
}

}  // namespace ombrix
