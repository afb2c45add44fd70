#include "ui/log/EntryListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace ondrix;

namespace {

struct Item {
    QUuid id = QUuid::createUuid();
    int value = 0;
};

class ItemModel : public EntryListModel<Item> {
public:
    explicit ItemModel(QList<Item>& source)
        : EntryListModel<Item>([&source] { return source; })
    {}
    int columnCount(const QModelIndex& = {}) const override { return 1; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(entryAt(index.row()).value) : QVariant();
    }
};

QList<int> values(const QList<Item>& items)
{
    QList<int> out;
    for (const Item& item : items)
        out.append(item.value);
    return out;
}

QList<Item> makeItems(int from, int to)
{
    QList<Item> items;
    for (int i = from; i < to; ++i)
        items.append(Item{.value = i});
    return items;
}

} // namespace

// Rows follow the list by inserts and removals at the ends, never a reset, consistent for Qt's tester.
TEST(EntryListModel, FollowsGrowthAndTrimmingAtEitherEndWithoutReset)
{
    QList<Item> source;
    ItemModel model(source);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

    source = makeItems(0, 5);
    model.syncNow();
    EXPECT_EQ(values(model.entries()), values(source));

    // Log: appended at the end, the oldest trimmed from the front.
    source = source.mid(2) + makeItems(5, 8);
    model.syncNow();
    EXPECT_EQ(values(model.entries()), QList<int>({2, 3, 4, 5, 6, 7}));

    // History: prepended, trimmed at the end.
    source = makeItems(100, 103) + source.mid(0, 3);
    model.syncNow();
    EXPECT_EQ(values(model.entries()), QList<int>({100, 101, 102, 2, 3, 4}));

    // Both ends at once, and a changed value under a kept id.
    source = makeItems(200, 201) + source.mid(1, 4) + makeItems(300, 302);
    source[2].value = -101;
    model.syncNow();
    EXPECT_EQ(values(model.entries()), QList<int>({200, 101, -101, 2, 3, 300, 301}));
    EXPECT_EQ(model.resetCount(), 0);
    EXPECT_EQ(removed.size(), 4);
    EXPECT_EQ(inserted.size(), 5);

    // Nothing in common, a reorder, and emptied.
    source = makeItems(400, 403);
    model.syncNow();
    EXPECT_EQ(values(model.entries()), QList<int>({400, 401, 402}));
    std::swap(source[0], source[2]);
    model.syncNow();
    EXPECT_EQ(values(model.entries()), QList<int>({402, 401, 400}));
    source.clear();
    model.syncNow();
    EXPECT_EQ(model.rowCount(), 0);
}
