// SPDX-License-Identifier: MIT
#pragma once

#include "oracle.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

// A second, independent reading of the input, with regular expressions and the C library, and
// the result the window must then show. Used to check the calculation over many inputs.

// The characters that can make up a number, with blanks, tabs and line feeds left out.
inline std::string numberCharacters(std::u16string_view text) {
    std::string ascii;
    for (const char16_t c : text) {
        if (c >= 0x7F)
            break;
        if (c != u' ' && c != u'\t' && c != u'\n')
            ascii.push_back(static_cast<char>(c));
    }
    return ascii;
}

inline double referenceVal(std::u16string_view text) {
    static const std::regex decimal(R"(^[+-]?(\d+\.?\d*|\.\d+)([eEdD][+-]?\d+)?)");
    static const std::regex radix(R"(^&([hH][0-9a-fA-F]+|[oO][0-7]+))");
    const std::string s = numberCharacters(text);
    std::smatch match;
    if (std::regex_search(s, match, radix)) {
        const std::string digits = match[1].str().substr(1);
        const bool hex = match[1].str()[0] == 'h' || match[1].str()[0] == 'H';
        const unsigned long long value = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 8);
        if (value < 0x10000)
            return value < 0x8000 ? double(value) : double(value) - 65536.0;
        if (value < 0x100000000ULL)
            return value < 0x80000000ULL ? double(value) : double(value) - 4294967296.0;
        return double(value);
    }
    if (!std::regex_search(s, match, decimal))
        return 0;
    std::string number = match[0].str();
    for (char& c : number)
        if (c == 'd' || c == 'D')
            c = 'e';
    return std::strtod(number.c_str(), nullptr);
}

struct Expected {
    std::u16string output; // empty: the output for n
    long long n = 0;
};

// What the output box must show for a text typed into the input box.
inline Expected expectedFor(std::u16string_view input) {
    const double n = std::fabs(std::floor(referenceVal(input)));
    if (n < 1)
        return {incorrectInputMessage};
    if (n > 32767)
        return {tooLargeMessage};
    return {{}, static_cast<long long>(n)};
}

// Whether output and entries are exactly the demonstration for n. Small n are compared with
// the plainly built text; large ones by structure: the first line, N*N, then every odd number
// in turn.
inline bool showsDemonstration(long long n, const std::u16string& output,
                               const std::vector<std::u16string>& entries,
                               std::size_t entriesBefore) {
    if (entries.size() != entriesBefore + static_cast<std::size_t>(n - 1))
        return false;
    if (n <= 1000)
        return output == expectedOutput(n) &&
               std::equal(entries.begin() + static_cast<std::ptrdiff_t>(entriesBefore),
                          entries.end(), expectedEntries(n).begin());
    const std::u16string head =
        widen(std::to_string(n) + "*" + std::to_string(n) + " = 1 + ...+ " +
              std::to_string(2 * n - 1) + "\r\n" + std::to_string(n * n) + " = 1");
    if (output.compare(0, head.size(), head) != 0)
        return false;
    std::size_t at = head.size();
    for (long long k = 2; k <= n; ++k) {
        const std::u16string term = widen(std::to_string(2 * k - 1));
        if (output.compare(at, 3, u" + ") != 0 || output.compare(at + 3, term.size(), term) != 0 ||
            entries[entriesBefore + static_cast<std::size_t>(k - 2)] != term)
            return false;
        at += 3 + term.size();
    }
    return at == output.size();
}
