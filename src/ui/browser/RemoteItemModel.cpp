#include "ui/browser/RemoteItemModel.h"

#include "model/ByteSize.h"
#include "ui/browser/RemoteNames.h"

#include <QApplication>
#include <QLocale>
#include <QStyle>

#include <limits>

namespace ondrix {

RemoteItemModel::RemoteItemModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

void RemoteItemModel::setListing(const QString& folder, const QList<RemoteItem>& items)
{
    beginResetModel();
    m_folder = folder;
    m_items = items;
    m_safe.resize(m_items.size());
    m_types.resize(m_items.size());
    m_typeRanks.resize(m_items.size());
    m_folderCount = 0;
    // Types repeat: each distinct one is worked out and ranked once, so sorting by type compares numbers.
    QHash<QString, QString> typeOfExtension;
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        const RemoteItem& item = m_items[i];
        m_safe[i] = RemoteNames::isSafeEntry(item, folder);
        m_folderCount += item.isDirectory ? 1 : 0;
        const QString key =
            item.isDirectory ? QStringLiteral("/") : RemoteNames::extension(item.name).toUpper();
        auto type = typeOfExtension.find(key);
        if (type == typeOfExtension.end()) {
            type = typeOfExtension.insert(key, RemoteNames::typeText(item));
        }
        m_types[i] = *type;
    }
    QStringList distinct = typeOfExtension.values();
    std::sort(distinct.begin(), distinct.end(),
              [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        m_typeRanks[i] = int(distinct.indexOf(m_types[i]));
    }
    endResetModel();
}

void RemoteItemModel::setTags(const QHash<QString, BrowserTag>& tags)
{
    m_tags = tags;
    if (!m_items.isEmpty()) {
        Q_EMIT dataChanged(index(0, NameColumn), index(rowCount() - 1, NameColumn), {TagColourRole});
    }
}

int RemoteItemModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

int RemoteItemModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RemoteItemModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size()) {
        return {};
    }
    const RemoteItem& item = m_items.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn:
            return RemoteNames::shown(item.name);
        case SizeColumn:
            return item.isDirectory ? QString() : ByteSize::text(item.size);
        case TypeColumn:
            return m_types.at(index.row());
        case ModifiedColumn:
            return item.modified.isValid()
                       ? QLocale().toString(item.modified.toLocalTime(), QLocale::ShortFormat)
                       : QString();
        }
        break;
    case Qt::DecorationRole:
        if (index.column() == NameColumn) {
            return iconFor(item);
        }
        break;
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        if (index.column() == NameColumn) {
            QString text = m_safe.at(index.row())
                               ? RemoteNames::shown(item.name)
                               : tr("%1 — the server sent a name that cannot be used safely")
                                     .arg(RemoteNames::shown(item.name));
            // The dot's colour said in words too.
            if (const auto it = m_tags.constFind(item.id); it != m_tags.cend()) {
                text += tr(" (tag: %1)").arg(displayName(*it));
            }
            return text;
        }
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == SizeColumn) {
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        }
        break;
    case ListingOrderRole:
        return index.row();
    case SortKeyRole:
        switch (index.column()) {
        case NameColumn:
            return index.row();
        case SizeColumn:
            return item.size;
        case TypeColumn:
            return m_typeRanks.at(index.row());
        case ModifiedColumn:
            return item.modified.isValid() ? item.modified.toMSecsSinceEpoch()
                                           : std::numeric_limits<qint64>::min();
        }
        break;
    case IsDirectoryRole:
        return item.isDirectory;
    case TagColourRole:
        if (const auto it = m_tags.constFind(item.id); it != m_tags.cend()) {
            return colour(*it);
        }
        break;
    case IsSafeRole:
        return m_safe.at(index.row());
    default:
        break;
    }
    return {};
}

QVariant RemoteItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case NameColumn:
        return tr("Name");
    case SizeColumn:
        return tr("Size");
    case TypeColumn:
        return tr("Type");
    case ModifiedColumn:
        return tr("Modified");
    }
    return {};
}

QIcon RemoteItemModel::iconFor(const RemoteItem& item) const
{
    const QString name = RemoteNames::iconName(item);
    auto it = m_icons.find(name);
    if (it == m_icons.end()) {
        const QStyle::StandardPixmap fallback = item.isDirectory ? QStyle::SP_DirIcon : QStyle::SP_FileIcon;
        it = m_icons.insert(name, QIcon::fromTheme(name, QApplication::style()->standardIcon(fallback)));
    }
    return *it;
}

} // namespace ondrix
