// SPDX-License-Identifier: MIT
#include "support/case_name.h"
#include "val.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct ValCase {
    std::u16string text;
    double value;
};

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheNumberAtTheStart) {
    const ValCase& c = GetParam();
    EXPECT_EQ(demo::Val(c.text), c.value);
}

constexpr double infinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, ValTest,
    ::testing::Values(
        // Plain numbers, signs, fractions.
        ValCase{u"5", 5}, ValCase{u"999", 999}, ValCase{u"-5", -5}, ValCase{u"+7", 7},
        ValCase{u"2.9", 2.9}, ValCase{u"-.5", -0.5}, ValCase{u".5", 0.5}, ValCase{u"5.", 5},
        ValCase{u"007", 7},
        // No number at the start.
        ValCase{u"", 0}, ValCase{u"a5", 0}, ValCase{u".", 0}, ValCase{u"-", 0}, ValCase{u"+-5", 0},
        ValCase{u"--5", 0}, ValCase{u"e5", 0},
        // Stops at the first character that cannot continue the number.
        ValCase{u"5a", 5}, ValCase{u"1,5", 1}, ValCase{u"1.2.3", 1.2}, ValCase{u"12\r3", 12},
        ValCase{u"0x10", 0}, ValCase{u"5-3", 5},
        // Blanks, tabs and line feeds are skipped anywhere, other white space is not.
        ValCase{u"  5", 5}, ValCase{u"1 2 3", 123}, ValCase{u"\t4\n2", 42}, ValCase{u"- 5", -5},
        ValCase{u"1 e 2", 100}, ValCase{u"\u00A05", 0}, ValCase{u"\r5", 0},
        // Exponents with E or D, either case; without digits the letter ends the number.
        ValCase{u"4e4", 40000}, ValCase{u"2E4", 20000}, ValCase{u"1d2", 100},
        ValCase{u"1D-2", 0.01}, ValCase{u"5e+1", 50}, ValCase{u"1e", 1}, ValCase{u"1e+", 1},
        ValCase{u"3ex", 3}, ValCase{u".5e1", 5},
        // Beyond a double: infinities and zero.
        ValCase{u"1e999", infinity}, ValCase{u"-1e999", -infinity}, ValCase{u"1e-999", 0},
        ValCase{u"0.001e400", infinity}, ValCase{u"0e99999999999", 0},
        ValCase{u"1e99999999999999999999", infinity},
        // Hexadecimal and octal, 16-bit then 32-bit two's complement.
        ValCase{u"&HFF", 255}, ValCase{u"&hff", 255}, ValCase{u"&H7FFF", 32767},
        ValCase{u"&H8000", -32768}, ValCase{u"&HFFFF", -1}, ValCase{u"&H10000", 65536},
        ValCase{u"&HFFFFFFFF", -1}, ValCase{u"&H100000000", 4294967296.0}, ValCase{u"&O17", 15},
        ValCase{u"&o777", 511}, ValCase{u"&O8", 0}, ValCase{u"&H", 0}, ValCase{u"&", 0},
        ValCase{u"&X1", 0}, ValCase{u"& H1F", 31}, ValCase{u"&HFG", 15},
        // Digits and signs from other scripts are not read.
        ValCase{u"\u0661", 0}, ValCase{u"\uFF15", 0}, ValCase{u"\u22125", 0},
        ValCase{u"5\u0661", 5}, ValCase{u"пет", 0}),
    [](const auto& info) { return caseName(info.param.text); });

TEST(ValTest, ReadsVeryLongNumbersWithoutLosingTheirSize) {
    EXPECT_EQ(demo::Val(u"1" + std::u16string(400, u'0')), infinity);
    EXPECT_EQ(demo::Val(u"0." + std::u16string(400, u'0') + u"1"), 0);
    EXPECT_EQ(demo::Val(std::u16string(5000, u'0') + u"12"), 12);
}

} // namespace
