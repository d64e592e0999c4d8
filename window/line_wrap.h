// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

// Where Qt's text layout wraps a line of the output's sums (digits, blanks, "+" and "="), worked
// out from the font's advances without laying the line out. Qt breaks such a line only after a
// blank, which then hangs at the end of the line; a word goes to the next line when its end,
// with the part of its last glyph that reaches past the advance, passes the width.
class LineWrap {
public:
    explicit LineWrap(const QFont& font);

    const QFont& font() const { return font_; }
    // The indexes of the blanks after which the line wraps at WIDTH pixels, or nothing when
    // the line holds any other character.
    std::optional<std::vector<qsizetype>> breaks(QStringView line, int width) const;

private:
    static constexpr QStringView alphabet = u"0123456789 +=";
    static constexpr qsizetype letters = alphabet.size();

    QFont font_;
    std::array<qint8, 128> letterOf_{}; // each ASCII character's place in the alphabet, or -1
    // In 1/64 pixel, as Qt's layout counts: each letter's advance, the kerning of each pair
    // (first letter * letters + second) and how far each glyph reaches past its advance.
    std::array<int, letters> advance_{};
    std::array<int, letters * letters> kerning_{};
    std::array<int, letters> overhang_{};
};
