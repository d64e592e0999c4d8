// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

// Qt's own texts, such as the context menus of the text boxes and the buttons of message
// boxes, in Bulgarian whatever the user's locale: the rest of the program is Bulgarian too.
void installBulgarianQtTranslations(QCoreApplication& application);
