// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

// Tells a screen reader, if one is running, a short message from WINDOW, such as the answer to a
// click, without moving the keyboard focus; without one, it does nothing.
void announce(QWidget& window, const QString& message);
