// SPDX-License-Identifier: MIT
#include "line_wrap.h"
#include "main_window.h"
#include "output_box.h"

#include <QTextLayout>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Line 2 of the output for N: N², " = ", 1 and " + " before each further odd number.
QString sumLine(qint64 n) {
    QString line = QString::number(n * n) + QStringLiteral(" = 1");
    for (qint64 odd = 3; odd <= 2 * n - 1; odd += 2)
        line += QStringLiteral(" + ") + QString::number(odd);
    return line;
}

// Where Qt's own layout of LINE starts each wrapped line, as the index of the blank before it.
std::vector<qsizetype> laidOutBreaks(QTextLayout& layout, int width) {
    std::vector<qsizetype> breaks;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (line.textStart() > 0)
            breaks.push_back(line.textStart() - 1);
    }
    layout.endLayout();
    return breaks;
}

// The output box's own font and wrap width, and a narrower width, for N from 1 to 32767.
TEST(LineWrap, BreaksWhereQtLaysTheLineOut) {
    MainWindow window;
    window.show();
    const QFont font = window.output()->document()->defaultFont();
    const int boxWidth = window.output()->viewport()->width() -
                         static_cast<int>(2 * window.output()->document()->documentMargin());
    const LineWrap wrap(font);
    std::vector<qint64> ns;
    for (qint64 n = 1; n <= 400; ++n)
        ns.push_back(n);
    for (qint64 n = 401; n < 32767; n += 211)
        ns.push_back(n);
    ns.push_back(32767);
    for (const qint64 n : ns) {
        const QString line = sumLine(n);
        QTextLayout layout(line, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        for (const int width : {boxWidth, 250}) {
            const auto breaks = wrap.breaks(line, width);
            ASSERT_TRUE(breaks.has_value());
            ASSERT_EQ(*breaks, laidOutBreaks(layout, width)) << "N = " << n << ", width " << width;
        }
    }
    EXPECT_EQ(wrap.breaks(u"25 = 1 + 3 x", boxWidth), std::nullopt);
}

} // namespace
