#pragma once

#include "engine/UploadJob.h"

#include <QHash>
#include <QList>
#include <QString>

#include <map>
#include <optional>

namespace ondrix {

// The one place that knows which files of a connection are on their way: waiting to stop changing, queued,
// or uploading, and which failed files wait out a back-off before they are offered again. The folder scan
// and the watcher both ask it before they offer a file, so a file is never awaited, queued or uploaded twice
// at once; the engine's counts and its list of active jobs are read from it.
//
// Lives on the main thread.
class InFlightFiles {
public:
    enum class Stage { awaitingStability, queued, uploading };

    static constexpr qint64 kDefaultFirstBackOffMs = 4000;
    static constexpr qint64 kDefaultMaxBackOffMs = 5 * 60 * 1000;

    bool contains(const QString& path) const { return m_entries.contains(path); }
    std::optional<Stage> stage(const QString& path) const;
    void awaitStability(const QString& path);
    void queue(const QString& path, const UploadJob& job);
    // A start or a progress report of the file's job. False when the job is not the file's current one.
    bool updateJob(const UploadJob& job);
    void remove(const QString& path);
    // Forgets every file that waits for stability or in the queue; uploads under way stay.
    QStringList dropWaiting();

    // Files queued or uploading. Kept as they change: the engine reads both after every event, and a burst
    // of a thousand files in flight made counting them each time the main thread's biggest cost.
    int queuedCount() const { return m_queuedOrUploading; }
    // Uploading jobs with their latest progress, in the order they started.
    QList<UploadJob> activeJobs() const;

    // Back-off of failed files: the first retry waits firstBackOffMs, each further failure doubles the wait
    // up to maxBackOffMs. A file whose version differs from the one that failed is not held back.
    //
    // While attempts fail one after another (a server that is down fails every file), failed files are also
    // let through one at a time, with the wait of the whole run of failures between them: a day of a dead
    // server then costs one attempt (and its few log lines) every maxBackOffMs, not one per file. The first
    // success ends the run. Answering false is handing the file its turn, so ask only when it is to be
    // offered.
    void failed(const QString& path, qint64 nowMs, qint64 versionStamp);
    bool isHeldBack(const QString& path, qint64 nowMs, qint64 versionStamp);
    void succeeded(const QString& path);
    void clearBackOffs();
    // Whether any failed file waits to be offered again.
    bool hasBackOffs() const { return !m_backOffs.isEmpty(); }
    void setBackOff(qint64 firstMs, qint64 maxMs)
    {
        m_firstBackOffMs = firstMs;
        m_maxBackOffMs = maxMs;
    }

private:
    struct Entry {
        Stage stage = Stage::awaitingStability;
        std::optional<UploadJob> job;
        quint64 startOrder = 0;
    };
    void setStage(Entry& entry, const QString& path, Stage stage);
    void forget(const Entry& entry);

    struct BackOff {
        int failures = 0;
        qint64 notBeforeMs = 0;
        qint64 versionStamp = 0;
    };

    QHash<QString, Entry> m_entries;
    qint64 backOffMs(int failures) const;

    QHash<QString, BackOff> m_backOffs;
    // Failures since the last success, of any file, and when the next failed file may have its turn.
    int m_failuresInARow = 0;
    qint64 m_nextTurnMs = 0;
    // A failed file was let through on its turn since the last failure that counted.
    bool m_turnTaken = false;
    int m_queuedOrUploading = 0;
    // The uploading files by start order.
    std::map<quint64, QString> m_uploading;
    quint64 m_nextStart = 1;
    qint64 m_firstBackOffMs = kDefaultFirstBackOffMs;
    qint64 m_maxBackOffMs = kDefaultMaxBackOffMs;
};

} // namespace ondrix
