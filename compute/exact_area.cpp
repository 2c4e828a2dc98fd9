// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute/exact_area.h"

#include <version>
#ifdef __GLIBCXX__
// Boost.Math 1.74's ellint_rc.hpp includes <iostream> and uses none of it.
// With GCC 12's libstdc++ that include leaves a static object in the file,
// whose constructor brings the standard streams and all their locale facets
// into every program: half of Ombrix.exe. Marking the header as included
// already keeps it out; anything that used the streams would not compile.
// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp): the library's own guard
#define _GLIBCXX_IOSTREAM 1
#endif

#include <boost/math/special_functions/ellint_rg.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "compute/boost_math_errors.h"
#include "runtime/float_environment.h"

namespace ombrix {

double ExactSurfaceArea(double a, double b, double c) {
    const ClassicFloatEnvironment environment;
    constexpr double pi = std::numbers::pi;
    if (c == 0.0) return 2 * pi * a * b;

    // The arguments a^2 b^2, a^2 c^2 and b^2 c^2 would leave the double range
    // for semi-axes far from 1, so each is formed from the semi-axes' binary
    // mantissas and the largest power of two is taken out of all three:
    // R_G is homogeneous of degree 1/2, R_G(4^k x, 4^k y, 4^k z) = 2^k R_G(x, y, z).
    int ea = 0, eb = 0, ec = 0;
    const double ma = std::frexp(a, &ea), mb = std::frexp(b, &eb), mc = std::frexp(c, &ec);
    const int eab = ea + eb, eac = ea + ec, ebc = eb + ec;
    const int top = std::max({eab, eac, ebc});
    const auto argument = [top](double m, int e) { return std::ldexp(m * m, 2 * (e - top)); };
    // In a 64-bit mantissa, as the x87 unit's long double has it, but in
    // integer arithmetic: the same bits on every platform, where long double
    // is 64 bits on x86, 113 on aarch64 and 53 with Visual C++, and the note's
    // last digits would follow it. Doubles alone lose digits to cancellation
    // for needles and discs.
    using Extended = boost::multiprecision::cpp_bin_float_double_extended;
    const double rg = static_cast<double>(boost::math::ellint_rg(
        Extended(argument(ma * mb, eab)), Extended(argument(ma * mc, eac)), Extended(argument(mb * mc, ebc))));
    return std::ldexp(4 * pi * rg, top);
}

}  // namespace ombrix
