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
bool pressesButton(const QKeyEvent& event) {
    return isEnter(event) || event.key() == Qt::Key_Space;
}
} // namespace

// A held key repeats its press, and each repeat would be another click. X11 sends each repeat
// as a release and a press with the same time stamp, which Qt does not always mark as a repeat.
bool CommandButton::isRepeat(const QKeyEvent& event) const {
    return event.isAutoRepeat() ||
           (event.key() == releasedKey_ && event.timestamp() == releasedAt_);
}

// Qt presses a focused button with Enter only in dialogs; here it always does, on the press.
// Space presses it on the release, as Qt does; a repeated press of it is ignored, so that the
// button is no longer down when the repeats' releases come.
void CommandButton::keyPressEvent(QKeyEvent* event) {
    if (pressesButton(*event) && isRepeat(*event))
        return;
    if (isEnter(*event))
        click();
    else
        QPushButton::keyPressEvent(event);
}

void CommandButton::keyReleaseEvent(QKeyEvent* event) {
    releasedKey_ = event->key();
    releasedAt_ = event->timestamp();
    if (!isEnter(*event))
        QPushButton::keyReleaseEvent(event);
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
