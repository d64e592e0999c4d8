// SPDX-License-Identifier: MIT
#include "start_up.h"

#include "main_window.h"
#include "main_window_events.h"

#include <QScreen>

void showAtStart(MainWindow& window, MainWindowEvents& events) {
    events.Form_Load();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
}
