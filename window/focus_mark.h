// SPDX-License-Identifier: MIT
#pragma once

class QColor;
class QPainter;
class QRect;

// Draws the keyboard-focus mark: a dotted rectangle, every other pixel set, along the inside of
// the given rectangle.
void drawFocusMark(QPainter& painter, const QRect& rect, const QColor& colour);
