// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What Boost.Math's errors raise (their policy is user_error, set for every
// file that uses Boost.Math): the standard exceptions, without a formatted
// message, which the window reports as the classic errors
// (window/error_report.h). Boost's own would format the message through a
// stringstream.
#include <boost/math/policies/error_handling.hpp>

#include <stdexcept>

namespace boost::math::policies {

template <class T>
T user_domain_error(const char* /*function*/, const char* /*message*/, const T& /*value*/) {
    throw std::domain_error("Boost.Math: domain error");
}
template <class T>
T user_pole_error(const char* /*function*/, const char* /*message*/, const T& /*value*/) {
    throw std::domain_error("Boost.Math: pole error");
}
template <class T>
T user_overflow_error(const char* /*function*/, const char* /*message*/, const T& /*value*/) {
    throw std::overflow_error("Boost.Math: overflow");
}
template <class T>
T user_evaluation_error(const char* /*function*/, const char* /*message*/, const T& /*value*/) {
    throw std::runtime_error("Boost.Math: evaluation error");
}
// Boost 1.74 (Debian 12) declares it returning T, Boost 1.83 (Debian 13)
// returning TargetType: each Boost calls the one it declares, and the other
// stays unused.
template <class T, class TargetType>
T user_rounding_error(const char* /*function*/, const char* /*message*/, const T& /*value*/,
                      const TargetType& /*target*/) {
    throw std::overflow_error("Boost.Math: rounding error");
}
template <class T, class TargetType>
TargetType user_rounding_error(const char* /*function*/, const char* /*message*/, const T& /*value*/,
                               const TargetType& /*target*/) {
    throw std::overflow_error("Boost.Math: rounding error");
}
template <class T>
T user_indeterminate_result_error(const char* /*function*/, const char* /*message*/, const T& /*value*/) {
    throw std::domain_error("Boost.Math: indeterminate result");
}

}  // namespace boost::math::policies
