// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/checked_math.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>

namespace ombrix {
namespace {

int ErrorOf(const std::function<double()>& step) {
    try {
        step();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

TEST(CheckedMath, RaisesTheClassicErrorNumbers) {
    EXPECT_EQ(ErrorOf([] { return Multiply(DBL_MAX, 2.0); }), 6);
    EXPECT_EQ(ErrorOf([] { return Add(DBL_MAX, DBL_MAX); }), 6);
    EXPECT_EQ(ErrorOf([] { return Subtract(-DBL_MAX, DBL_MAX); }), 6);
    EXPECT_EQ(ErrorOf([] { return Square(1e200); }), 6);
    EXPECT_EQ(ErrorOf([] { return Divide(1.0, 1e-320); }), 6);
    EXPECT_EQ(ErrorOf([] { return Divide(1.0, 0.0); }), 11);
    EXPECT_EQ(ErrorOf([] { return Divide(-1.0, -0.0); }), 11);
    EXPECT_EQ(ErrorOf([] { return Divide(0.0, 0.0); }), 6);
}

TEST(CheckedMath, GivesTheRoundedResultOtherwise) {
    EXPECT_EQ(Add(0.1, 0.2), 0.30000000000000004);  // rounded once, to the nearest double
    EXPECT_EQ(Square(1e-200), 0.0);                 // underflow is not an error
    EXPECT_EQ(Divide(0.0, 5.0), 0.0);
    EXPECT_EQ(Square(3.0), 9.0);
}

TEST(RuntimeError, CarriesNumberAndMessage) {
    const RuntimeError overflow(ErrorKind::Overflow);
    EXPECT_EQ(overflow.number(), 6);
    EXPECT_EQ(overflow.message(), "溢出");
    EXPECT_EQ(RuntimeError(ErrorKind::DivisionByZero).message(), "除数为零");
    EXPECT_EQ(RuntimeError(ErrorKind::InvalidOperation).message(), "无效的过程调用或参数");
    EXPECT_EQ(RuntimeError(ErrorKind::InvalidOperation).number(), 5);
}

}  // namespace
}  // namespace ombrix
