#pragma once

#include "records/LogEntry.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QUuid>

#include <functional>

namespace ondrix {

// What each connection did since this process started: files and bytes uploaded (in total and on the current
// local day), failed uploads, the time of the last success, and its newest error line. The engines report
// uploads and failures; the error lines come from the activity log's feed. Counters live in memory only:
// like any process counter they start from zero with the process.
//
// Lives on the main thread.
class ConnectionActivity {
public:
    using Clock = std::function<QDateTime()>;

    struct Counters {
        qint64 uploadedFiles = 0;
        qint64 uploadedBytes = 0;
        qint64 failedFiles = 0;
        // Of the local day `day`.
        qint64 todayFiles = 0;
        qint64 todayBytes = 0;
        QDate day;
        // Invalid until it happened.
        QDateTime lastSuccess;
        QDateTime lastErrorTime;
        // The newest error line logged for the connection, without the connection's name in front.
        QString lastError;

        bool operator==(const Counters&) const = default;
    };

    // `clock` is the wall clock when empty.
    explicit ConnectionActivity(Clock clock = {});

    void recordUploads(const QUuid& connectionId, qint64 files, qint64 bytes);
    void recordFailure(const QUuid& connectionId);
    // Keeps the newest error line of each connection among `entries`.
    void noteLogEntries(const QList<LogEntry>& entries);

    // The connection's counters, the day ones cleared when the local day has changed since.
    Counters counters(const QUuid& connectionId) const;

private:
    Counters& countersNow(const QUuid& connectionId);

    const Clock m_clock;
    QHash<QUuid, Counters> m_counters;
};

} // namespace ondrix
