// SPDX-License-Identifier: MIT
#include "accessible_factories.h"

#include "entry_list_accessible.h"
#include "entry_list_view.h"
#include "main_window.h"
#include "read_only_text_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// Screen readers take the window for a frame, as it is, not for a filler inside one.
QAccessibleInterface* mainWindowAccessibleFactory(const QString& /*className*/, QObject* object) {
    if (auto* window = qobject_cast<MainWindow*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

QAccessibleInterface* entryListAccessibleFactory(const QString& /*className*/, QObject* object) {
    if (auto* list = qobject_cast<EntryListView*>(object))
        return new EntryListAccessible(list);
    return nullptr;
}

} // namespace

void installAccessibleFactories() {
    QAccessible::installFactory(mainWindowAccessibleFactory);
    QAccessible::installFactory(entryListAccessibleFactory);
    QAccessible::installFactory(readOnlyTextAccessibleFactory);
}
