// SPDX-License-Identifier: MIT
#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installBulgarianQtTranslations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_bg"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}
