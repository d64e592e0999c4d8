// SPDX-License-Identifier: MIT
#include "calculation.h"
#include "clearing.h"
#include "support/case_name.h"
#include "support/memory_form.h"
#include "support/oracle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Clearing after any earlier state leaves all three controls empty.
class ClearingAfter : public ::testing::TestWithParam<std::u16string> {};

TEST_P(ClearingAfter, EmptiesInputOutputAndList) {
    MemoryForm form;
    form.Text1(0).setText(GetParam());
    form.Text1(1).setText(u"problem statement\r\n");
    demo::Rresmetni(form);
    demo::Chisti(form);

    EXPECT_EQ(form.input(), u"");
    EXPECT_EQ(form.output(), u"");
    EXPECT_TRUE(form.entries().empty());
}

INSTANTIATE_TEST_SUITE_P(Inputs, ClearingAfter,
                         ::testing::Values(u"5", u"1", u"", u"a5", u"4e4", u"32767", u"3e4"),
                         [](const auto& info) { return caseName(info.param); });

TEST(Clearing, AnEmptyWindowStaysEmpty) {
    MemoryForm form;
    demo::Chisti(form);
    demo::Chisti(form);
    EXPECT_EQ(form.input(), u"");
    EXPECT_EQ(form.output(), u"");
    EXPECT_TRUE(form.entries().empty());
}

TEST(Clearing, ANewCalculationStartsFromAnEmptyList) {
    MemoryForm form;
    form.Text1(0).setText(u"3");
    demo::Rresmetni(form);
    demo::Chisti(form);
    form.Text1(0).setText(u"2");
    demo::Rresmetni(form);

    EXPECT_EQ(form.entries(), std::vector<std::u16string>{u"3"});
    EXPECT_EQ(form.output(), u"2*2 = 1 + ...+ 3\r\n4 = 1 + 3");
}

} // namespace
