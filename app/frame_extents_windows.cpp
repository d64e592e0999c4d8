// SPDX-License-Identifier: MIT
#include "frame_extents.h"

#include <QWidget>
#include <QWindow>

// Windows gives a window its frame when it creates it, before it is shown.
QMargins expectedFrame(QWidget& window) {
    window.winId(); // creates the native window
    return window.windowHandle()->frameMargins();
}
