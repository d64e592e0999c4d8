// SPDX-License-Identifier: MIT
#include "accessible_factories.h"
#include "main_window.h"
#include "main_window_events.h"
#include "start_up.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

// Starts as the program does and quits once the window has painted for the first time,
// printing the milliseconds since KVADRATI_START_NS (nanoseconds since the epoch, set by the
// caller just before starting this process).
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installAccessibleFactories(); // as the program does
    MainWindow window;
    MainWindowEvents events(window);

    struct FirstPaint : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                QTimer::singleShot(0, qApp, &QCoreApplication::quit); // after this paint
            return false;
        }
    } firstPaint;
    window.installEventFilter(&firstPaint);
    showAtStart(window, events);
    QApplication::exec();

    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const char* start = std::getenv("KVADRATI_START_NS");
    if (start) {
        const auto elapsed = now - std::chrono::nanoseconds(std::strtoll(start, nullptr, 10));
        std::printf("%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
    }
    return 0;
}
