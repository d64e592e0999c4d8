// SPDX-License-Identifier: MIT
#include "command_button.h"

#include "design.h"
#include "focus_mark.h"

#include <QKeyEvent>
#include <QPainter>

void CommandButton::keyPressEvent(QKeyEvent* event) {
    // Qt presses a focused button with Enter only in dialogs; here it always does. A held key
    // repeats its press, and each repeat would be another click.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusMark(painter,
                      rect().adjusted(design::focusMarkInset, design::focusMarkInset,
                                      -design::focusMarkInset, -design::focusMarkInset),
                      palette().color(QPalette::ButtonText));
    }
}
