#pragma once

#include "engine/EngineAnnouncer.h"
#include "engine/EngineServices.h"
#include "engine/EngineState.h"
#include "engine/FileStabilityChecker.h"
#include "engine/FinderTagService.h"
#include "engine/FolderScan.h"
#include "engine/InFlightFiles.h"
#include "engine/PostUploadActions.h"
#include "engine/ScanPace.h"
#include "engine/UploadJob.h"
#include "engine/UploadOutcomeHandler.h"
#include "engine/UploadResult.h"
#include "engine/UploadedRecord.h"
#include "model/ExtensionFilter.h"
#include "model/PushConnection.h"
#include "records/LogEntry.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

namespace ondrix {

class FolderWatcher;
class UploadQueue;
class UploadTask;
class UploadedRecordGate;
class Uploader;
class WatchedTree;

// Runs one enabled connection: watches and periodically scans its folder, filters the files it finds, waits
// until each stops growing, queues it once, uploads it through the connection's uploader and then records,
// colours, logs, counts, announces and post-processes the result.
//
// Lives on the main thread: every operation, handler and change of an observable value runs there. Transfers
// and keyword injection run on the shared transfer pool and never touch the engine; their results come back
// through the upload queue. Timers and queued calls are bound to the engine, so destroying it ends them.
class ConnectionEngine : public QObject {
    Q_OBJECT
    Q_PROPERTY(ondrix::EngineState state READ state NOTIFY stateChanged)
    Q_PROPERTY(bool isStabilityChecking READ isStabilityChecking NOTIFY isStabilityCheckingChanged)
    Q_PROPERTY(QList<ondrix::UploadJob> activeJobs READ activeJobs NOTIFY activeJobsChanged)
    Q_PROPERTY(int queuedCount READ queuedCount NOTIFY queuedCountChanged)
    Q_PROPERTY(QString lastUploadedFile READ lastUploadedFile NOTIFY lastUploadedFileChanged)
    Q_PROPERTY(int consecutiveErrors READ consecutiveErrors NOTIFY consecutiveErrorsChanged)
    Q_PROPERTY(int completedCount READ completedCount NOTIFY completedCountChanged)

public:
    using EngineState = ondrix::EngineState;

    static constexpr qint64 kDefaultMinSpinnerVisibilityMs = 1500;
    static constexpr qint64 kDefaultNotificationFlushDelayMs = EngineAnnouncer::kDefaultFlushDelayMs;
    static constexpr double kStabilityMaxWaitSeconds = 60.0;
    // How long a stop lets running uploads finish before it cuts them short.
    static constexpr qint64 kDefaultStopGraceMs = 30000;
    // The pause between two scans while change notifications are trustworthy: the scan is then only a
    // safety net, and an idle tree of many files costs next to nothing.
    static constexpr double kDefaultSafetyNetScanSeconds = ScanPace::kDefaultSafetyNetSeconds;
    // After changes were lost, scans stay frequent this long.
    static constexpr qint64 kScanRecoveryMs = ScanPace::kRecoveryMs;

    ConnectionEngine(const PushConnection& connection, const EngineServices& services,
                     QObject* parent = nullptr);
    ~ConnectionEngine() override;

    // Begins watching `folder` (from the folder's bookmark) or, without one, the connection's local folder.
    void start(const std::optional<QString>& folder = std::nullopt);
    // Ends watching, scans, stability waits and queued jobs; running transfers finish and are still handled.
    // A transfer still running after the stop grace is cut short (not recorded: it goes up at the next
    // start), so a stop never waits for ever on a stalled server.
    void stop();
    void pause();
    // Back to watching (or to the folder's error while the folder is missing); failed files are offered
    // again at once.
    void resume();
    // Whether `edited` differs from `running` only in what a running engine takes without a restart: the
    // name, the simultaneous uploads, the stability wait, the tags, the keyword and the bandwidth. They do
    // not change which files go where.
    static bool takesLive(const PushConnection& running, const PushConnection& edited);
    // Takes such an edit. Running uploads go on as they are; the keyword and the bandwidth apply to the
    // uploads that start from now on.
    void applyLiveEdit(const PushConnection& edited);
    // "Upload now": failed files are offered again at once and the folder is scanned now.
    void scanNow();
    // Transfers started and not yet handled. After stop, transfersFinished follows once there are none.
    bool hasRunningTransfers() const;
    // Offers one file: filtered, checked against the uploaded record, awaited until stable, then queued.
    // `known` is the file's date and size when the caller has just read them (a scan); otherwise the file is
    // read here, once, for the filter, the record and the stability wait.
    void handleFileEvent(const QString& filePath, const FileStabilityChecker::Reading& known = std::nullopt);

    EngineState state() const { return m_state; }
    bool isStabilityChecking() const { return m_isStabilityChecking; }
    QList<UploadJob> activeJobs() const { return m_activeJobs; }
    int queuedCount() const { return m_queuedCount; }
    // Empty until the first successful upload.
    QString lastUploadedFile() const { return m_lastUploadedFile.value_or(QString()); }
    std::optional<QString> lastUploadedFileName() const { return m_lastUploadedFile; }
    int consecutiveErrors() const { return m_consecutiveErrors; }
    int completedCount() const { return m_completedCount; }
    const PushConnection& connection() const { return m_connection; }
    // The folder being watched (normalised, links resolved), once started.
    std::optional<QString> watchedFolder() const { return m_watchedFolder; }

    // The uploaded record (read from the store by the first scan on the transfer pool, or here when the main
    // thread needs it first).
    const UploadedRecord& uploadedRecord() const { return *m_record; }
    // Whether the file at `path`, as it is now, was uploaded.
    bool isAlreadyUploaded(const QString& path) const;

    // Whether the connection's extension lists and minimum size admit the file.
    bool passesFilter(const QString& path) const;
    // Path below the remote folder: the sub-folders kept when asked to, else the file name alone.
    QString remoteRelativePath(const QString& filePath) const;

    // Durations, shortened by tests.
    void setMinSpinnerVisibilityMs(qint64 ms) { m_scan->setMinDurationMs(ms); }
    void setNotificationFlushDelayMs(qint64 ms) { m_announcer->setFlushDelayMs(ms); }
    // Replaces the connection's stability interval (whole seconds) for the scan pause and the stability
    // waits.
    void setStabilityIntervalSeconds(double seconds);
    void setStabilityMaxWaitSeconds(double seconds) { m_stabilityChecker.setMaxWaitSeconds(seconds); }
    void setStopGraceMs(qint64 ms) { m_stopGraceTimer.setInterval(int(ms)); }
    void setSafetyNetScanSeconds(double seconds);
    // The pause between two scans as things are now: the stability interval, or the safety net's while the
    // watcher is trustworthy.
    qint64 scanIntervalMs() const;
    // First wait and longest wait before a failed file is offered again.
    void setRetryBackOffMs(qint64 firstMs, qint64 maxMs) { m_inFlight.setBackOff(firstMs, maxMs); }
    // The transfers of this engine that start from now on go through this uploader (tests script it).
    void setUploader(std::shared_ptr<Uploader> uploader);

Q_SIGNALS:
    void stateChanged(const ondrix::EngineState& state);
    void isStabilityCheckingChanged(bool value);
    void activeJobsChanged();
    void queuedCountChanged(int value);
    void lastUploadedFileChanged(const QString& value);
    void consecutiveErrorsChanged(int value);
    void completedCountChanged(int value);
    // A scan of the folder finished delivering its files (for tests and diagnostics).
    void scanFinished();
    // After stop: the last running transfer has ended and its result has been handled.
    void transfersFinished();

private:
    // Reads the folder, filter and record of engines, colours their files and has them act.
    friend class FolderDeliveries;
    // Handles the results of this engine's uploads.
    friend class UploadOutcomeHandler;

    void setState(const EngineState& state);
    // Cuts every transfer under way short, on whichever uploader it runs.
    void abortTransfers();
    void leaveDeliveries();
    void setStabilityChecking(bool value);
    void setActiveJobs(QList<UploadJob> jobs);
    void setQueuedCount(int value);
    void setConsecutiveErrors(int value);
    void setCompletedCount(int value);
    void updateStateAfterJobChange();
    void refreshCounts();
    void beginWatching();
    // `reason` is followed by the folder.
    void folderWentMissing(const QString& reason);
    void folderLost();
    qint64 versionStamp(const QString& path) const;
    static qint64 stampOf(const FileStabilityChecker::Reading& version);
    bool admitsSize(const FileStabilityChecker::Reading& version) const;

    void updateScanPace();
    void changesLost(const QString& message);
    bool prepareScan();
    void scanDelivered(const QList<FolderScan::File>& files, bool readable);
    void stabilityAnswered(const QString& path, FileStabilityChecker::Answer answer,
                           const FileStabilityChecker::Reading& reading);
    void enqueueStableFile(const QString& path, const FileStabilityChecker::Reading& version);

    void handleJobUpdate(const UploadJob& job);
    void afterDelivery();
    // After a stop: once no upload and no post-upload action runs any more, makes sure the record is in the
    // store and says so.
    void endStopOnceIdle();
    // The file's colour as this engine sees it; other connections that take the file have their say.
    void setTag(FinderTagService::UploadColour colour, const QString& path);
    // This engine is done with the file without delivering it (not ready, cut short, already there).
    void forgetStage(const QString& path);
    // Writes the colour when the connection colours its files.
    void paintTag(FinderTagService::UploadColour colour, const QString& path) const;
    // Logged as this connection's line, about the local file `file` when given.
    void log(const QString& message, LogEntry::LogLevel level, const QString& file = {}) const
    {
        m_announcer->log(message, level, file);
    }

    PushConnection m_connection;
    const EngineServices m_services;
    const ExtensionFilter m_extensionFilter;
    // Shared with the transfers on the pool.
    const std::shared_ptr<UploadTask> m_task;
    // Every uploader handed to the task that may still carry a transfer.
    std::vector<std::weak_ptr<Uploader>> m_uploaders;

    EngineState m_state;
    bool m_isStabilityChecking = false;
    // Mirrors of what m_inFlight holds, for the observers.
    QList<UploadJob> m_activeJobs;
    int m_queuedCount = 0;
    std::optional<QString> m_lastUploadedFile;
    int m_consecutiveErrors = 0;
    int m_completedCount = 0;

    std::unique_ptr<FolderWatcher> m_folderWatcher;
    FolderScan* m_scan = nullptr;
    FileStabilityChecker m_stabilityChecker;
    UploadQueue* m_uploadQueue = nullptr;
    InFlightFiles m_inFlight;
    QHash<QString, FileStabilityChecker::Handle> m_stabilityTasks;
    QElapsedTimer m_clock;
    bool m_stopped = false;
    // The watched folder is missing: the engine shows the error and its scans look for the folder again.
    bool m_folderMissing = false;
    // The watched folder, normalised and with links resolved, and the folder as configured (normalised).
    QString m_folderPath;
    QString m_configuredFolderPath;
    // The watched folder as it was opened when watching began; shared with the transfers.
    std::shared_ptr<const WatchedTree> m_tree;
    // Job updates arrived since the counts and the state were last brought up to date.
    bool m_jobsChanged = false;
    QTimer m_stopGraceTimer;
    std::optional<QString> m_bookmarkFolder;
    std::optional<QString> m_watchedFolder;
    // Shared with scans on the pool.
    const std::shared_ptr<UploadedRecord> m_record;
    // Copied into each run on the pool; the copies share the connection's script runner.
    const PostUploadActions m_postUploadActions;
    // Owned by the engine (a child), so that its timer ends with it.
    EngineAnnouncer* m_announcer = nullptr;
    std::unique_ptr<UploadOutcomeHandler> m_outcomes;
    ScanPace m_pace;
    // Changes made there by other machines raise no notifications here.
    bool m_folderIsRemote = false;
    // Holds back the files that changed before the uploaded record was read (a child of the engine).
    UploadedRecordGate* m_recordGate = nullptr;
    // Between start and stop, the engine takes part in the deliveries of files other connections take too.
    bool m_joinedDeliveries = false;
};

} // namespace ondrix
