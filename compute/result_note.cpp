// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/result_note.h"

#include <cmath>
#include <string>

#include "runtime/number_text.h"

namespace ombrix {
namespace {

// Two significant digits, as an error is read: "2.3E-13", or "0".
std::string ErrorText(double relative) { return relative == 0.0 ? "0" : ScientificText(relative, 1); }

}  // namespace

std::string ResultNote(double area, double exactArea) {
    if (!std::isfinite(exactArea) || exactArea <= 0.0) return {};
    const double relative = std::abs(area - exactArea) / exactArea;
    return "精确值（椭圆积分）：" + NumberText(exactArea) + "\n本算法相对误差：" + ErrorText(relative);
}

}  // namespace ombrix
