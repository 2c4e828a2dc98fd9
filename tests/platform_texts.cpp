// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the window shows for 400 seeded inputs, one line each, with the
// bits of the area and of the exact area that the result's note gives, so
// that builds for different platforms can be compared bit for bit.
// The inputs are made from the raw output of mt19937_64, which the standard
// fixes exactly (its distributions it does not).
#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "compute/compute_command.h"
#include "runtime/bit_cast.h"

namespace {

// A decimal text: seven digits and an exponent, mostly of moderate size, now
// and then large enough for a step to overflow or underflow.
std::string DecimalText(std::mt19937_64& random) {
    const std::uint64_t digits = 1 + random() % 9'999'999;
    const bool extreme = random() % 8 == 0;
    const int exponent = static_cast<int>(random() % (extreme ? 341 : 41)) - (extreme ? 170 : 20);
    return std::to_string(digits) + "e" + std::to_string(exponent);
}

std::string Bits(double x) {
    char text[24];
    (void)std::snprintf(text, sizeof text, "%016" PRIx64, ombrix::BitCast<std::uint64_t>(x));
    return text;
}

// What the window shows: the text, the area's bits, the exact area's bits and
// the note on one line; or the error.
std::string Answer(const std::string& a, const std::string& b, const std::string& c) {
    try {
        const ombrix::ComputeResult result = ombrix::Compute(a, b, c);
        if (result.note.empty()) return result.text;
        std::string note = result.note;
        std::replace(note.begin(), note.end(), '\n', ' ');
        return result.text + " " + Bits(result.area) + " " + Bits(result.exactArea) + " " + note;
    } catch (const ombrix::RuntimeError& error) {
        return "error " + std::to_string(error.number());
    }
}

}  // namespace

int main() {
    std::mt19937_64 random(20261209);
    for (int n = 0; n < 400; ++n) {
        const std::string a = DecimalText(random);
        const std::string b = n % 7 == 0 || n % 13 == 0 ? a : DecimalText(random);  // spheres, spheroids
        const std::string c = n % 11 == 0 ? "0" : n % 7 == 0 ? a : DecimalText(random);
        std::printf("%s %s %s -> %s\n", a.c_str(), b.c_str(), c.c_str(), Answer(a, b, c).c_str());
    }
    return 0;
}
