#pragma once

#include "transfer/RemoteItem.h"
#include "ui/browser/BrowserTag.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>

namespace ondrix {

// One listed folder as a table: a row per entry in the order the server's listing was sorted (folders
// first, then by name), with the columns Name, Size, Type and Modified. Holds the listing and the tags,
// nothing else: sorting and selection belong to the view (RemoteItemSortModel, the view's selection model).
//
// Main thread.
class RemoteItemModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn, SizeColumn, TypeColumn, ModifiedColumn, ColumnCount };
    enum Role {
        // The entry's position in the listing (int): sorting by name keeps the listing's own order.
        ListingOrderRole = Qt::UserRole + 1,
        // The value a column sorts by: the order for Name, the byte count for Size, the rank of the type's
        // text among the folder's types for Type, milliseconds since 1970 for Modified (entries without a
        // date first).
        SortKeyRole,
        IsDirectoryRole,
        // The tag's colour (QColor), when the entry has a tag.
        TagColourRole,
        // False when the server sent a name that operations must not use.
        IsSafeRole,
    };

    explicit RemoteItemModel(QObject* parent = nullptr);

    // Replaces the listing of `folder` (one reset, whatever its size).
    void setListing(const QString& folder, const QList<RemoteItem>& items);
    void setTags(const QHash<QString, BrowserTag>& tags);

    QString folder() const { return m_folder; }
    const QList<RemoteItem>& items() const { return m_items; }
    const RemoteItem& item(int row) const { return m_items.at(row); }
    bool isSafe(int row) const { return m_safe.at(row); }
    qsizetype folderCount() const { return m_folderCount; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QIcon iconFor(const RemoteItem& item) const;

    QString m_folder;
    QList<RemoteItem> m_items;
    QList<bool> m_safe;
    QStringList m_types;
    QList<int> m_typeRanks;
    qsizetype m_folderCount = 0;
    QHash<QString, BrowserTag> m_tags;
    mutable QHash<QString, QIcon> m_icons;
};

} // namespace ondrix
