// SPDX-License-Identifier: MIT
#include "calculation.h"

#include "val.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace demo {
namespace {

constexpr std::u16string_view incorrectInput = u"Некоректни входни данни!";
constexpr std::u16string_view tooLarge = u"Твърде голямо число! Най-голямото допустимо N е 32767.";

static_assert(std::int64_t{largestN} * largestN <= std::numeric_limits<std::int32_t>::max(),
              "N*N of the largest N must fit 32 bits");

void appendNumber(std::u16string& out, std::int32_t number) {
    char digits[12];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), number).ptr;
    out.append(digits, end);
}

std::u16string decimal(std::int32_t number) {
    std::u16string text;
    appendNumber(text, number);
    return text;
}

// The two lines: "N*N = 1 + ...+ 2N-1", CR LF, then "N² = 1 + 3 + ... + 2N-1".
std::u16string demonstration(std::int32_t N) {
    const std::int32_t lastOdd = 2 * N - 1;
    std::u16string text;
    text.reserve(40 + 8 * static_cast<std::size_t>(N));
    appendNumber(text, N);
    text += u'*';
    appendNumber(text, N);
    text += u" = 1 + ...+ ";
    appendNumber(text, lastOdd);
    text += u"\r\n";
    appendNumber(text, N * N);
    text += u" = 1";
    for (std::int32_t odd = 3; odd <= lastOdd; odd += 2) {
        text += u" + ";
        appendNumber(text, odd);
    }
    return text;
}

// The odd numbers 3, 5, ..., 2N-1, for the list.
std::vector<std::u16string> oddNumbersFrom3(std::int32_t N) {
    std::vector<std::u16string> numbers;
    numbers.reserve(static_cast<std::size_t>(N - 1));
    for (std::int32_t odd = 3; odd <= 2 * N - 1; odd += 2)
        numbers.push_back(decimal(odd));
    return numbers;
}

} // namespace

void Rresmetni(Form& form) {
    const double n = std::fabs(std::floor(Val(form.Text1(0).text())));
    if (n < 1) {
        form.Text1(1).setText(std::u16string(incorrectInput));
        return;
    }
    if (n > largestN) {
        form.Text1(1).setText(std::u16string(tooLarge));
        return;
    }
    const auto N = static_cast<std::int32_t>(n);
    // One after the other, so that the list reuses the memory of the long text.
    form.Text1(1).setText(demonstration(N));
    form.List1().addItems(oddNumbersFrom3(N));
}

} // namespace demo
