// SPDX-License-Identifier: MIT
#include "main_window_events.h"

#include "announcement.h"
#include "calculation.h"
#include "clearing.h"
#include "design.h"
#include "error_report.h"
#include "main_window.h"
#include "output_box.h"

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
    window_.input()->setAccessibleDescription(design::inputDescription.toString());
}

void MainWindowEvents::Command1_Click(int Index) {
    reportErrors(window_, [&] {
        if (Index == 0) {
            demo::Rresmetni(window_);
            announceAnswer();
        } else if (Index == 1)
            demo::Chisti(window_);
    });
}

// The output's first line, the statement for N or a message, is spoken by a screen reader where
// the focus is; the rest can be read in the output box.
void MainWindowEvents::announceAnswer() {
    const QString& shown = window_.output()->shownText();
    announce(window_, shown.left(shown.indexOf(u'\n')));
}

void MainWindowEvents::Label1_Click(int /*Index*/) {}
