// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/float_environment.h"

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64)
#include <immintrin.h>
#define OMBRIX_MXCSR 1
#elif defined(__aarch64__) && (defined(__GNUC__) || defined(__clang__))
#define OMBRIX_FPCR 1
#endif

namespace ombrix {
namespace {

#if defined(OMBRIX_MXCSR)
// MXCSR: flush to zero (bit 15), denormals are zero (bit 6); rounding (13-14).
constexpr std::uint64_t FlushBits = (1U << 15) | (1U << 6);
constexpr std::uint64_t ClearedBits = FlushBits | (3U << 13);
#elif defined(OMBRIX_FPCR)
// FPCR: flush to zero (bit 24), for half precision too (bit 19); rounding (22-23).
constexpr std::uint64_t FlushBits = (1U << 24) | (1U << 19);
constexpr std::uint64_t ClearedBits = FlushBits | (3U << 22);
#else
constexpr std::uint64_t FlushBits = 0;
constexpr std::uint64_t ClearedBits = 0;
#endif

}  // namespace

const std::uint64_t FlushToZeroBits = FlushBits;

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

ClassicFloatEnvironment::ClassicFloatEnvironment() {
    (void)std::fegetenv(&saved_);
    savedControl_ = FloatControl();
    // The default environment rounds to nearest, the x87 unit too where there
    // is one (long double code rounds by it), and masks every trap, so that an
    // overflow gives the infinity that the checked arithmetic reports.
    (void)std::fesetenv(FE_DFL_ENV);
    SetFloatControl(FloatControl() & ~ClearedBits);
}

ClassicFloatEnvironment::~ClassicFloatEnvironment() {
    // What was set before comes back, and the exception flags that the work
    // raised stay raised beside those raised before, as after any code.
    const int raised = std::fetestexcept(FE_ALL_EXCEPT);
    std::fexcept_t flags{};
    (void)std::fegetexceptflag(&flags, raised);
    (void)std::fesetenv(&saved_);
    SetFloatControl(savedControl_);
    (void)std::fesetexceptflag(&flags, raised);
}

}  // namespace ombrix
