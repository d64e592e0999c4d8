// SPDX-License-Identifier: MIT
#include "main_window.h"
#include "output_box.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <cstdio>

// A plain read-only QPlainTextEdit that shows the text of a file (UTF-8) as the output box would:
// the box's size, font, line wrap, scroll bars and keyboard selection taken from a main window,
// which is laid out but not put on the screen.
// The accessibility check compares what screen readers get of the two.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: plain_text_box TEXT_FILE\n", stderr);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "plain_text_box: cannot read %s\n", argv[1]);
        return 1;
    }
    QApplication::setApplicationName(QStringLiteral("plain_text_box"));

    MainWindow window; // laid out as when shown, but not put on the screen
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    const QPlainTextEdit& output = *window.output();
    QPlainTextEdit box;
    box.setWindowTitle(QStringLiteral("plain text box"));
    box.setReadOnly(true);
    box.setTextInteractionFlags(output.textInteractionFlags()); // a caret the keys move
    box.setFont(output.font());
    box.setLineWrapMode(output.lineWrapMode());
    box.setVerticalScrollBarPolicy(output.verticalScrollBarPolicy());
    box.setHorizontalScrollBarPolicy(output.horizontalScrollBarPolicy());
    box.setFixedSize(output.size());
    box.setPlainText(QString::fromUtf8(file.readAll()));
    box.show();
    // Lines are broken at the viewport's width: the same as the output box's, or no comparison.
    if (box.viewport()->width() != output.viewport()->width()) {
        std::fprintf(stderr, "plain_text_box: viewport %d pixels wide, the output box's %d\n",
                     box.viewport()->width(), output.viewport()->width());
        return 1;
    }
    return QApplication::exec();
}
