#pragma once

#include <QSortFilterProxyModel>

namespace ondrix {

// The history rows the search lets through: all with an empty search text, otherwise those whose file name
// or connection name contains the text, ignoring case. Keeps the history's order.
class HistoryFilterModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit HistoryFilterModel(QObject* parent = nullptr);

    QString filterText() const { return m_filterText; }
    void setFilterText(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString m_filterText;
    QString m_lowerText;
};

} // namespace ondrix
