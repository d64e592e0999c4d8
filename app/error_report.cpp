// SPDX-License-Identifier: MIT
#include "error_report.h"

#include "design.h"

#include <QApplication>
#include <QMessageBox>

void showError(QWidget& parent, const QString& detail) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    design::unexpectedErrorText.toString(), QMessageBox::Ok, &parent);
    box.setDetailedText(detail);
    box.exec();
}
