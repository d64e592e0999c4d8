// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>

class QWidget;

// The frame that the window manager will put around a window not yet shown, in the window's
// pixels; none where it cannot say. Knowing it beforehand, the window is placed once, frame
// included, instead of jumping when the frame appears.
QMargins expectedFrame(QWidget& window);
