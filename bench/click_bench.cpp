// SPDX-License-Identifier: MIT
#include "accessible_factories.h"
#include "main_window.h"
#include "main_window_events.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// One window for the whole run, as in the program; shown so that it lays out and paints.
MainWindow& shownWindow() {
    static auto* window = [] {
        auto* w = new MainWindow;
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            qFatal("the window was not shown");
        return w;
    }();
    return *window;
}

// Lets the window finish: pending layouts and posted events, then a synchronous paint.
void finishPainting(MainWindow& window) {
    QApplication::processEvents();
    window.repaint();
}

} // namespace

// The whole click on "Въведи" through the real widgets, until the window has painted.
static void Click(benchmark::State& state) {
    MainWindow& window = shownWindow();
    MainWindowEvents events(window);
    const QString input = QString::number(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        events.Command1_Click(1);
        finishPainting(window);
        window.input()->setText(input);
        state.ResumeTiming();

        QTest::mouseClick(window.command1(0), Qt::LeftButton);
        finishPainting(window);
    }
}
BENCHMARK(Click)->Arg(999)->Arg(3000)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The output written the old way, for comparison only: every term reads the whole output box
// back and writes it again, and every odd number is added to the list on its own.
static void PerTermRewrite(benchmark::State& state) {
    MainWindow& window = shownWindow();
    const long n = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        window.List1().clear();
        finishPainting(window);
        state.ResumeTiming();

        demo::TextBox& output = window.Text1(1);
        const auto number = [](long value) {
            const std::string digits = std::to_string(value);
            return std::u16string(digits.begin(), digits.end());
        };
        output.setText(number(n) + u"*" + number(n) + u" = 1 + ...+ " + number(2 * n - 1) +
                       u"\r\n");
        output.setText(output.text() + number(n * n) + u" = " + u"1");
        for (long i = 2; i <= n; ++i) {
            const long j = 2 * (i - 1) + 1;
            window.List1().addItems({number(j)});
            output.setText(output.text() + u" + " + number(j));
        }
        finishPainting(window);
    }
}
BENCHMARK(PerTermRewrite)->Arg(999)->Arg(3000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installAccessibleFactories(); // as the program does
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
