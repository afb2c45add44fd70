#pragma once

#include "model/NextTurn.h"
#include "records/BackgroundWriter.h"
#include "records/LogEntry.h"

#include <QList>
#include <QObject>

#include <deque>
#include <functional>
#include <vector>

namespace ondrix {

// The activity log the user sees: the newest `maxEntries` entries in memory, oldest first, for the log
// window, and every entry appended as one line to a log file that is never trimmed.
//
// `log` and `clear` may be called from any thread and return at once: the entry reaches `entries` through a
// queued call to the thread the service lives on (the main thread) and the file through the service's own
// writer thread, which writes lines in the order `log` was called. Failures to write the file are silent;
// the in-memory list is updated regardless.
class LogService : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<ondrix::LogEntry> entries READ entries NOTIFY entriesChanged)

public:
    using Clock = std::function<QDateTime()>;

    static constexpr int maxEntries = 100;

    // `logFilePath`'s folder is created when missing; the file itself only with the first line. `clock`
    // gives the timestamp of each entry (the wall clock when empty); it is called on the logging thread.
    explicit LogService(const QString& logFilePath, Clock clock = {}, QObject* parent = nullptr);
    // Writes the lines still waiting for the file before it returns.
    ~LogService() override;

    // `connectionId` and `file` say which connection and which local file the line is about, when it is.
    void log(const QString& message, LogEntry::LogLevel level, const QUuid& connectionId = {},
             const QString& file = {});
    // A line about one connection, shown and written as "[connectionName] detail"; the entry keeps `detail`
    // apart as well.
    void logFor(const QUuid& connectionId, const QString& connectionName, const QString& detail,
                LogEntry::LogLevel level, const QString& file = {});
    void clear();

    QList<LogEntry> entries() const { return m_entries; }
    QString logFilePath() const { return m_logFilePath; }

    // Blocks until every line logged before the call has been handed to the file system.
    void waitForFileWrites();

    // The timestamp of a line in the file: "yyyy-MM-dd HH:mm:ss" in local time.
    static QString formatTimestamp(const QDateTime& timestamp);
    // `message` as every entry keeps it: control characters by name ("\n", "\x1b"), lone surrogates and
    // direction marks as "\uXXXX", bytes of a file name that were not UTF-8 as "\xNN"; one line, as
    // written.
    static QString escaped(const QString& message);

Q_SIGNALS:
    void entriesChanged();
    // Every entry logged since the last emission, oldest first, on the service's thread just before
    // `entriesChanged`; unlike `entries`, never cut to `maxEntries` and untouched by `clear`.
    void entriesAdded(const QList<ondrix::LogEntry>& added);

private:
    void add(LogEntry entry);
    void deliverPending();
    BackgroundWriter::Job takeLines();
    void writeBatch(const std::vector<LogEntry>& batch);
    bool openFile();

    const QString m_logFilePath;
    const QByteArray m_encodedLogFilePath;
    const Clock m_clock;
    QList<LogEntry> m_entries;

    // Guarded by the writer's lock.
    // Entries on their way to `m_entries`; only the newest `maxEntries` can ever be shown, so no more are
    // kept.
    std::deque<LogEntry> m_toDeliver;
    QList<LogEntry> m_toAnnounce;
    bool m_clearPending = false;
    NextTurn m_delivery{this, [this] { deliverPending(); }};
    std::vector<LogEntry> m_toWrite;
    // The writer thread's: the log file, kept open between batches, and which file it is.
    int m_fd = -1;
    quint64 m_fileDevice = 0;
    quint64 m_fileInode = 0;
    // Last: it stops before the members it reads go.
    BackgroundWriter m_writer;
};

} // namespace ondrix
