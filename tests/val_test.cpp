// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/val.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "runtime/runtime_error.h"

namespace ombrix {
namespace {

struct ValCase {
    const char* text;
    double value;
};

void PrintTo(const ValCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ValReads : public testing::TestWithParam<ValCase> {};

TEST_P(ValReads, GivesTheClassicValue) {
    const ValCase& c = GetParam();
    EXPECT_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decimals, ValReads, testing::Values(
    ValCase{"", 0}, ValCase{" ", 0}, ValCase{"abc", 0}, ValCase{"1", 1},
    ValCase{"  42  ", 42}, ValCase{" 2 45 7", 2457}, ValCase{"\t1\n2", 12},
    ValCase{"\r1", 0}, ValCase{"-2", -2}, ValCase{"+3.5", 3.5}, ValCase{"- 2", -2},
    ValCase{"--2", 0}, ValCase{"+-2", 0}, ValCase{".5", 0.5}, ValCase{"5.", 5},
    ValCase{"1.2.3", 1.2}, ValCase{".", 0}, ValCase{"-", 0}, ValCase{"-.", 0},
    ValCase{"1e3", 1000}, ValCase{"1E+3", 1000}, ValCase{"2.5e-1", 0.25},
    ValCase{"1d2", 100}, ValCase{"1D-2", 0.01}, ValCase{"1e", 1}, ValCase{"1e+", 1},
    ValCase{"1e-x", 1}, ValCase{"e5", 0}, ValCase{"1 e 2", 100}, ValCase{"12abc3", 12},
    ValCase{"1,5", 1}, ValCase{"$5", 0}, ValCase{"0.1", 0.1}, ValCase{"007", 7},
    ValCase{"3.14159265358979", 3.14159265358979},
    ValCase{"1.7976931348623157e308", 1.7976931348623157e308},
    ValCase{"4.9e-324", 4.9e-324}, ValCase{"1e-400", 0}, ValCase{"0e999999", 0},
    ValCase{"1e-99999999999999999999", 0}, ValCase{"1x\xe4\xb8\x80", 1}));

INSTANTIATE_TEST_SUITE_P(Radix, ValReads, testing::Values(
    ValCase{"&H10", 16}, ValCase{"&hff", 255}, ValCase{"&H7FFF", 32767},
    ValCase{"&H8000", -32768}, ValCase{"&HFFFF", -1}, ValCase{"&H10000", 65536},
    ValCase{"&H7FFFFFFF", 2147483647}, ValCase{"&H80000000", -2147483648.0},
    ValCase{"&HFFFFFFFF", -1}, ValCase{"&H0000000000FF", 255}, ValCase{"&H", 0},
    ValCase{"&HG", 0}, ValCase{"&O17", 15}, ValCase{"&o177777", -1}, ValCase{"&17", 15},
    ValCase{"&8", 0}, ValCase{"&", 0}, ValCase{" & H 1 F", 31}, ValCase{"&H1.5", 1},
    ValCase{"&H8000&", 32768}, ValCase{"&HFFFF&", 65535}, ValCase{"&HFFFFFFFF&", -1},
    ValCase{"&O100000&", 32768}, ValCase{"&H7FFF&", 32767}, ValCase{"&H8000 &", 32768}));
// clang-format on

// Full-width forms as Chinese input methods type them.
// clang-format off
INSTANTIATE_TEST_SUITE_P(FullWidth, ValReads, testing::Values(
    ValCase{"１２", 12}, ValCase{"－３．５", -3.5}, ValCase{"＋1", 1},
    ValCase{"1\xe3\x80\x80" "2", 12}, ValCase{"２Ｅ２", 200}, ValCase{"２ｅ－１", 0.2},
    ValCase{"３Ｄ１", 30}, ValCase{"３ｄ１", 30}, ValCase{"１ａ", 1},
    ValCase{"&H１０", 16}, ValCase{"＆Ｈ１Ｆ", 31}, ValCase{"&H１Ｆ", 31}, ValCase{"＆ｈｆｆ", 255},
    ValCase{"＆Ｏ１７", 15}, ValCase{"＆ｏ１７", 15}, ValCase{"＆Ｈ８０００＆", 32768}, ValCase{"１Ａ", 1},
    ValCase{"2。5", 2.5}, ValCase{"２。５Ｅ１", 25}, ValCase{"1。2。3", 1.2}));
// clang-format on

// Texts pasted from elsewhere: reading stops at the first character that is
// not part of a number, whatever it is.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Hostile, ValReads, testing::Values(
    ValCase{"\u200b5", 0}, ValCase{"5\u200b6", 5}, ValCase{"\u202e12", 0}, ValCase{"1\u202e2", 1},
    ValCase{"\u0661\u0662", 0}, ValCase{"7\u0663", 7}, ValCase{"\ufeff3", 0}, ValCase{"+", 0},
    ValCase{"-.e5", 0}, ValCase{"..5", 0}, ValCase{"\xff\xfe" "1", 0}, ValCase{"1\xef\xbc", 1},
    ValCase{"\xe3\x80", 0}, ValCase{"1e+00000000000000000002", 100},
    ValCase{"0.0000000000000000000001e22", 1}, ValCase{"&H0000000000000000000000000001", 1}));
// clang-format on

TEST(Val, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(Val("-0")));
    EXPECT_FALSE(std::signbit(Val("0")));
}

TEST(Val, StopsAtAnEmbeddedNul) {
    EXPECT_EQ(Val(std::string("12\0"
                              "34",
                              5)),
              12);
}

TEST(Val, RaisesOverflowBeyondTheRanges) {
    for (const char* text : {"1e309", "-1e309", "1.8e308", "1e99999999999999999999", "&H100000000", "&O40000000000",
                             "&HFFFFFFFFFFFFFFFFFFFF"}) {
        try {
            Val(text);
            ADD_FAILURE() << '"' << text << "\" did not raise";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 6) << text;
        }
    }
}

TEST(Val, ReadsLongTextsWhole) {
    const std::string digits(1 << 20, '7');
    EXPECT_THROW(Val(digits), RuntimeError);
    EXPECT_EQ(Val("0." + digits), Val("0.7777777777777777777777777"));
    EXPECT_EQ(Val(std::string(1 << 20, ' ') + "5"), 5);
    EXPECT_EQ(Val("0." + std::string(1 << 20, '0') + "1"), 0);
    EXPECT_EQ(Val("1" + std::string(1000, '0') + "e-1000"), 1);
    EXPECT_EQ(Val(digits + "e-99999999999999999999"), 0);
    EXPECT_THROW(Val("0." + digits + "e99999999999999999999"), RuntimeError);
    EXPECT_EQ(Val(std::string(1 << 20, '-')), 0);
    EXPECT_EQ(Val(std::string(1 << 20, '.')), 0);
    EXPECT_EQ(Val("&H" + std::string(1 << 20, '0')), 0);
}

}  // namespace
}  // namespace ombrix
