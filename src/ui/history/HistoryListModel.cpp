#include "ui/history/HistoryListModel.h"

#include "model/ByteSize.h"
#include "records/HistoryService.h"
#include "ui/common/StatusPalette.h"

#include <QColor>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>

namespace ondrix {

HistoryListModel::HistoryListModel(HistoryService& history, QObject* parent)
    : EntryListModel<HistoryEntry>([&history] { return history.entries(); }, parent)
    , m_timeFont(QFontDatabase::systemFont(QFontDatabase::FixedFont))
{
    connect(&history, &HistoryService::entriesChanged, this, [this] { sourceChanged(); });
}

int HistoryListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QColor HistoryListModel::successColor()
{
    return StatusPalette::text(StatusTone::success, QGuiApplication::palette());
}

QColor HistoryListModel::errorColor()
{
    return StatusPalette::text(StatusTone::error, QGuiApplication::palette());
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const HistoryEntry& entry = entryAt(index.row());
    if (role == FilenameLowerRole) {
        return entry.filename.toLower();
    }
    if (role == ConnectionLowerRole) {
        return entry.connectionName.toLower();
    }
    const bool failed = entry.error.has_value();
    switch (index.column()) {
    case TimeColumn:
        if (role == Qt::DisplayRole) {
            return entry.timestamp.toLocalTime().toString(QStringLiteral("HH:mm:ss"));
        }
        if (role == Qt::FontRole) {
            return m_timeFont;
        }
        if (role == Qt::ToolTipRole) {
            return QLocale().toString(entry.timestamp.toLocalTime(), QLocale::LongFormat);
        }
        return {};
    case StatusColumn:
        if (role == Qt::DisplayRole) {
            return failed ? tr("Error") : tr("Success");
        }
        if (role == Qt::ForegroundRole) {
            return failed ? errorColor() : successColor();
        }
        // How the server's copy was proven: "SHA-256 verified", "size verified", or nothing.
        if (role == Qt::ToolTipRole && !failed && !entry.verifiedBy.isEmpty()) {
            return entry.verificationText();
        }
        return {};
    case ConnectionColumn:
        return role == Qt::DisplayRole ? QVariant(entry.connectionName) : QVariant();
    case FileColumn:
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
            return entry.filename;
        }
        return {};
    case SizeColumn:
        if (role == Qt::DisplayRole) {
            return ByteSize::text(entry.bytes);
        }
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        }
        return {};
    case ErrorColumn:
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
            return entry.error.value_or(QString());
        }
        if (role == Qt::ForegroundRole) {
            return errorColor();
        }
        return {};
    default:
        return {};
    }
}

QVariant HistoryListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case TimeColumn:
        return tr("Time");
    case StatusColumn:
        return tr("Status");
    case ConnectionColumn:
        return tr("Connection");
    case FileColumn:
        return tr("File");
    case SizeColumn:
        return tr("Size");
    case ErrorColumn:
        return tr("Error");
    default:
        return {};
    }
}

} // namespace ondrix
