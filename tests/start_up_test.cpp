// SPDX-License-Identifier: MIT
#include "main_window.h"
#include "main_window_events.h"
#include "start_up.h"

#include <QScreen>

#include <gtest/gtest.h>

namespace {

// The window starts centred on any platform, also on the offscreen one these tests run on,
// which offers X11's native interface without an X connection.
TEST(StartUpTest, ShowsTheWindowCentredWithoutAnXConnection) {
    MainWindow window;
    MainWindowEvents events(window);
    showAtStart(window, events);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry().center(), window.screen()->availableGeometry().center());
}

} // namespace
