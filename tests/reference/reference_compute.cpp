// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/reference/reference_compute.h"

#include <cmath>

#include "runtime/number_text.h"
#include "runtime/runtime_error.h"
#include "runtime/val.h"
#include "tests/reference/reference_quadrature.h"

namespace ombrix {

std::string ReferenceResultText(std::string_view text1, std::string_view text2, std::string_view text3) {
    const double a = Val(text1);
    const double b = Val(text2);
    const double c = Val(text3);
    if (a <= 0.0 || b <= 0.0 || c < 0.0) return "输入错误 ";
    if (c != 0.0) return NumberText(ReferenceQuadrature(a, b, c));
    const double twoPiA = 6.28318530717958 * a;
    const double area = twoPiA * b;
    if (!std::isfinite(twoPiA) || !std::isfinite(area)) RaiseRuntimeError(ErrorKind::Overflow);
    return NumberText(area);
}

}  // namespace ombrix
