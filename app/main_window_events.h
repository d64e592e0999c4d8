// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class MainWindow;

// The main window's event handlers: the set-up at load and the routing of clicks to the
// demonstration. They hold no state between events.
class MainWindowEvents : public QObject {
    Q_OBJECT

public:
    // Connects the window's clicks to the handlers below.
    explicit MainWindowEvents(MainWindow& window);

    // Runs once, before the window is first shown.
    void Form_Load();
    // Index 0, "Въведи": the calculation; index 1, "Чисти": the clearing. Any other: nothing.
    void Command1_Click(int Index);
    // Clicking a label does nothing.
    void Label1_Click(int Index);

private:
    void announceAnswer();

    MainWindow& window_;
};
