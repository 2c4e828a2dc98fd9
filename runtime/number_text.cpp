// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "runtime/float_environment.h"

namespace ombrix {

std::string NumberText(double x) {
    const ClassicFloatEnvironment environment;  // a subnormal is not zero
    if (x == 0.0) return "0";
    // The general form with 15 significant digits is the classic one, but for
    // the exponent letter, which the classic runtime writes in capitals.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

}  // namespace ombrix
