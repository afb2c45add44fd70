#include "ui/log/LogListModel.h"

#include "records/LogService.h"
#include "ui/log/LogLevelStyle.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>

namespace ondrix {

LogListModel::LogListModel(LogService& log, QObject* parent)
    : EntryListModel<LogEntry>([&log] { return log.entries(); }, parent)
    , m_timeFont(QFontDatabase::systemFont(QFontDatabase::FixedFont))
{
    m_timeFont.setPointSizeF(m_timeFont.pointSizeF() * 0.9);
    for (auto level : {LogEntry::LogLevel::info, LogEntry::LogLevel::success, LogEntry::LogLevel::warning,
                       LogEntry::LogLevel::error}) {
        m_icons[std::size_t(level)] = LogLevelStyle::icon(level);
    }
    connect(&log, &LogService::entriesChanged, this, [this] { sourceChanged(); });
}

int LogListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LogListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const LogEntry& entry = entryAt(index.row());
    switch (index.column()) {
    case TimeColumn:
        switch (role) {
        case Qt::DisplayRole:
            return entry.timestamp.toLocalTime().toString(QStringLiteral("HH:mm:ss"));
        case Qt::FontRole:
            return m_timeFont;
        case Qt::ForegroundRole:
            return QGuiApplication::palette().brush(QPalette::PlaceholderText);
        default:
            return {};
        }
    case LevelColumn:
        switch (role) {
        case Qt::DecorationRole:
            return m_icons[std::size_t(entry.level)];
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole:
            return LogLevelStyle::name(entry.level);
        default:
            return {};
        }
    case MessageColumn:
        switch (role) {
        case Qt::DisplayRole: {
            // One row per entry: a message with line feeds shows them as spaces (the copy keeps them).
            QString text = entry.message;
            text.replace(QLatin1Char('\n'), QLatin1Char(' '));
            return text;
        }
        case Qt::ToolTipRole:
            return entry.message;
        default:
            return {};
        }
    default:
        return {};
    }
}

QString LogListModel::copyText(const QList<LogEntry>& entries)
{
    QStringList lines;
    lines.reserve(entries.size());
    for (const LogEntry& entry : entries) {
        lines.append(QLatin1Char('[') + LogService::formatTimestamp(entry.timestamp) + QStringLiteral("] [") +
                     fileLabel(entry.level) + QStringLiteral("] ") + entry.message);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace ondrix
