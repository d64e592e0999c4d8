// SPDX-License-Identifier: MIT
#include "entry_list_model.h"

int EntryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ends_.size());
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const {
    // A view asks with an invalid index too, e.g. for Ctrl+C in an empty list: no row, no text.
    if (!index.isValid() || !checkIndex(index) || role != Qt::DisplayRole)
        return {};
    const qsizetype begin = index.row() == 0 ? 0 : ends_[index.row() - 1];
    return text_.mid(begin, ends_[index.row()] - begin);
}

void EntryListModel::append(const std::vector<std::u16string>& entries) {
    if (entries.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(entries.size()) - 1);
    ends_.reserve(ends_.size() + static_cast<qsizetype>(entries.size()));
    for (const std::u16string& entry : entries) {
        text_.append(QStringView(entry));
        ends_.append(text_.size());
    }
    endInsertRows();
}

void EntryListModel::clear() {
    beginResetModel();
    text_ = QString();
    ends_ = QList<qsizetype>();
    endResetModel();
}
