// SPDX-License-Identifier: MIT
#include "calculation.h"
#include "support/case_name.h"
#include "support/memory_form.h"
#include "support/oracle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::u16string>;

// A form as the user left it: something typed, an earlier output, an earlier list.
MemoryForm formWith(const std::u16string& input) {
    MemoryForm form;
    form.Text1(0).setText(input);
    form.Text1(1).setText(u"earlier output");
    form.List1().addItems({u"earlier"});
    return form;
}

struct WorkedCase {
    std::u16string input;
    std::u16string output;
    Entries added;
};

class WorkedResults : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedResults, ShowTheTwoLinesAndAppendTheOddNumbers) {
    const WorkedCase& c = GetParam();
    MemoryForm form = formWith(c.input);
    demo::Rresmetni(form);

    EXPECT_EQ(form.output(), c.output);
    Entries expected{u"earlier"};
    expected.insert(expected.end(), c.added.begin(), c.added.end());
    EXPECT_EQ(form.entries(), expected);
    EXPECT_EQ(form.input(), c.input);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedResults,
    ::testing::Values(
        WorkedCase{u"5", u"5*5 = 1 + ...+ 9\r\n25 = 1 + 3 + 5 + 7 + 9", {u"3", u"5", u"7", u"9"}},
        WorkedCase{u"1", u"1*1 = 1 + ...+ 1\r\n1 = 1", {}},
        WorkedCase{u"2", u"2*2 = 1 + ...+ 3\r\n4 = 1 + 3", {u"3"}},
        WorkedCase{u"3", u"3*3 = 1 + ...+ 5\r\n9 = 1 + 3 + 5", {u"3", u"5"}},
        // The sign is dropped; the floor is taken before the absolute value.
        WorkedCase{u"-5", u"5*5 = 1 + ...+ 9\r\n25 = 1 + 3 + 5 + 7 + 9", {u"3", u"5", u"7", u"9"}},
        WorkedCase{u"2.9", u"2*2 = 1 + ...+ 3\r\n4 = 1 + 3", {u"3"}},
        WorkedCase{u"-.5", u"1*1 = 1 + ...+ 1\r\n1 = 1", {}},
        WorkedCase{u"-1.5", u"2*2 = 1 + ...+ 3\r\n4 = 1 + 3", {u"3"}},
        WorkedCase{u"5a", u"5*5 = 1 + ...+ 9\r\n25 = 1 + 3 + 5 + 7 + 9", {u"3", u"5", u"7", u"9"}},
        WorkedCase{u" 4 ", u"4*4 = 1 + ...+ 7\r\n16 = 1 + 3 + 5 + 7", {u"3", u"5", u"7"}},
        WorkedCase{u"&H3", u"3*3 = 1 + ...+ 5\r\n9 = 1 + 3 + 5", {u"3", u"5"}}),
    [](const auto& info) { return caseName(info.param.input); });

struct MessageCase {
    std::u16string input;
    std::u16string message;
};

class Messages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(Messages, ReplaceOnlyTheOutput) {
    const MessageCase& c = GetParam();
    MemoryForm form = formWith(c.input);
    demo::Rresmetni(form);

    EXPECT_EQ(form.output(), c.message);
    EXPECT_EQ(form.entries(), Entries{u"earlier"});
    EXPECT_EQ(form.input(), c.input);
}

INSTANTIATE_TEST_SUITE_P(NoNaturalNumber, Messages,
                         ::testing::Values(MessageCase{u"", incorrectInputMessage},
                                           MessageCase{u"a5", incorrectInputMessage},
                                           MessageCase{u"0", incorrectInputMessage},
                                           MessageCase{u"0.5", incorrectInputMessage},
                                           MessageCase{u"-0", incorrectInputMessage},
                                           MessageCase{u".9", incorrectInputMessage},
                                           MessageCase{u"-", incorrectInputMessage},
                                           MessageCase{u"1e-9", incorrectInputMessage},
                                           MessageCase{u"\uFF15", incorrectInputMessage}),
                         [](const auto& info) { return caseName(info.param.input); });

// Inputs whose N would not fit: each used to raise an overflow error.
INSTANTIATE_TEST_SUITE_P(
    TooLarge, Messages,
    ::testing::Values(MessageCase{u"4e4", tooLargeMessage}, MessageCase{u"-4e4", tooLargeMessage},
                      MessageCase{u"32768", tooLargeMessage},
                      MessageCase{u"-32767.5", tooLargeMessage},
                      MessageCase{u"&H8000", tooLargeMessage},
                      MessageCase{u"&H10000000000000000", tooLargeMessage},
                      MessageCase{u"&O7777777777777777777777", tooLargeMessage},
                      MessageCase{u"9e9", tooLargeMessage}, MessageCase{u"1e999", tooLargeMessage},
                      MessageCase{u"-1e999", tooLargeMessage}),
    [](const auto& info) { return caseName(info.param.input); });

// N large enough that the odd numbers no longer fit 16 bits, or N*N no longer fits 16 bits,
// is computed completely.
class LargeN : public ::testing::TestWithParam<std::pair<std::u16string, long long>> {};

TEST_P(LargeN, IsComputedCompletely) {
    const auto& [input, n] = GetParam();
    MemoryForm form;
    form.Text1(0).setText(input);
    demo::Rresmetni(form);

    EXPECT_EQ(form.output(), expectedOutput(n));
    EXPECT_EQ(form.entries(), expectedEntries(n));
}

INSTANTIATE_TEST_SUITE_P(Table, LargeN,
                         ::testing::Values(std::pair{u"999", 999LL}, std::pair{u"182", 182LL},
                                           std::pair{u"2e4", 20000LL}, std::pair{u"3e4", 30000LL},
                                           std::pair{u"32767", 32767LL},
                                           std::pair{u"32767.9", 32767LL}),
                         [](const auto& info) { return caseName(info.param.first); });

TEST(Calculation, LargestThreeDigitNumber) {
    MemoryForm form;
    form.Text1(0).setText(u"999");
    demo::Rresmetni(form);

    const std::u16string output = form.output();
    EXPECT_EQ(output.substr(0, output.find(u"\r\n")), u"999*999 = 1 + ...+ 1997");
    EXPECT_EQ(output.substr(output.find(u"\r\n") + 2, 17), u"998001 = 1 + 3 + ");
    EXPECT_EQ(output.substr(output.size() - 7), u" + 1997");
    ASSERT_EQ(form.entries().size(), 998U);
    EXPECT_EQ(form.entries().back(), u"1997");
}

TEST(Calculation, CalculationsOneAfterAnotherShowTheLastAndPileUpTheList) {
    MemoryForm form;
    const std::vector<std::pair<std::u16string, Entries>> steps{
        {u"3", {u"3", u"5"}},         {u"2", {u"3", u"5", u"3"}},
        {u"x", {u"3", u"5", u"3"}},   {u"1", {u"3", u"5", u"3"}},
        {u"4e4", {u"3", u"5", u"3"}}, {u"3", {u"3", u"5", u"3", u"3", u"5"}},
    };
    for (const auto& [input, entries] : steps) {
        form.Text1(0).setText(input);
        demo::Rresmetni(form);
        EXPECT_EQ(form.entries(), entries)
            << "after input " << std::string(input.begin(), input.end());
    }
    EXPECT_EQ(form.output(), expectedOutput(3));
}

} // namespace
