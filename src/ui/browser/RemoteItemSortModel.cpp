#include "ui/browser/RemoteItemSortModel.h"

#include "ui/browser/RemoteItemModel.h"

namespace ondrix {

RemoteItemSortModel::RemoteItemSortModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{}

bool RemoteItemSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const bool leftIsFolder = left.data(RemoteItemModel::IsDirectoryRole).toBool();
    const bool rightIsFolder = right.data(RemoteItemModel::IsDirectoryRole).toBool();
    if (leftIsFolder != rightIsFolder) {
        // A descending sort asks with the sides swapped; folders stay first either way.
        return sortOrder() == Qt::AscendingOrder ? leftIsFolder : rightIsFolder;
    }
    const int leftOrder = left.data(RemoteItemModel::ListingOrderRole).toInt();
    const int rightOrder = right.data(RemoteItemModel::ListingOrderRole).toInt();
    switch (left.column()) {
    case RemoteItemModel::SizeColumn:
    case RemoteItemModel::ModifiedColumn: {
        const qint64 leftKey = left.data(RemoteItemModel::SortKeyRole).toLongLong();
        const qint64 rightKey = right.data(RemoteItemModel::SortKeyRole).toLongLong();
        if (leftKey != rightKey) {
            return leftKey < rightKey;
        }
        break;
    }
    case RemoteItemModel::TypeColumn: {
        const int leftType = left.data(RemoteItemModel::SortKeyRole).toInt();
        const int rightType = right.data(RemoteItemModel::SortKeyRole).toInt();
        if (leftType != rightType) {
            return leftType < rightType;
        }
        break;
    }
    default:
        break;
    }
    return leftOrder < rightOrder;
}

} // namespace ondrix
