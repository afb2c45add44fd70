#include "ui/history/HistoryFilterModel.h"

#include "ui/history/HistoryListModel.h"

namespace ondrix {

HistoryFilterModel::HistoryFilterModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{}

void HistoryFilterModel::setFilterText(const QString& text)
{
    if (text == m_filterText) {
        return;
    }
    m_filterText = text;
    m_lowerText = text.toLower();
    invalidateFilter();
}

bool HistoryFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (m_lowerText.isEmpty()) {
        return true;
    }
    const QModelIndex row = sourceModel()->index(sourceRow, 0, sourceParent);
    return row.data(HistoryListModel::FilenameLowerRole).toString().contains(m_lowerText) ||
           row.data(HistoryListModel::ConnectionLowerRole).toString().contains(m_lowerText);
}

} // namespace ondrix
