// SPDX-License-Identifier: MIT
#include "frame_extents.h"

// Without X11 the window system places the frame itself.
QMargins expectedFrame(QWidget& /*window*/) {
    return {};
}
