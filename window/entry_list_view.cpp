// SPDX-License-Identifier: MIT
#include "entry_list_view.h"

#include "focus_mark.h"

#include <QAccessible>
#include <QPainter>

void EntryListView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    if (!hasFocus())
        return;
    const QModelIndex current = currentIndex();
    const QRect place = current.isValid()
                            ? visualRect(current)
                            : QRect(0, 0, viewport()->width(), fontMetrics().height());
    QPainter painter(viewport());
    drawFocusMark(painter, place, palette().color(QPalette::Text));
}

// An empty list repaints nothing of its own when the focus comes or goes.
void EntryListView::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    viewport()->update();
    // Qt tells screen readers that the list has the focus after telling them of the entry it
    // makes current on the way in, and they then speak the list alone: the entry is told again.
    if (QAccessible::isActive())
        QMetaObject::invokeMethod(this, &EntryListView::tellCurrentEntry, Qt::QueuedConnection);
}

void EntryListView::tellCurrentEntry() {
    if (!hasFocus() || !currentIndex().isValid())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(currentIndex().row());
    QAccessible::updateAccessibility(&focus);
}

void EntryListView::focusOutEvent(QFocusEvent* event) {
    QListView::focusOutEvent(event);
    viewport()->update();
}
