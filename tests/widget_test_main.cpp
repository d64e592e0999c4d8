// SPDX-License-Identifier: MIT
#include "accessible_factories.h"
#include "qt_translations.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need no display: they run on Qt's offscreen platform unless told otherwise.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    installBulgarianQtTranslations(app); // as the program does
    installAccessibleFactories();
    return RUN_ALL_TESTS();
}
