// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QListView;

// What screen readers see of the list: a table of one column whose cells are the entries. They
// take a table's size from the table and find its current entry from the focus, asking nothing
// of the other entries; of a list, they ask every entry for its role and state, tens of
// thousands of calls over the accessibility bus, before they speak. The entries' interfaces are
// made only for the rows asked for, and let go when the rows change.
class EntryListAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit EntryListAccessible(QListView* view);
    ~EntryListAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override { return 1; }
    int rowCount() const override;
    int selectedCellCount() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    QString columnDescription(int /*column*/) const override { return {}; }
    QString rowDescription(int /*row*/) const override { return {}; }
    QList<QAccessibleInterface*> selectedCells() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    QListView* view() const;
    void forgetCellsFrom(int row);

    mutable QHash<int, QAccessible::Id> cells_; // the entries' interfaces made so far, by row
};
