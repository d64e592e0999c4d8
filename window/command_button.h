// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

#include <optional>

// A command button as the keyboard expects it: besides Space, Enter presses it, once however
// long the key is held, and it shows a dotted focus mark inside its face while it has the focus.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<quint64> enterReleasedAt_; // the time stamp of the last release of Enter
};
