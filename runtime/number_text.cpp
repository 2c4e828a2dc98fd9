// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cstdio>
#include <cstring>

#include "runtime/float_environment.h"

namespace ombrix {
namespace {

// x with `precision` digits in the general or the scientific form, as C's
// printf writes it in the C locale, with the exponent letter in capitals.
std::string Formatted(double x, std::chars_format format, int precision) {
    std::array<char, 40> buffer{};
#if !defined(OMBRIX_NO_DOUBLE_TO_CHARS)
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, format, precision);
    std::string text(buffer.data(), result.ptr);
#else
    // A standard library without to_chars for doubles (libc++ before 14), or
    // WebAssembly (runtime/CMakeLists.txt): printf rounds correctly too, but
    // writes the locale's decimal point.
    (void)std::snprintf(buffer.data(), buffer.size(), format == std::chars_format::general ? "%.*g" : "%.*e", precision,
                        x);
    std::string text(buffer.data());
    const char* point = std::localeconv()->decimal_point;
    if (const auto at = text.find(point); std::strcmp(point, ".") != 0 && at != std::string::npos)
        text.replace(at, std::strlen(point), ".");
#endif
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

}  // namespace

std::string NumberText(double x) {
    const ClassicFloatEnvironment environment;  // a subnormal is not zero
    if (x == 0.0) return "0";
    // The general form with 15 significant digits is the classic one, but for
    // the exponent letter, which the classic runtime writes in capitals.
    return Formatted(x, std::chars_format::general, 15);
}

std::string ScientificText(double x, int decimals) {
    const ClassicFloatEnvironment environment;
    return Formatted(x, std::chars_format::scientific, decimals);
}

}  // namespace ombrix
