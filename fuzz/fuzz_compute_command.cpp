// The compute command on any three texts: a number text, the input error
// text, or RuntimeError; never a NaN or infinity text; the same answer twice.
// The input is split into the three texts at the first two 0xFF bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "compute/compute_command.h"
#include "runtime/val.h"

namespace {

std::string Answer(std::string_view a, std::string_view b, std::string_view c) {
    try {
        return ombrix::RunComputeCommand(a, b, c);
    } catch (const ombrix::RuntimeError& error) {
        return "error " + std::to_string(error.number());
    }
}

bool IsNumberText(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789.-E+") != std::string::npos) return false;
    return ombrix::Val(text) >= 0.0;  // an area is never negative
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
    const std::string first = Answer(parts[0], parts[1], parts[2]);
    if (first != ombrix::InputErrorText && first.rfind("error ", 0) != 0 && !IsNumberText(first)) std::abort();
    if (Answer(parts[0], parts[1], parts[2]) != first) std::abort();
    return 0;
}
