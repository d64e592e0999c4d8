// SPDX-License-Identifier: MIT
#pragma once

#include <cctype>
#include <cstdio>
#include <string>
#include <utility>

// A readable, stable test name for an input text, so that a table case can be read and rerun
// by name: "-.5" becomes "Minus_Dot_5", "&HFF" "Amp_HFF", "" "Empty". Letters and digits stay;
// every other character becomes a word.
inline std::string caseName(const std::u16string& text) {
    static const std::pair<char16_t, const char*> words[] = {
        {u'-', "Minus"}, {u'+', "Plus"}, {u'.', "Dot"}, {u',', "Comma"}, {u'&', "Amp"},
        {u' ', "Space"}, {u'\t', "Tab"}, {u'\n', "Lf"}, {u'\r', "Cr"},
    };
    std::string name;
    bool inWord = false; // the last character was a letter or a digit
    for (const char16_t c : text) {
        const bool alnum = c < 128 && std::isalnum(static_cast<unsigned char>(c));
        if (!name.empty() && (!alnum || !inWord))
            name += '_';
        if (alnum) {
            name += static_cast<char>(c);
        } else {
            std::string word;
            for (const auto& [character, spelled] : words)
                if (character == c)
                    word = spelled;
            if (word.empty()) {
                char code[8];
                std::snprintf(code, sizeof code, "U%04X", static_cast<unsigned>(c));
                word = code;
            }
            name += word;
        }
        inWord = alnum;
    }
    return name.empty() ? "Empty" : name;
}
