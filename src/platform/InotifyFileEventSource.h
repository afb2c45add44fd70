#pragma once

#include "platform/FileEventSource.h"

#include <QHash>
#include <QString>

#include <atomic>
#include <thread>
#include <unordered_map>

namespace ondrix {

// FileEventSource on Linux inotify: one watch per folder of the tree, added for folders created or moved in
// later too (their files are then reported as Discovered, since the system said nothing about them).
//
// A reader thread drains the kernel queue as fast as it fills, so a busy main thread does not make it
// overflow, and posts each batch to the main thread. A kernel queue overflow (IN_Q_OVERFLOW) and an
// exhausted watch limit (ENOSPC/ENOMEM) are reported with the system setting that cures them; the source
// keeps the watches it has, and after an overflow re-adds the watches of folders it may have missed. The
// watched folder's own removal or move is reported once.
class InotifyFileEventSource : public FileEventSource {
    Q_OBJECT

public:
    explicit InotifyFileEventSource(QObject* parent = nullptr);
    ~InotifyFileEventSource() override;

    bool start(const QString& rootPath) override;
    void stop() override;
    bool isWatching() const override { return m_fd >= 0; }

    // Number of folders watched right now.
    int watchCount() const { return m_watchCount.load(); }
    // Whether every folder that was in the tree at start is watched (start watches the root at once and
    // the folders below it on the reader thread).
    bool isTreeWatched() const { return m_initialTreeWatched.load(); }

    // Treats more than `maxWatches` watches like the kernel's per-user limit (0: only the kernel's limit
    // applies). Lets a user cap the share of a shared limit; tests use it to reach the limit safely.
    // Takes effect at the next start.
    void setWatchLimit(int maxWatches) { m_watchLimit = maxWatches; }
    // The most watches all sources of the process hold together; by default half of the user's
    // fs.inotify.max_user_watches (0: no bound of our own). Reaching it is reported as the limit is.
    static void setProcessWatchBudget(int maxWatches);

    // While suspended the reader leaves the kernel queue alone, as a stalled reader would. For tests of the
    // overflow path.
    void setReadingSuspended(bool suspended);

private:
    void run(quint64 generation);
    // Closes the descriptors and forgets every watch.
    void release();
    void handleBuffer(const char* data, qsizetype length, QList<FileEvent>& batch, quint64 generation);
    // Watches `dir` and every folder below it. With `fileFlags` non-zero, also appends an event with those
    // flags for every regular file found.
    void addTree(const QString& dir, FileEvent::Flags fileFlags, QList<FileEvent>* found);
    bool addWatch(const QString& dir);
    void removeTree(const QString& dir);
    void forgetWatch(int wd);
    void postBatch(QList<FileEvent>&& batch, quint64 generation);
    void postEventsLost(quint64 generation);
    void reportWatchLimit(quint64 generation);
    QString watchLimitMessage() const;

    int m_fd = -1;
    int m_wakeFd = -1;
    std::thread m_reader;
    std::atomic_bool m_stopRequested = false;
    std::atomic_bool m_suspended = false;
    std::atomic_int m_watchCount = 0;
    std::atomic_bool m_initialTreeWatched = false;
    int m_watchLimit = 0;
    // Bumped by stop(), so batches posted by an earlier run are dropped on arrival.
    quint64 m_generation = 0;
    QString m_root;
    // Owned by start() until the reader starts, then by the reader alone until stop() has joined it.
    std::unordered_map<int, QString> m_pathByWatch;
    QHash<QString, int> m_watchByPath;
    bool m_limitReported = false;
    int m_rootWatch = -1;
    bool m_rootLost = false;
    quint64 m_currentGeneration = 0;
};

} // namespace ondrix
