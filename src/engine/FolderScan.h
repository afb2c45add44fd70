#pragma once

#include "platform/FileVersion.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QThreadPool;

namespace ondrix {

class UploadedRecord;
class WatchedTree;

// The periodic scan of one watched folder: lists its regular files on the transfer pool (so a big tree never
// holds the main thread up), passes over those the uploaded record holds as they are, and hands the rest to
// its owner; then waits an interval and scans again. It finds what the change notifications missed (an
// overflow, a watch limit, a folder that came back).
//
// Lives on the main thread; the gate and the delivery are called there. A listing still running on the pool
// when the scan is stopped or destroyed is dropped.
class FolderScan : public QObject {
    Q_OBJECT

public:
    // One regular file a listing found, with its version as stat read it.
    struct File {
        QString path;
        FileVersion version;
    };
    // Asked before each listing: whether to list now. A skipped listing still counts as a finished scan.
    using Gate = std::function<bool()>;
    // A listing's files that the record does not hold as they are; `readable` is false when the folder
    // could not be listed.
    using Delivery = std::function<void(const QList<File>& files, bool readable)>;

    // `pool` runs the listings (without one they run on the main thread); `record` is consulted there.
    FolderScan(std::shared_ptr<UploadedRecord> record, QThreadPool* pool, QObject* parent = nullptr);
    ~FolderScan() override;

    void setHandlers(Gate gate, Delivery delivery);
    // The folder (normalised, links resolved) and whether its sub-folders are listed too.
    void setFolder(const QString& folder, bool recursive);
    // The folder as it was opened when watching began; listings read it from there, and list nothing
    // without it.
    void setTree(std::shared_ptr<const WatchedTree> tree);
    // The pause between the end of one scan and the start of the next. A shorter pause applies at once to a
    // scan that is waiting.
    void setIntervalMs(qint64 ms);
    qint64 intervalMs() const { return m_intervalMs; }
    // A scan lasts at least this long before it delivers, so that a busy indicator can be seen.
    void setMinDurationMs(qint64 ms) { m_minDurationMs = ms; }

    // Starts scanning: the first scan at once or after one interval. Ends scans of an earlier start.
    void start(bool immediately);
    void stop();
    // Another scan as soon as possible: at once, or right after the one that runs. Nothing while stopped.
    void requestNow();

    // The date and size of one file straight from stat, or nothing when it cannot be read. Through `tree`
    // when given: then only a regular file reached without a link has them.
    static std::optional<File> stat(const QString& path, const WatchedTree* tree = nullptr);
    // Whether `path` is on a network or user-space file system, where changes made by other machines
    // raise no change notifications here.
    static bool isOnRemoteFileSystem(const QString& path);

Q_SIGNALS:
    // A scan ended: delivered its files, or was skipped by the gate.
    void finished();

private:
    struct Link;

    void scheduleNext(bool immediately);
    void run(quint64 generation);
    void finish(quint64 generation);
    void listed(quint64 generation, qint64 elapsedMs, const std::shared_ptr<QList<File>>& files,
                bool readable);

    const std::shared_ptr<UploadedRecord> m_record;
    QThreadPool* const m_pool;
    std::shared_ptr<Link> m_link;
    Gate m_gate;
    Delivery m_delivery;
    QString m_folder;
    std::shared_ptr<const WatchedTree> m_tree;
    bool m_recursive = false;
    qint64 m_intervalMs = 1000;
    qint64 m_minDurationMs = 0;
    bool m_active = false;
    bool m_running = false;
    bool m_requested = false;
    QElapsedTimer m_waitingSince;
    // The first listing also forgets record entries whose files are gone.
    bool m_pruned = false;
    // Bumped by start and stop so that a scan of an earlier run ends at its next step.
    quint64 m_generation = 0;
    QTimer m_timer;
};

} // namespace ondrix
