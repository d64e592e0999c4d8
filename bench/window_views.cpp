// SPDX-License-Identifier: MIT
#include "accessible_factories.h"
#include "main_window.h"
#include "main_window_events.h"
#include "output_box.h"
#include "start_up.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <cstdio>

// Drives the window through every view that a user can reach in the output box and saves what
// each shows (NAME.png, the whole window), what copying its selection gives (NAME.txt as plain
// text, NAME.html as HTML), and for each N what the box holds through the control operation and
// what accessibility reads.
// Two builds that save the same files behave alike. Usage: window_views FOLDER
namespace {

class Views {
public:
    Views(MainWindow& window, QDir folder)
        : window_(window), output_(*window.output()), viewport_(*output_.viewport()),
          folder_(std::move(folder)) {}

    void shot(const QString& name) {
        QApplication::processEvents();
        window_.grab().save(folder_.filePath(name + ".png"));
    }

    // Screenshot and the copy of the selection.
    void view(const QString& name) {
        shot(name);
        QApplication::clipboard()->clear();
        QTest::keyClick(&output_, Qt::Key_C, Qt::ControlModifier);
        save(name + ".txt", QApplication::clipboard()->text());
        save(name + ".html", QApplication::clipboard()->mimeData()->html());
    }

    void save(const QString& name, const QString& text) {
        QFile file(folder_.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        file.write(text.toUtf8());
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(&output_, key, modifiers);
    }

    void wheel(int steps) {
        const QPoint at(200, 50);
        QWheelEvent event(at, viewport_.mapToGlobal(at), {}, {0, -120 * steps}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&viewport_, &event);
    }

    // Presses the platform's first key binding for KEY, if it has one.
    void key(QKeySequence::StandardKey key) {
        const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
        if (!bindings.isEmpty())
            QTest::keyClick(&output_, bindings.first()[0].key(),
                            bindings.first()[0].keyboardModifiers());
    }

    // The caret at the end of the second line shown from the top, where a long line wraps.
    QRect endOfSecondLine() {
        key(Qt::Key_Home, Qt::ControlModifier);
        key(Qt::Key_Down);
        key(Qt::Key_End);
        return output_.cursorRect();
    }

    void click(QPoint at) { QTest::mouseClick(&viewport_, Qt::LeftButton, {}, at); }
    void doubleClick(QPoint at) { QTest::mouseDClick(&viewport_, Qt::LeftButton, {}, at); }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(&viewport_, Qt::LeftButton, {}, from);
        QTest::mouseMove(&viewport_, (from + to) / 2);
        QTest::mouseMove(&viewport_, to);
        QTest::mouseRelease(&viewport_, Qt::LeftButton, {}, to);
    }

    // Every view of the output box as it stands, each named after PREFIX.
    void all(const QString& prefix) {
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(&output_)->textInterface();
        save(prefix + "-accessible.txt", text->text(0, text->characterCount()));
        save(prefix + "-text1.txt", QString::fromStdU16String(window_.Text1(1).text()));

        output_.setFocus();
        view(prefix + "-top");
        key(Qt::Key_PageDown);
        view(prefix + "-pagedown");
        key(Qt::Key_PageDown, Qt::NoModifier, 2);
        key(Qt::Key_Down, Qt::NoModifier, 2);
        key(Qt::Key_Right, Qt::NoModifier, 3);
        view(prefix + "-pagedown3-arrows");
        key(Qt::Key_End, Qt::ControlModifier);
        view(prefix + "-bottom");
        key(Qt::Key_PageUp, Qt::NoModifier, 3);
        view(prefix + "-bottom-pageup3");
        key(Qt::Key_Up, Qt::ShiftModifier, 2);
        key(Qt::Key_Left, Qt::ShiftModifier, 4);
        view(prefix + "-shift-up-left");
        key(Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
        view(prefix + "-ctrl-shift-home");
        key(Qt::Key_Home, Qt::ControlModifier);
        view(prefix + "-home");
        key(Qt::Key_Down, Qt::ShiftModifier, 2);
        key(Qt::Key_Right, Qt::ShiftModifier, 5);
        view(prefix + "-shift-down-right");
        key(Qt::Key_PageDown, Qt::ShiftModifier);
        view(prefix + "-shift-pagedown");
        key(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
        view(prefix + "-ctrl-shift-end");
        key(Qt::Key_PageUp, Qt::ShiftModifier);
        view(prefix + "-shift-pageup");
        key(Qt::Key_Home, Qt::ControlModifier);
        key(Qt::Key_Down);
        key(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
        view(prefix + "-ctrl-shift-down");
        key(Qt::Key_Home, Qt::ControlModifier);
        wheel(1);
        view(prefix + "-wheel");
        wheel(3);
        view(prefix + "-wheel4");
        click({150, 45});
        key(Qt::Key_End, Qt::ShiftModifier);
        view(prefix + "-click-shift-end");
        key(Qt::Key_Home, Qt::ControlModifier);
        drag({30, 12}, {260, 75});
        view(prefix + "-drag");
        doubleClick({120, 30});
        view(prefix + "-double-click");
        click({120, 30});
        view(prefix + "-triple-click");
        key(Qt::Key_A, Qt::ControlModifier);
        view(prefix + "-select-all");
        key(Qt::Key_Home, Qt::ControlModifier);
        atWrapPoint(prefix);
    }

    // Where a long line wraps: the keys, word moves and clicks around the end of a line.
    void atWrapPoint(const QString& prefix) {
        const QRect end = endOfSecondLine();
        view(prefix + "-wrap-end");
        key(Qt::Key_Right);
        view(prefix + "-wrap-end-right");
        key(Qt::Key_Left, Qt::ShiftModifier, 2);
        view(prefix + "-wrap-shift-left");
        endOfSecondLine();
        key(Qt::Key_Left);
        key(Qt::Key_Right, Qt::ControlModifier);
        view(prefix + "-wrap-ctrl-right");
        key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier, 2);
        view(prefix + "-wrap-ctrl-shift-right");
        endOfSecondLine();
        key(Qt::Key_Right);
        key(Qt::Key_Left, Qt::ControlModifier);
        view(prefix + "-wrap-ctrl-left");
        key(Qt::Key_Down);
        key(Qt::Key_Home);
        key(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier, 2);
        view(prefix + "-wrap-ctrl-shift-left");
        endOfSecondLine();
        key(QKeySequence::MoveToStartOfBlock);
        view(prefix + "-start-of-block");
        key(QKeySequence::SelectEndOfBlock);
        view(prefix + "-select-end-of-block");
        endOfSecondLine();
        key(QKeySequence::MoveToEndOfBlock);
        view(prefix + "-end-of-block");
        key(QKeySequence::SelectStartOfBlock);
        view(prefix + "-select-start-of-block");
        key(Qt::Key_Home, Qt::ControlModifier);
        key(Qt::Key_Down, Qt::ControlModifier, 3);
        view(prefix + "-ctrl-down");
        key(Qt::Key_Home, Qt::ControlModifier);
        click({end.left() + 12, end.center().y()});
        view(prefix + "-click-right-of-end");
        key(Qt::Key_Right, Qt::ShiftModifier);
        view(prefix + "-click-right-of-end-shift-right");
        doubleClick({end.left() - 3, end.center().y()});
        view(prefix + "-double-click-end-word");
        click({end.left() - 3, end.center().y()});
        view(prefix + "-triple-click-end-word");
        key(Qt::Key_Home, Qt::ControlModifier);
        doubleClick({120, 50});
        QTest::mousePress(&viewport_, Qt::LeftButton, {}, {120, 50});
        QTest::mouseMove(&viewport_, {100, 70});
        view(prefix + "-triple-click-drag-down");
        QTest::mouseMove(&viewport_, {60, 10});
        QTest::mouseRelease(&viewport_, Qt::LeftButton, {}, {60, 10});
        view(prefix + "-triple-click-drag-up");
        key(Qt::Key_Home, Qt::ControlModifier);
    }

private:
    MainWindow& window_;
    QPlainTextEdit& output_;
    QWidget& viewport_;
    QDir folder_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installAccessibleFactories();
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_views FOLDER\n");
        return 2;
    }
    QApplication::setCursorFlashTime(0); // a steady caret, so that screenshots agree
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(".");

    MainWindow window;
    MainWindowEvents events(window);
    showAtStart(window, events);
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qFatal("the window was not activated");

    Views views(window, folder);
    views.all("statement");
    for (const char* input : {"1", "5", "999", "1e4", "3e4", "0", "4e4"}) {
        window.input()->setText(QString::fromLatin1(input));
        QTest::mouseClick(window.command1(0), Qt::LeftButton);
        views.all(QString::fromLatin1(input));
        QTest::mouseClick(window.command1(1), Qt::LeftButton);
    }
    return 0;
}
