#pragma once

#include "records/HistoryEntry.h"
#include "ui/log/EntryListModel.h"

#include <QColor>
#include <QFont>

namespace ondrix {

class HistoryService;

// The upload history as a table, newest first: Time, Status ("Success" in green, with how the delivery was
// proven as its tool tip; "Error" in red), Connection, File, Size and Error (in red). Follows the service
// incrementally.
class HistoryListModel : public EntryListModel<HistoryEntry> {
    Q_OBJECT

public:
    enum Column {
        TimeColumn,
        StatusColumn,
        ConnectionColumn,
        FileColumn,
        SizeColumn,
        ErrorColumn,
        ColumnCount
    };

    // Search matches these roles (the file and connection names in lower case).
    static constexpr int FilenameLowerRole = Qt::UserRole + 1;
    static constexpr int ConnectionLowerRole = Qt::UserRole + 2;

    explicit HistoryListModel(HistoryService& history, QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Texts of the status and error columns, readable on the application's window colour.
    static QColor successColor();
    static QColor errorColor();

private:
    QFont m_timeFont;
};

} // namespace ondrix
