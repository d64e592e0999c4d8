// SPDX-License-Identifier: MIT
#include "accessible_factories.h"
#include "main_window.h"
#include "main_window_events.h"
#include "output_box.h"
#include "start_up.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#ifdef _WIN32
#include <windows.h>

#include <psapi.h> // after windows.h, which it needs
#else
#include <sys/resource.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

// A click on "Въведи" as a user gets it: in a freshly started program whose window is shown,
// from the press until the output box has painted. Then the same click repeated (each after
// "Чисти"), as a steady click. Usage: first_click INPUT (what the user types: 999, 1e4, 3e4)
// Prints: first click ms, median steady click ms, peak memory MiB after the first click.
namespace {

// Notes when the output box's viewport paints.
struct PaintWatch : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

double peakMiB() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
#endif
}

// Presses the button and lets the event loop run until the output box has painted.
double clickUntilPainted(MainWindow& window, int command, PaintWatch& watch) {
    watch.painted = false;
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(window.command1(command), Qt::LeftButton);
    while (!watch.painted)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents(); // the flush that follows the paint
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installAccessibleFactories(); // as the program does
    const QString input = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("3e4");
    MainWindow window;
    MainWindowEvents events(window);
    showAtStart(window, events);
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was not shown");
    QTest::qWait(300); // idle, as when a user has just typed the number

    PaintWatch watch;
    window.output()->viewport()->installEventFilter(&watch);
    window.input()->setText(input);
    const double first = clickUntilPainted(window, 0, watch);
    const double peak = peakMiB();

    std::vector<double> steady;
    for (int run = 0; run < 7; ++run) {
        clickUntilPainted(window, 1, watch);
        window.input()->setText(input);
        steady.push_back(clickUntilPainted(window, 0, watch));
    }
    std::nth_element(steady.begin(), steady.begin() + 3, steady.end());
    std::printf("%.2f %.2f %.1f\n", first, steady[3], peak);
    return 0;
}
