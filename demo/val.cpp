// SPDX-License-Identifier: MIT
#include "val.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace demo {
namespace {

// The text as plain ASCII, without the characters Val skips, cut at the first character
// that no number can contain.
std::string significantAscii(std::u16string_view text) {
    std::string ascii;
    for (const char16_t c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        if (c > 0x7E)
            break;
        ascii += static_cast<char>(c);
    }
    return ascii;
}

bool isDigit(char c, int radix) {
    if (radix == 16)
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    return c >= '0' && c < '0' + radix;
}

int digitValue(char c) {
    if (c >= 'a')
        return c - 'a' + 10;
    if (c >= 'A')
        return c - 'A' + 10;
    return c - '0';
}

// "&H..." or "&O...", the text after the "&".
double radixNumber(std::string_view s) {
    if (s.empty())
        return 0;
    int radix = 0;
    if (s.front() == 'H' || s.front() == 'h')
        radix = 16;
    else if (s.front() == 'O' || s.front() == 'o')
        radix = 8;
    else
        return 0;

    // Past 2^56 the value is far beyond any N; it stays there rather than wrap around.
    constexpr std::uint64_t saturated = std::uint64_t{1} << 56;
    std::uint64_t value = 0;
    for (const char c : s.substr(1)) {
        if (!isDigit(c, radix))
            break;
        value = value >= saturated ? saturated
                                   : value * static_cast<std::uint64_t>(radix) +
                                         static_cast<std::uint64_t>(digitValue(c));
    }
    if (value <= 0xFFFF)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    if (value <= 0xFFFFFFFF)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return static_cast<double>(value);
}

std::string_view takeDigits(std::string_view s, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < s.size() && isDigit(s[pos], 10))
        ++pos;
    return s.substr(start, pos - start);
}

double decimalNumber(std::string_view s) {
    std::size_t pos = 0;
    const bool negative = pos < s.size() && s[pos] == '-';
    if (pos < s.size() && (s[pos] == '-' || s[pos] == '+'))
        ++pos;
    const std::string_view whole = takeDigits(s, pos);
    std::string_view fraction;
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        fraction = takeDigits(s, pos);
    }
    if (whole.empty() && fraction.empty())
        return 0;

    // The exponent counts only if digits follow the letter and its sign.
    long exponent = 0;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E' || s[pos] == 'd' || s[pos] == 'D')) {
        std::size_t expPos = pos + 1;
        const bool expNegative = expPos < s.size() && s[expPos] == '-';
        if (expPos < s.size() && (s[expPos] == '-' || s[expPos] == '+'))
            ++expPos;
        for (const char c : takeDigits(s, expPos))
            exponent = std::min(100'000L, exponent * 10 + (c - '0'));
        if (expNegative)
            exponent = -exponent;
    }

    const std::string number =
        std::string(whole) + "." + std::string(fraction) + "e" + std::to_string(exponent);
    double magnitude = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        // Decide between overflow and underflow by the power of ten of the first
        // significant digit.
        const auto firstWhole = whole.find_first_not_of('0');
        const long leadingPower = firstWhole != std::string_view::npos
                                      ? static_cast<long>(whole.size() - firstWhole) - 1
                                      : -static_cast<long>(fraction.find_first_not_of('0')) - 1;
        magnitude = leadingPower + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

} // namespace

double Val(std::u16string_view text) {
    const std::string s = significantAscii(text);
    if (!s.empty() && s.front() == '&')
        return radixNumber(std::string_view(s).substr(1));
    return decimalNumber(s);
}

} // namespace demo
