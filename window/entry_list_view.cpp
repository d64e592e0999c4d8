// SPDX-License-Identifier: MIT
#include "entry_list_view.h"

#include "focus_mark.h"

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
}

void EntryListView::focusOutEvent(QFocusEvent* event) {
    QListView::focusOutEvent(event);
    viewport()->update();
}
