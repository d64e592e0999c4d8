// SPDX-License-Identifier: MIT
#include "line_wrap.h"

#include <QFontMetricsF>

#include <algorithm>

namespace {

int sixtyFourths(qreal pixels) {
    return qRound(pixels * 64);
}

} // namespace

LineWrap::LineWrap(const QFont& font) : font_(font) {
    letterOf_.fill(-1);
    for (qsizetype letter = 0; letter < letters; ++letter)
        letterOf_[alphabet[letter].unicode()] = static_cast<qint8>(letter);
    const QFontMetricsF metrics(font);
    for (qsizetype first = 0; first < letters; ++first) {
        const QString letter(alphabet[first]);
        advance_[first] = sixtyFourths(metrics.horizontalAdvance(letter));
        overhang_[first] = std::max(0, -sixtyFourths(metrics.rightBearing(alphabet[first])));
    }
    for (qsizetype first = 0; first < letters; ++first) {
        for (qsizetype second = 0; second < letters; ++second) {
            const QString pair = QString(alphabet[first]) + alphabet[second];
            kerning_[first * letters + second] =
                sixtyFourths(metrics.horizontalAdvance(pair)) - advance_[first] - advance_[second];
        }
    }
}

std::optional<std::vector<qsizetype>> LineWrap::breaks(QStringView line, int width) const {
    const auto isLetter = [this](QChar c) {
        return c.unicode() < letterOf_.size() && letterOf_[c.unicode()] >= 0;
    };
    if (!std::all_of(line.begin(), line.end(), isLetter))
        return std::nullopt;
    const auto at = [this, line](qsizetype i) { return letterOf_[line[i].unicode()]; };

    std::vector<qsizetype> breaks;
    const qsizetype blank = alphabet.indexOf(u' ');
    const int limit = width * 64;
    int x = 0; // the pen position before letter i, counted from the start of the paragraph
    qsizetype lineStart = 0, wordStart = 0;
    int lineStartX = 0, wordStartX = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const qsizetype letter = at(i);
        const bool last = i + 1 == line.size();
        if (letter != blank && (i == 0 || at(i - 1) == blank)) {
            wordStart = i;
            wordStartX = x;
        }
        x += advance_[letter] + (last ? 0 : kerning_[letter * letters + at(i + 1)]);
        const bool wordEnds = letter != blank && (last || at(i + 1) == blank);
        if (wordEnds && wordStart > lineStart && x - lineStartX + overhang_[letter] > limit) {
            breaks.push_back(wordStart - 1);
            lineStart = wordStart;
            lineStartX = wordStartX;
        }
    }
    return breaks;
}
