// SPDX-License-Identifier: MIT
#include "entry_list_accessible.h"

#include <QListView>
#include <QPointer>

#include <algorithm>

namespace {

// One entry: a cell of the one column, named with the entry's text.
class EntryAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    EntryAccessible(QListView* view, int row) : view_(view), row_(row) {}

    bool isValid() const override { return view_ && row_ < view_->model()->rowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? index().data().toString() : QString();
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    QRect rect() const override {
        const QRect place = view_->visualRect(index());
        return {view_->viewport()->mapToGlobal(place.topLeft()), place.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    // As Qt's own item views tell it: the current entry is the focused one.
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.focused = view_->currentIndex().row() == row_;
        state.selected = view_->selectionModel()->isRowSelected(row_);
        state.invisible = !view_->viewport()->rect().intersects(view_->visualRect(index()));
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return view_->selectionModel()->isRowSelected(row_); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QModelIndex index() const { return view_->model()->index(row_, 0); }

    QPointer<QListView> view_;
    int row_;
};

} // namespace

EntryListAccessible::EntryListAccessible(QListView* view)
    : QAccessibleWidget(view, QAccessible::Table) {}

EntryListAccessible::~EntryListAccessible() {
    forgetCellsFrom(0);
}

QListView* EntryListAccessible::view() const {
    return static_cast<QListView*>(widget());
}

void* EntryListAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int EntryListAccessible::childCount() const {
    return rowCount();
}

int EntryListAccessible::rowCount() const {
    return view()->model() ? view()->model()->rowCount() : 0;
}

QAccessibleInterface* EntryListAccessible::child(int index) const {
    if (index < 0 || index >= rowCount())
        return nullptr;
    if (const QAccessible::Id id = cells_.value(index))
        return QAccessible::accessibleInterface(id);
    auto* cell = new EntryAccessible(view(), index);
    cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface* EntryListAccessible::cellAt(int row, int column) const {
    return column == 0 ? child(row) : nullptr;
}

int EntryListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const QAccessibleTableCellInterface* cell =
        child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    return cell && cell->table() == this ? cell->rowIndex() : -1;
}

QAccessibleInterface* EntryListAccessible::childAt(int x, int y) const {
    const QModelIndex at = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return at.isValid() ? child(at.row()) : nullptr;
}

QAccessibleInterface* EntryListAccessible::focusChild() const {
    const QModelIndex current = view()->currentIndex();
    return view()->hasFocus() && current.isValid() ? child(current.row()) : nullptr;
}

QList<int> EntryListAccessible::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : view()->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int EntryListAccessible::selectedRowCount() const {
    return static_cast<int>(view()->selectionModel()->selectedRows().size());
}

int EntryListAccessible::selectedCellCount() const {
    return selectedRowCount();
}

QList<QAccessibleInterface*> EntryListAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const int row : selectedRows())
        cells.append(child(row));
    return cells;
}

bool EntryListAccessible::isRowSelected(int row) const {
    return view()->selectionModel()->isRowSelected(row);
}

bool EntryListAccessible::selectRow(int row) {
    if (row < 0 || row >= rowCount() || view()->selectionMode() == QAbstractItemView::NoSelection)
        return false;
    const auto command = view()->selectionMode() == QAbstractItemView::SingleSelection
                             ? QItemSelectionModel::ClearAndSelect
                             : QItemSelectionModel::Select;
    view()->selectionModel()->select(view()->model()->index(row, 0), command);
    return true;
}

bool EntryListAccessible::unselectRow(int row) {
    if (row < 0 || row >= rowCount())
        return false;
    view()->selectionModel()->select(view()->model()->index(row, 0), QItemSelectionModel::Deselect);
    return true;
}

// Entries added after the last row keep the others in their rows; anything else moves them.
void EntryListAccessible::modelChange(QAccessibleTableModelChangeEvent* event) {
    switch (event->modelChangeType()) {
    case QAccessibleTableModelChangeEvent::RowsInserted:
    case QAccessibleTableModelChangeEvent::RowsRemoved:
        forgetCellsFrom(event->firstRow());
        break;
    case QAccessibleTableModelChangeEvent::ModelReset:
        forgetCellsFrom(0);
        break;
    default:
        break;
    }
}

void EntryListAccessible::forgetCellsFrom(int row) {
    for (auto cell = cells_.begin(); cell != cells_.end();) {
        if (cell.key() >= row) {
            QAccessible::deleteAccessibleInterface(cell.value());
            cell = cells_.erase(cell);
        } else {
            ++cell;
        }
    }
}
