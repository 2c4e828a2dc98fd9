// SPDX-License-Identifier: GPL-3.0-or-later
// Val on any text: a finite double or RuntimeError (overflow), and the same
// answer twice.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "runtime/runtime_error.h"
#include "runtime/val.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double first = 0.0;
    try {
        first = ombrix::Val(text);
    } catch (const ombrix::RuntimeError& error) {
        if (error.kind() != ombrix::ErrorKind::Overflow) std::abort();
        try {
            ombrix::Val(text);
        } catch (const ombrix::RuntimeError&) {
            return 0;
        }
        std::abort();  // raised once, not twice
    }
    if (!std::isfinite(first)) std::abort();
    const double second = ombrix::Val(text);
    if (std::memcmp(&first, &second, sizeof first) != 0) std::abort();
    return 0;
}
