// SPDX-License-Identifier: GPL-3.0-or-later
// The text form of any finite double: at most 15 significant digits, no NaN
// or infinity text, and Val reads it back to within 15 significant digits
// (or, for the few doubles that round beyond the range, raises overflow);
// the text of the value read back is the same text.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/number_text.h"
#include "runtime/runtime_error.h"
#include "runtime/val.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double x = 0.0;
    std::memcpy(&x, data, sizeof x);
    if (!std::isfinite(x)) return 0;
    const std::string text = ombrix::NumberText(x);
    if (text.empty() || text.size() > 24) std::abort();
    if (text.find_first_not_of("0123456789.-E+") != std::string::npos) std::abort();
    int digits = 0;
    for (const char c : text.substr(0, text.find('E'))) digits += (c >= '0' && c <= '9') ? 1 : 0;
    if (digits > 15 + 5) std::abort();  // 15 significant digits and at most 4 leading zeros and "0."
    double back = 0.0;
    try {
        back = ombrix::Val(text);
    } catch (const ombrix::RuntimeError&) {
        // Rounded to 15 digits, the largest doubles lie beyond the range:
        // "1.79769313486232E+308" reads as an overflow.
        if (std::abs(x) > 1.7976931348623e308) return 0;
        std::abort();
    }
    // Half a unit in the 15th significant digit, and the rounding of Val.
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.14e", x);
    const int exponent = std::atoi(std::strchr(scientific, 'e') + 1);
    const double halfUnit = 5.0 * std::pow(10.0, exponent - 15);
    const double slack = 2.0 * std::abs(std::nextafter(x, 0.0) - x);
    if (std::abs(back - x) > halfUnit * (1.0 + 1e-12) + slack) std::abort();
    if (ombrix::NumberText(back) != text) std::abort();
    return 0;
}
