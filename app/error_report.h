// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <exception>

// Shows an unexpected failure in a modal message box titled with the program's name: a
// Bulgarian sentence for the user, and the detail, if any, behind the box's details button.
void showError(QWidget& parent, const QString& detail);

// Runs a handler; an exception that escapes it is shown to the user, and the program goes on.
// Qt's event loop must never see an exception.
template <typename Handler> void reportErrors(QWidget& parent, Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        showError(parent, QString::fromUtf8(error.what()));
    } catch (...) {
        showError(parent, QString());
    }
}
