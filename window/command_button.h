// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// A command button as the keyboard expects it: Space or Enter presses it once, however long the
// key is held, and it shows a dotted focus mark inside its face while it has the focus.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
