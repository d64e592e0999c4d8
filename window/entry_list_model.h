// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>

#include <string>
#include <vector>

// A list of many short entries kept in one buffer. A QString is made only for the rows a view
// shows, so tens of thousands of odd numbers cost a few bytes each.
class EntryListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Appends the entries at the end, in order, in one insertion.
    void append(const std::vector<std::u16string>& entries);
    void clear();

private:
    QString text_;          // the entries one after another
    QList<qsizetype> ends_; // where each entry ends in text_
};
