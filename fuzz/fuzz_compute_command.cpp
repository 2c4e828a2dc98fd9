// SPDX-License-Identifier: GPL-3.0-or-later
// The compute, as the window runs it, on any three texts: a number text with
// its note, the input error text without one, or RuntimeError; never a NaN or
// infinity text; the same answer twice.
// The input is split into the three texts at the first two 0xFF bytes.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "compute/compute_command.h"

namespace {

ombrix::ComputeResult Answer(std::string_view a, std::string_view b, std::string_view c) {
    try {
        return ombrix::Compute(a, b, c);
    } catch (const ombrix::RuntimeError& error) {
        return {"error " + std::to_string(error.number()), {}};
    }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text form of a non-negative double: digits, perhaps a point and more
// digits, perhaps "E", a sign and two or three digits. (Not read back with
// Val: the text of an area near the largest double reads as an overflow.)
bool IsAreaText(std::string_view text) {
    std::size_t pos = 0;
    const auto digits = [&] {
        const std::size_t start = pos;
        while (pos < text.size() && IsDigit(text[pos])) ++pos;
        return pos - start;
    };
    if (digits() == 0) return false;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        if (digits() == 0) return false;
    }
    if (pos < text.size() && text[pos] == 'E') {
        if (++pos == text.size() || (text[pos] != '+' && text[pos] != '-')) return false;
        ++pos;
        const std::size_t exponentDigits = digits();
        if (exponentDigits < 2 || exponentDigits > 3) return false;
    }
    return pos == text.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view parts[3];
    for (int k = 0; k < 2; ++k) {
        const std::size_t split = input.find('\xFF');
        parts[k] = input.substr(0, split);
        input = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    }
    parts[2] = input;
    const ombrix::ComputeResult first = Answer(parts[0], parts[1], parts[2]);
    const bool area = IsAreaText(first.text);
    if (!area && first.text != ombrix::InputErrorText && first.text.rfind("error ", 0) != 0) std::abort();
    // A note speaks of an area: the exact one, positive and finite.
    if (!first.note.empty() && (!area || first.note.find('\n') == std::string::npos)) std::abort();
    if (area && first.note.empty() && std::isfinite(first.exactArea) && first.exactArea > 0.0) std::abort();
    const ombrix::ComputeResult second = Answer(parts[0], parts[1], parts[2]);
    if (second.text != first.text || second.note != first.note) std::abort();
    return 0;
}
