#include "main_window.h"
#include "main_window_events.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kvadrati"));
    QApplication::setApplicationVersion(QStringLiteral(KVADRATI_VERSION));

    MainWindow window;
    MainWindowEvents events(window);
    events.Form_Load();

    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
