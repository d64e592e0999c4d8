// SPDX-License-Identifier: MIT
#pragma once

#include <QListView>

// The list box. While it has the focus it marks its current entry with a dotted rectangle, or
// the place of the first entry while it is empty, so that the focus shows even then.
class EntryListView : public QListView {
    Q_OBJECT

public:
    using QListView::QListView;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void tellCurrentEntry();
};
