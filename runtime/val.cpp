// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/val.h"

#include <fast_float/fast_float.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

#include "runtime/checked_math.h"

namespace ombrix {
namespace {

constexpr char kStop = '\0';  // any character that ends a number

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The ASCII meaning of the full-width form U+FF00 + low, or kStop: digits,
// signs, point, the exponent letters, and what radix numbers are written
// with ('&', H, O and the hexadecimal letters), in either case.
char FullWidthToAscii(unsigned low) {
    if (low >= 0x10 && low <= 0x19) return static_cast<char>('0' + (low - 0x10));
    if (low >= 0x21 && low <= 0x26) return static_cast<char>('A' + (low - 0x21));  // A-F
    if (low >= 0x41 && low <= 0x46) return static_cast<char>('a' + (low - 0x41));  // a-f
    switch (low) {
    case 0x06: return '&';
    case 0x0B: return '+';
    case 0x0D: return '-';
    case 0x0E: return '.';
    case 0x28: return 'H';
    case 0x2F: return 'O';
    case 0x48: return 'h';
    case 0x4F: return 'o';
    default: return kStop;
    }
}

// The text as Val sees it: blanks removed, full-width forms made ASCII, cut at
// the first character that has no ASCII meaning.
std::string NumberCharacters(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (!IsBlank(text[i])) out.push_back(text[i]);
            ++i;
            continue;
        }
        if (i + 2 < text.size() && byte == 0xE3 && text[i + 1] == '\x80' && text[i + 2] == '\x80') {
            i += 3;  // U+3000 ideographic space
            continue;
        }
        if (i + 2 < text.size() && byte == 0xE3 && text[i + 1] == '\x80' && text[i + 2] == '\x82') {
            out.push_back('.');  // U+3002, the point key of a Chinese keyboard
            i += 3;
            continue;
        }
        if (i + 2 < text.size() && byte == 0xEF) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            const auto third = static_cast<unsigned char>(text[i + 2]);
            if ((second == 0xBC || second == 0xBD) && (third & 0xC0) == 0x80) {
                const unsigned low = ((second & 0x03U) << 6) | (third & 0x3FU);
                const char ascii = FullWidthToAscii(low);
                if (ascii != kStop) {
                    out.push_back(ascii);
                    i += 3;
                    continue;
                }
            }
        }
        break;
    }
    return out;
}

int DigitValue(char c, int radix) {
    int value = radix;
    if (IsDigit(c))
        value = c - '0';
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    return value < radix ? value : -1;
}

// "&H..." or "&O..." or "&...", the '&' at `s[0]`. A trailing '&' makes the
// number a 32-bit Long even where it fits 16 bits: "&H8000&" is 32768.
double RadixValue(std::string_view s) {
    int radix = 8;
    std::size_t pos = 1;
    if (pos < s.size() && (s[pos] == 'H' || s[pos] == 'h')) {
        radix = 16;
        ++pos;
    } else if (pos < s.size() && (s[pos] == 'O' || s[pos] == 'o')) {
        ++pos;
    }
    std::uint64_t value = 0;
    for (; pos < s.size(); ++pos) {
        const int digit = DigitValue(s[pos], radix);
        if (digit < 0) break;
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFU) RaiseRuntimeError(ErrorKind::Overflow);
    }
    const bool isLong = pos < s.size() && s[pos] == '&';
    if (value <= 0xFFFFU && !isLong) return static_cast<std::int16_t>(value);
    return static_cast<std::int32_t>(value);
}

std::size_t SkipDigits(std::string_view s, std::size_t pos) {
    while (pos < s.size() && IsDigit(s[pos])) ++pos;
    return pos;
}

// An exponent's value, held within +-kExponentLimit so that twenty digits
// cannot wrap around; any exponent that large overflows or gives 0 anyway.
constexpr std::int64_t kExponentLimit = 1'000'000'000;

std::int64_t ExponentValue(std::string_view digits, bool negative) {
    std::int64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
        if (value > kExponentLimit) {
            value = kExponentLimit;
            break;
        }
    }
    return negative ? -value : value;
}

double DecimalValue(std::string_view s) {
    std::size_t pos = 0;
    const bool negative = pos < s.size() && s[pos] == '-';
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;

    const std::size_t intBegin = pos;
    pos = SkipDigits(s, pos);
    const std::string_view intDigits = s.substr(intBegin, pos - intBegin);
    std::string_view fracDigits;
    if (pos < s.size() && s[pos] == '.') {
        const std::size_t fracBegin = ++pos;
        pos = SkipDigits(s, pos);
        fracDigits = s.substr(fracBegin, pos - fracBegin);
    }
    if (intDigits.empty() && fracDigits.empty()) return 0.0;

    std::int64_t exponent = 0;
    if (pos < s.size() && (s[pos] == 'E' || s[pos] == 'e' || s[pos] == 'D' || s[pos] == 'd')) {
        std::size_t expPos = pos + 1;
        const bool expNegative = expPos < s.size() && s[expPos] == '-';
        if (expPos < s.size() && (s[expPos] == '+' || s[expPos] == '-')) ++expPos;
        const std::size_t expEnd = SkipDigits(s, expPos);
        if (expEnd > expPos) exponent = ExponentValue(s.substr(expPos, expEnd - expPos), expNegative);
    }

    // The decimal order of magnitude: the value lies in [10^(order-1), 10^order).
    const std::size_t intLead = intDigits.find_first_not_of('0');
    const std::size_t fracLead = fracDigits.find_first_not_of('0');
    std::int64_t order = 0;
    if (intLead != std::string_view::npos) {
        order = static_cast<std::int64_t>(intDigits.size() - intLead) + exponent;
    } else if (fracLead != std::string_view::npos) {
        order = exponent - static_cast<std::int64_t>(fracLead);
    } else {
        return negative ? -0.0 : 0.0;
    }
    if (order > 310) RaiseRuntimeError(ErrorKind::Overflow);
    if (order < -330) return negative ? -0.0 : 0.0;

    std::string number;
    number.reserve(intDigits.size() + fracDigits.size() + 24);
    if (negative) number.push_back('-');
    number.append(intDigits.empty() ? std::string_view("0") : intDigits);
    number.push_back('.');
    number.append(fracDigits);
    number.push_back('e');
    number.append(std::to_string(exponent));

    // fast_float rounds correctly, on every platform and whatever the locale;
    // beyond the range it gives an infinity (older versions) or reports it.
    double value = 0.0;
    const auto result = fast_float::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range || std::isinf(value)) {
        if (order > 0) RaiseRuntimeError(ErrorKind::Overflow);
        return negative ? -0.0 : 0.0;
    }
    return value;
}

}  // namespace

double Val(std::string_view text) {
    const std::string s = NumberCharacters(text);
    if (!s.empty() && s.front() == '&') return RadixValue(s);
    return DecimalValue(s);
}

}  // namespace ombrix
