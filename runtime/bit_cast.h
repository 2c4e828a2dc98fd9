// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <type_traits>

namespace ombrix {

// std::bit_cast, where the standard library has it; libc++ before 14 (as in
// Debian 12's emscripten) has only the compiler's built-in, which is what
// std::bit_cast is made of elsewhere.
template <typename To, typename From>
constexpr To BitCast(const From& from) noexcept {
    static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> && std::is_trivially_copyable_v<From>);
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<To>(from);
#else
    return __builtin_bit_cast(To, from);
#endif
}

}  // namespace ombrix
