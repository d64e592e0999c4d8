// SPDX-License-Identifier: MIT
#include "error_report.h"

#include <QApplication>
#include <QMessageBox>

void showError(QWidget& parent, const QString& text) {
    QMessageBox::critical(&parent, QApplication::applicationName(), text);
}
