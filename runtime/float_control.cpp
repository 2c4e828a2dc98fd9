// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/float_control.h"

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64)
#include <immintrin.h>
#define OMBRIX_MXCSR 1
#elif defined(__aarch64__) && (defined(__GNUC__) || defined(__clang__))
#define OMBRIX_FPCR 1
#endif

namespace ombrix {

#if defined(OMBRIX_MXCSR)
// MXCSR: flush to zero (bit 15), denormals are zero (bit 6); rounding (13-14).
const std::uint64_t FlushToZeroBits = (1U << 15) | (1U << 6);
const std::uint64_t RoundingBits = 3U << 13;
#elif defined(OMBRIX_FPCR)
// FPCR: flush to zero (bit 24), for half precision too (bit 19); rounding (22-23).
const std::uint64_t FlushToZeroBits = (1U << 24) | (1U << 19);
const std::uint64_t RoundingBits = 3U << 22;
#else
const std::uint64_t FlushToZeroBits = 0;
const std::uint64_t RoundingBits = 0;
#endif

std::uint64_t FloatControl() {
#if defined(OMBRIX_MXCSR)
    return _mm_getcsr();
#elif defined(OMBRIX_FPCR)
    std::uint64_t value = 0;
    asm volatile("mrs %0, fpcr" : "=r"(value));
    return value;
#else
    return 0;
#endif
}

void SetFloatControl([[maybe_unused]] std::uint64_t value) {
#if defined(OMBRIX_MXCSR)
    _mm_setcsr(static_cast<unsigned>(value));
#elif defined(OMBRIX_FPCR)
    asm volatile("msr fpcr, %0" : : "r"(value));
#endif
}

}  // namespace ombrix
