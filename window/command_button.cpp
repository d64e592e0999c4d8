// SPDX-License-Identifier: MIT
#include "command_button.h"

#include "design.h"
#include "focus_mark.h"

#include <QKeyEvent>
#include <QPainter>

namespace {
bool isEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}
} // namespace

// Qt presses a focused button with Enter only in dialogs; here it always does. A held key
// repeats its press, and each repeat would be another click. X11 sends each repeat as a release
// and a press with the same time stamp, which Qt does not always mark as a repeat.
void CommandButton::keyPressEvent(QKeyEvent* event) {
    if (!isEnter(*event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && event->timestamp() != enterReleasedAt_)
        click();
}

void CommandButton::keyReleaseEvent(QKeyEvent* event) {
    if (!isEnter(*event)) {
        QPushButton::keyReleaseEvent(event);
        return;
    }
    enterReleasedAt_ = event->timestamp();
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
