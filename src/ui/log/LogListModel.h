#pragma once

#include "records/LogEntry.h"
#include "ui/log/EntryListModel.h"

#include <QFont>
#include <QIcon>

#include <array>

namespace ondrix {

class LogService;

// The activity log's entries as rows, oldest first: the time ("HH:mm:ss", small monospaced, secondary
// colour), the level's symbol in its colour, and the message. Follows the service incrementally.
class LogListModel : public EntryListModel<LogEntry> {
    Q_OBJECT

public:
    enum Column { TimeColumn, LevelColumn, MessageColumn, ColumnCount };

    explicit LogListModel(LogService& log, QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The rows as text to copy: one line per entry, "[yyyy-MM-dd HH:mm:ss] [LEVL] message", joined with line
    // feeds and without a line feed after the last.
    static QString copyText(const QList<LogEntry>& entries);

private:
    QFont m_timeFont;
    std::array<QIcon, 4> m_icons;
};

} // namespace ondrix
