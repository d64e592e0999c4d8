// SPDX-License-Identifier: MIT
#include "start_up.h"

#include "frame_extents.h"
#include "main_window.h"
#include "main_window_events.h"

#include <QScreen>

void showAtStart(MainWindow& window, MainWindowEvents& events) {
    events.Form_Load();
    // The whole window, frame included, centred. The geometry is that of the inside.
    const QMargins frame = expectedFrame(window);
    const QRect whole(QPoint(), window.size().grownBy(frame));
    const QPoint wholeTopLeft = window.screen()->availableGeometry().center() - whole.center();
    window.setGeometry(QRect(wholeTopLeft + QPoint(frame.left(), frame.top()), window.size()));
    window.show();
}
