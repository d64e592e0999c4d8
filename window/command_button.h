// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

#include <optional>

// A command button as the keyboard expects it: besides Space, Enter presses it; either key
// presses it once however long it is held; and it shows a dotted focus mark inside its face
// while it has the focus.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool isRepeat(const QKeyEvent& event) const;

    int releasedKey_ = 0;               // the last key released
    std::optional<quint64> releasedAt_; // and the time stamp of its release
};
