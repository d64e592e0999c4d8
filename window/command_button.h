// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>
#include <QTimer>

// A command button as the keyboard expects it: Space presses it when it goes up and Enter when
// it goes down; either presses it once however long it is held; and it shows a dotted focus mark
// inside its face, inset by the given pixels, while it has the focus.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const QString& text, int focusMarkInset, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool isUnmarkedRepeat(const QKeyEvent& press) const;
    void releaseSpace();

    int focusMarkInset_;
    int releasedKey_ = 0;    // the last key released
    quint64 releasedAt_ = 0; // and the time stamp of its release
    QTimer spaceRelease_;    // a release of Space held back until it cannot be a repeat's
};
