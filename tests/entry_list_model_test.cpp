// SPDX-License-Identifier: MIT
#include "entry_list_model.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QStringList rows(const EntryListModel& model) {
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown.append(model.index(row).data().toString());
    return shown;
}

TEST(EntryListModel, AppendsBatchesInOrderEachInOneInsertion) {
    EntryListModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    const std::vector<std::vector<std::u16string>> batches{
        {u"3", u"5"}, {}, {u"", u"65533"}, {u"7"}};
    for (const auto& batch : batches)
        model.append(batch);

    EXPECT_EQ(rows(model), QStringList({"3", "5", "", "65533", "7"}));
    EXPECT_EQ(inserted.count(), 3);
}

TEST(EntryListModel, ClearsAndStartsAgain) {
    EntryListModel model;
    model.append({u"3", u"5"});
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
    model.append({u"9"});
    EXPECT_EQ(rows(model), QStringList({"9"}));
}

TEST(EntryListModel, GivesOnlyTheDisplayTextOfItsRows) {
    EntryListModel model;
    model.append({u"3"});
    EXPECT_FALSE(model.index(0).data(Qt::EditRole).isValid());
    EXPECT_FALSE(model.data(QModelIndex(), Qt::DisplayRole).isValid());
    EXPECT_EQ(model.rowCount(model.index(0)), 0);
}

} // namespace
