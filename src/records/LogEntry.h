#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUuid>

namespace ondrix {

// One line of the activity log: what happened, how bad it was, and when.
struct LogEntry {
    enum class LogLevel { info, success, warning, error };

    QUuid id;
    QDateTime timestamp;
    LogLevel level = LogLevel::info;
    // Already translated by whoever logged it.
    QString message;
    // The connection the line is about, and the local file, when it is about one.
    QUuid connectionId;
    QString file;
    // For a line about a connection that starts with the connection's name ("[Studio] Login denied"), what
    // follows the name ("Login denied"), for places that name the connection themselves; empty otherwise.
    QString detail;

    bool operator==(const LogEntry&) const = default;
};

// The fixed four-character label of a level in the log file ("INFO", "OK  ", "WARN", "ERR ").
QLatin1String fileLabel(LogEntry::LogLevel level);

} // namespace ondrix

Q_DECLARE_METATYPE(ondrix::LogEntry)
