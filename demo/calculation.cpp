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

} // namespace

void Rresmetni(Form& form) {
    const double n = std::fabs(std::floor(Val(form.Text1(0).text())));
    if (n < 1) {
        form.Text1(1).setText(incorrectInput);
        return;
    }
    if (n > largestN) {
        form.Text1(1).setText(tooLarge);
        return;
    }
    const auto N = static_cast<std::int32_t>(n);
    const std::int32_t lastOdd = 2 * N - 1;

    std::u16string output;
    output.reserve(40 + 8 * static_cast<std::size_t>(N));
    appendNumber(output, N);
    output += u'*';
    appendNumber(output, N);
    output += u" = 1 + ...+ ";
    appendNumber(output, lastOdd);
    output += u"\r\n";
    appendNumber(output, N * N);
    output += u" = 1";

    std::vector<std::u16string> oddNumbers;
    oddNumbers.reserve(static_cast<std::size_t>(N - 1));
    for (std::int32_t odd = 3; odd <= lastOdd; odd += 2) {
        oddNumbers.push_back(decimal(odd));
        output += u" + ";
        appendNumber(output, odd);
    }

    form.Text1(1).setText(output);
    form.List1().addItems(oddNumbers);
}

} // namespace demo
