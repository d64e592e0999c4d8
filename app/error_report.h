// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <exception>

// Shows an error in a modal message box titled with the program's name.
void showError(QWidget& parent, const QString& text);

// Runs a handler; an exception that escapes it is shown to the user, and the program goes on.
// Qt's event loop must never see an exception.
template <typename Handler> void reportErrors(QWidget& parent, Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        showError(parent, QString::fromUtf8(error.what()));
    } catch (...) {
        showError(parent, QStringLiteral("Unknown error"));
    }
}
