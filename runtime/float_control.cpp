// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/float_control.h"

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64)
#include <immintrin.h>
#define OMBRIX_MXCSR 1
#elif defined(__aarch64__) && (defined(__GNUC__) || defined(__clang__))
#define OMBRIX_FPCR 1
#endif
#if defined(OMBRIX_MXCSR) && (defined(__GNUC__) || defined(__clang__))
#define OMBRIX_X87 1
#endif

namespace ombrix {

#if defined(OMBRIX_MXCSR)
namespace {
constexpr int X87 = 32;  // where the x87 control word stands in the value
}  // namespace
// MXCSR: flush to zero (bit 15), denormals are zero (bit 6); rounding (13-14).
// x87: rounding (10-11).
const std::uint64_t FlushToZeroBits = (1U << 15) | (1U << 6);
const std::uint64_t RoundingBits = (3U << 13) | (std::uint64_t{3} << (X87 + 10));
namespace {
// Set, a bit masks its exception's trap: MXCSR 7-12, x87 0-5, each in the
// order invalid, denormal, division by zero, overflow, underflow, inexact.
constexpr std::uint64_t TrapMasks = (std::uint64_t{0x3F} << 7) | (std::uint64_t{0x3F} << X87);
constexpr std::uint64_t ErrorTrapMasks = (std::uint64_t{0b1101} << 7) | (std::uint64_t{0b1101} << X87);
}  // namespace

std::uint64_t ClassicFloatControl(std::uint64_t control) {
    return (control & ~(FlushToZeroBits | RoundingBits)) | TrapMasks;
}

std::uint64_t WithErrorTraps(std::uint64_t control) { return control & ~ErrorTrapMasks; }
#elif defined(OMBRIX_FPCR)
// FPCR: flush to zero (bit 24), for half precision too (bit 19); rounding (22-23).
const std::uint64_t FlushToZeroBits = (1U << 24) | (1U << 19);
const std::uint64_t RoundingBits = 3U << 22;
namespace {
// Set, a bit enables its exception's trap: invalid (8), division by zero (9),
// overflow (10), underflow (11), inexact (12), denormal input (15).
constexpr std::uint64_t TrapEnables = (0x1FU << 8) | (1U << 15);
constexpr std::uint64_t ErrorTrapEnables = 0b111U << 8;
}  // namespace

std::uint64_t ClassicFloatControl(std::uint64_t control) {
    return control & ~(FlushToZeroBits | RoundingBits | TrapEnables);
}

std::uint64_t WithErrorTraps(std::uint64_t control) { return control | ErrorTrapEnables; }
#else
const std::uint64_t FlushToZeroBits = 0;
const std::uint64_t RoundingBits = 0;

std::uint64_t ClassicFloatControl(std::uint64_t control) { return control; }

std::uint64_t WithErrorTraps(std::uint64_t control) { return control; }
#endif

std::uint64_t FloatControl() {
#if defined(OMBRIX_MXCSR)
    std::uint64_t value = _mm_getcsr();
#if defined(OMBRIX_X87)
    std::uint16_t word = 0;
    asm volatile("fnstcw %0" : "=m"(word));
    value |= std::uint64_t{word} << X87;
#endif
    return value;
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
    _mm_setcsr(static_cast<unsigned>(value & 0xFFFFFFFFU));
#if defined(OMBRIX_X87)
    const auto word = static_cast<std::uint16_t>(value >> X87);
    asm volatile("fldcw %0" : : "m"(word));
#endif
#elif defined(OMBRIX_FPCR)
    asm volatile("msr fpcr, %0" : : "r"(value));
#endif
}

}  // namespace ombrix
