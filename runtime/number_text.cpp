#include "runtime/number_text.h"

#include <array>
#include <charconv>
#include <string_view>

namespace ombrix {
namespace {

constexpr int kSignificantDigits = 15;

std::string_view WithoutTrailingZeros(std::string_view digits) {
    const std::size_t last = digits.find_last_not_of('0');
    return last == std::string_view::npos ? digits.substr(0, 1) : digits.substr(0, last + 1);
}

}  // namespace

std::string NumberText(double x) {
    if (x == 0.0) return "0";

    // "-d.dddddddddddddde+XX": the 15 correctly rounded significant digits.
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

    const bool negative = scientific.front() == '-';
    const std::size_t mantissaBegin = negative ? 1 : 0;
    const std::size_t ePos = scientific.find('e');
    std::string digits;
    digits.push_back(scientific[mantissaBegin]);
    digits.append(scientific.substr(mantissaBegin + 2, ePos - mantissaBegin - 2));
    int exponent = 0;
    std::from_chars(scientific.data() + ePos + 1 + (scientific[ePos + 1] == '+' ? 1 : 0),
                    scientific.data() + scientific.size(), exponent);

    const std::string_view significant = WithoutTrailingZeros(digits);
    std::string text = negative ? "-" : "";
    if (exponent >= -4 && exponent < kSignificantDigits) {
        if (exponent < 0) {
            text.append("0.");
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text.append(significant);
        } else {
            const auto intCount = static_cast<std::size_t>(exponent) + 1;
            if (significant.size() <= intCount) {
                text.append(significant);
                text.append(intCount - significant.size(), '0');
            } else {
                text.append(significant.substr(0, intCount));
                text.push_back('.');
                text.append(significant.substr(intCount));
            }
        }
        return text;
    }
    text.push_back(significant.front());
    if (significant.size() > 1) {
        text.push_back('.');
        text.append(significant.substr(1));
    }
    text.append(exponent < 0 ? "E-" : "E+");
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) text.push_back('0');
    text.append(std::to_string(magnitude));
    return text;
}

}  // namespace ombrix
