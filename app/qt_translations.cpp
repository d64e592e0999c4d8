// SPDX-License-Identifier: MIT
#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installBulgarianQtTranslations(QCoreApplication& application) {
#ifdef Q_OS_WIN
    // Built into the program: on Windows no Qt is installed beside it.
    const QString folder = QStringLiteral(":/translations");
#else
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_bg"), folder))
        QCoreApplication::installTranslator(translator);
}
