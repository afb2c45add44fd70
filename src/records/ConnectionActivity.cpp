#include "records/ConnectionActivity.h"

namespace ondrix {

ConnectionActivity::ConnectionActivity(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTimeUtc(); }))
{}

ConnectionActivity::Counters& ConnectionActivity::countersNow(const QUuid& connectionId)
{
    Counters& counters = m_counters[connectionId];
    const QDate today = m_clock().toLocalTime().date();
    if (counters.day != today) {
        counters.day = today;
        counters.todayFiles = 0;
        counters.todayBytes = 0;
    }
    return counters;
}

void ConnectionActivity::recordUploads(const QUuid& connectionId, qint64 files, qint64 bytes)
{
    if (files <= 0) {
        return;
    }
    Counters& counters = countersNow(connectionId);
    counters.uploadedFiles += files;
    counters.uploadedBytes += bytes;
    counters.todayFiles += files;
    counters.todayBytes += bytes;
    counters.lastSuccess = m_clock();
}

void ConnectionActivity::recordFailure(const QUuid& connectionId)
{
    ++countersNow(connectionId).failedFiles;
}

void ConnectionActivity::noteLogEntries(const QList<LogEntry>& entries)
{
    for (const LogEntry& entry : entries) {
        if (entry.level == LogEntry::LogLevel::error && !entry.connectionId.isNull()) {
            Counters& counters = m_counters[entry.connectionId];
            counters.lastError = entry.detail.isEmpty() ? entry.message : entry.detail;
            counters.lastErrorTime = entry.timestamp;
        }
    }
}

ConnectionActivity::Counters ConnectionActivity::counters(const QUuid& connectionId) const
{
    Counters counters = m_counters.value(connectionId);
    if (counters.day != m_clock().toLocalTime().date()) {
        counters.todayFiles = 0;
        counters.todayBytes = 0;
    }
    return counters;
}

} // namespace ondrix
