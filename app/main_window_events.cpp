// SPDX-License-Identifier: MIT
#include "main_window_events.h"

#include "calculation.h"
#include "clearing.h"
#include "error_report.h"
#include "main_window.h"

#include <QLineEdit>

namespace {
// The most characters the user can type into the input box.
constexpr int inputMaxLength = 3;
} // namespace

MainWindowEvents::MainWindowEvents(MainWindow& window) : window_(window) {
    connect(&window, &MainWindow::command1Clicked, this, &MainWindowEvents::Command1_Click);
    connect(&window, &MainWindow::label1Clicked, this, &MainWindowEvents::Label1_Click);
}

void MainWindowEvents::Form_Load() {
    window_.input()->setMaxLength(inputMaxLength);
}

void MainWindowEvents::Command1_Click(int Index) {
    reportErrors(window_, [&] {
        if (Index == 0)
            demo::Rresmetni(window_);
        else if (Index == 1)
            demo::Chisti(window_);
    });
}

void MainWindowEvents::Label1_Click(int /*Index*/) {}
