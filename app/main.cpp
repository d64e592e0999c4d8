// SPDX-License-Identifier: MIT
#include "accessible_factories.h"
#include "main_window.h"
#include "main_window_events.h"
#include "qt_translations.h"
#include "start_up.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kvadrati"));
    QApplication::setApplicationVersion(QStringLiteral(KVADRATI_VERSION));
    installBulgarianQtTranslations(app);
    installAccessibleFactories();

    MainWindow window;
    MainWindowEvents events(window);
    showAtStart(window, events);
    return QApplication::exec();
}
