// SPDX-License-Identifier: MIT
#include "command_button.h"

#include "focus_mark.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

// Long enough for the press that follows a repeat's release, which X11 sends at once.
constexpr int spaceReleaseWaitMs = 30;

bool isEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}
bool pressesButton(const QKeyEvent& event) {
    return isEnter(event) || event.key() == Qt::Key_Space;
}

} // namespace

CommandButton::CommandButton(const QString& text, int focusMarkInset, QWidget* parent)
    : QPushButton(text, parent), focusMarkInset_(focusMarkInset) {
    spaceRelease_.setSingleShot(true);
    spaceRelease_.setInterval(spaceReleaseWaitMs);
    connect(&spaceRelease_, &QTimer::timeout, this, &CommandButton::releaseSpace);
}

// A held key repeats its press, and each repeat would be another click. X11 sends each repeat
// as a release and a press with the same time stamp, which Qt marks as a repeat only when the
// press has already arrived with the release. Events without a time stamp (0: QTest's, some
// remote-input tools) are never taken for repeats.
bool CommandButton::isUnmarkedRepeat(const QKeyEvent& press) const {
    return press.timestamp() != 0 && press.key() == releasedKey_ &&
           press.timestamp() == releasedAt_;
}

// Qt presses a focused button with Enter only in dialogs; here it always does, on the press.
// Space presses it on the release, as Qt does; a repeated press of either is ignored, so that
// the button stays down until the key goes up.
void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool repeat = event->isAutoRepeat() || isUnmarkedRepeat(*event);
    if (spaceRelease_.isActive()) {
        if (repeat && event->key() == Qt::Key_Space) {
            spaceRelease_.stop(); // the release was a repeat's: Space is still down
            return;
        }
        releaseSpace();
    }
    if (pressesButton(*event) && repeat)
        return;
    if (isEnter(*event))
        click();
    else
        QPushButton::keyPressEvent(event);
}

// A release of Space without the repeat mark but with a time stamp may be a repeat's, which is
// known only from the press that would follow it: Qt's click on the release waits until then.
void CommandButton::keyReleaseEvent(QKeyEvent* event) {
    releasedKey_ = event->key();
    releasedAt_ = event->timestamp();
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && event->timestamp() != 0)
        spaceRelease_.start();
    else if (!isEnter(*event))
        QPushButton::keyReleaseEvent(event);
}

void CommandButton::releaseSpace() {
    spaceRelease_.stop();
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
    QPushButton::keyReleaseEvent(&release);
}

// Space released just before the focus leaves still presses the button.
void CommandButton::focusOutEvent(QFocusEvent* event) {
    if (spaceRelease_.isActive())
        releaseSpace();
    QPushButton::focusOutEvent(event);
}

void CommandButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusMark(
            painter,
            rect().adjusted(focusMarkInset_, focusMarkInset_, -focusMarkInset_, -focusMarkInset_),
            palette().color(QPalette::ButtonText));
    }
}
