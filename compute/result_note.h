// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ombrix {

// What the result box tells beside the classic area, as its tooltip and its
// accessible description: the exact area and how far the classic rule is from
// it, on two lines (UTF-8). Empty where the exact area is not a positive
// double.
std::string ResultNote(double area, double exactArea);

}  // namespace ombrix
