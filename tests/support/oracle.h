// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// What the output box and the list must show for N, built the plainest way: std::to_string
// and concatenation, one odd number 2k-1 for each k.
inline std::u16string widen(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

inline std::u16string expectedOutput(long long n) {
    std::string text = std::to_string(n) + "*" + std::to_string(n) + " = 1 + ...+ " +
                       std::to_string(2 * n - 1) + "\r\n" + std::to_string(n * n) + " = 1";
    for (long long k = 2; k <= n; ++k)
        text += " + " + std::to_string(2 * k - 1);
    return widen(text);
}

inline std::vector<std::u16string> expectedEntries(long long n) {
    std::vector<std::u16string> entries;
    for (long long k = 2; k <= n; ++k)
        entries.push_back(widen(std::to_string(2 * k - 1)));
    return entries;
}

inline const std::u16string incorrectInputMessage = u"Некоректни входни данни!";
inline const std::u16string tooLargeMessage =
    u"Твърде голямо число! Най-голямото допустимо N е 32767.";
