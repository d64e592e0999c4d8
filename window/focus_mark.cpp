// SPDX-License-Identifier: MIT
#include "focus_mark.h"

#include <QPainter>
#include <QPen>

void drawFocusMark(QPainter& painter, const QRect& rect, const QColor& colour) {
    QPen dotted(colour, 0); // cosmetic: one pixel wide at any scale
    dotted.setDashPattern({1.0, 1.0});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(dotted);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}
