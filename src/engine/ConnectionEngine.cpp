#include "engine/ConnectionEngine.h"

#include "engine/FolderDeliveries.h"
#include "engine/FolderWatcher.h"
#include "engine/IPTCMetadataService.h"
#include "engine/UploadQueue.h"
#include "engine/UploadTask.h"
#include "model/AppSettings.h"
#include "platform/FileEventSource.h"
#include "platform/PreferencesStore.h"
#include "platform/ReadLease.h"
#include "platform/SoundPlayer.h"
#include "platform/WatchedTree.h"
#include "records/ConnectionActivity.h"
#include "records/HistoryService.h"
#include "records/LogService.h"
#include "records/NotificationService.h"
#include "records/StatsService.h"
#include "transfer/FTPUploader.h"
#include "transfer/FailureAdvice.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMutex>
#include <QThreadPool>

#include <cmath>
#include <cstring>

namespace ondrix {

// What a post-upload action on the pool reports back through: the engine, while it lives. The engine clears
// it under the lock as it goes, so a report is never posted to an engine that is being destroyed.
struct ConnectionEngine::PostUploadLink {
    QMutex mutex;
    ConnectionEngine* engine = nullptr;
};

namespace {

QString fileNameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

// Without "." and ".." steps, doubled slashes and a trailing slash.
QString normalisedFolder(const QString& folder)
{
    return folder.isEmpty() ? folder : QDir::cleanPath(folder);
}

QString formattedSize(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

} // namespace

ConnectionEngine::ConnectionEngine(const PushConnection& connection, const EngineServices& services,
                                   QObject* parent)
    : QObject(parent)
    , m_connection(connection)
    , m_services(services)
    , m_extensionFilter(connection.includedExtensions, connection.excludedExtensions)
    , m_task(std::make_shared<UploadTask>(connection, services.store))
    , m_record(std::make_shared<UploadedRecord>(services.store, connection))
    // Problems go to the log, which outlives every engine: the actions run on the pool.
    , m_postUploadActions(connection.postUploadAction, connection.deleteLocalAfterUpload,
                          [log = services.log,
                           prefix = QStringLiteral("[%1] ").arg(connection.name)](const QString& problem) {
                              if (log) {
                                  log->log(prefix + problem, LogEntry::LogLevel::warning);
                              }
                          })
    , m_failureNotices(services.notifications, services.settings)
{
    setUploader(std::make_shared<FTPUploader>(connection));
    m_postUploadLink = std::make_shared<PostUploadLink>();
    m_postUploadLink->engine = this;
    m_clock.start();
    m_stabilityChecker.setCheckInterval(FileStabilityChecker::kDefaultCheckInterval);
    m_stabilityChecker.setMaxWaitSeconds(kStabilityMaxWaitSeconds);
    m_stabilityChecker.setPool(services.transferPool);
    m_uploadQueue = new UploadQueue(int(std::clamp<qint64>(connection.simultaneousUploads, 0, 100)),
                                    services.transferPool, this);

    m_scan = new FolderScan(m_record, services.transferPool, this);
    m_scan->setMinDurationMs(kDefaultMinSpinnerVisibilityMs);
    m_scan->setHandlers(
        [this] {
            const bool scan = prepareScan();
            // The pace follows the watcher's health, the back-offs and the end of a recovery.
            updateScanPace();
            return scan;
        },
        [this](const QList<FolderScan::File>& files, bool readable) { scanDelivered(files, readable); });
    connect(m_scan, &FolderScan::finished, this, &ConnectionEngine::scanFinished);

    m_notificationFlushTimer.setSingleShot(true);
    m_notificationFlushTimer.setInterval(int(kDefaultNotificationFlushDelayMs));
    connect(&m_notificationFlushTimer, &QTimer::timeout, this, &ConnectionEngine::flushNotifications);
    m_recordWaitTimer.setInterval(int(kRecordWaitPollMs));
    connect(&m_recordWaitTimer, &QTimer::timeout, this, &ConnectionEngine::offerFilesThatAwaitedTheRecord);
    m_stopGraceTimer.setSingleShot(true);
    m_stopGraceTimer.setInterval(int(kDefaultStopGraceMs));
    connect(&m_stopGraceTimer, &QTimer::timeout, this, [this] {
        if (m_stopped && hasRunningTransfers()) {
            log(QStringLiteral("[%1] ").arg(m_connection.name) +
                    tr("Stopping: uploads still running after %1 s are cut short; they go up again at the "
                       "next "
                       "start")
                        .arg(m_stopGraceTimer.interval() / 1000),
                LogEntry::LogLevel::warning);
            abortTransfers();
        }
    });

    // The transfer runs on the pool with only the shared task; the handlers come back on this thread.
    m_uploadQueue->setCallbacks(
        [task = m_task](const UploadJob& job, const UploadTaskControl& control) {
            return task->perform(job, control);
        },
        [this](const QList<UploadResult>& results) { handleResults(results); },
        [this](const UploadJob& job) { handleJobUpdate(job); }, [this] { afterDelivery(); });
}

ConnectionEngine::~ConnectionEngine()
{
    leaveDeliveries();
    {
        const QMutexLocker lock(&m_postUploadLink->mutex);
        m_postUploadLink->engine = nullptr;
    }
    // Nobody is left to handle their results.
    abortTransfers();
    if (m_folderWatcher) {
        m_folderWatcher->stop();
    }
}

void ConnectionEngine::setUploader(std::shared_ptr<FTPUploader> uploader)
{
    std::erase_if(m_uploaders, [](const std::weak_ptr<FTPUploader>& u) { return u.expired(); });
    m_uploaders.push_back(uploader);
    m_task->setUploader(std::move(uploader));
}

void ConnectionEngine::leaveDeliveries()
{
    // Only while joined: a stopped engine may outlive the owner of the deliveries.
    if (std::exchange(m_joinedDeliveries, false)) {
        m_services.deliveries->leave(*this);
    }
}

void ConnectionEngine::abortTransfers()
{
    m_task->abortTransfers();
    // Transfers that began before a bandwidth edit still run on the uploader they began with.
    for (const std::weak_ptr<FTPUploader>& uploader : m_uploaders) {
        if (const std::shared_ptr<FTPUploader> running = uploader.lock()) {
            running->cutConnections();
        }
    }
}

void ConnectionEngine::setMinSpinnerVisibilityMs(qint64 ms)
{
    m_scan->setMinDurationMs(ms);
}

void ConnectionEngine::setStabilityIntervalSeconds(double seconds)
{
    m_stabilityIntervalOverride = seconds;
    updateScanPace();
}

void ConnectionEngine::setSafetyNetScanSeconds(double seconds)
{
    m_safetyNetScanSeconds = seconds;
    updateScanPace();
}

bool ConnectionEngine::watcherIsTrustworthy() const
{
    return m_folderWatcher && m_folderWatcher->isWatching() && m_folderWatcher->isReliable() &&
           !m_folderIsRemote && !m_folderMissing &&
           (m_scanRecoveryUntilMs < 0 || m_clock.elapsed() >= m_scanRecoveryUntilMs);
}

qint64 ConnectionEngine::scanIntervalMs() const
{
    // Failed files are offered again by the scans once their back-off has passed, so while any waits the
    // scans stay frequent too.
    const double seconds = watcherIsTrustworthy() && !m_inFlight.hasBackOffs()
                               ? std::max(m_safetyNetScanSeconds, stabilityInterval())
                               : stabilityInterval();
    return qint64(seconds * 1000.0);
}

void ConnectionEngine::updateScanPace()
{
    m_scan->setIntervalMs(scanIntervalMs());
}

void ConnectionEngine::changesLost(const QString& message)
{
    log(QStringLiteral("[") + m_connection.name + QStringLiteral("] ") + message,
        LogEntry::LogLevel::warning);
    // Only a scan finds what was missed: one now, and frequent ones for a while.
    m_scanRecoveryUntilMs = m_clock.elapsed() + kScanRecoveryMs;
    updateScanPace();
    m_scan->requestNow();
}

void ConnectionEngine::setNotificationFlushDelayMs(qint64 ms)
{
    m_notificationFlushTimer.setInterval(int(ms));
}

void ConnectionEngine::setStabilityMaxWaitSeconds(double seconds)
{
    m_stabilityChecker.setMaxWaitSeconds(seconds);
}

double ConnectionEngine::stabilityInterval() const
{
    const double seconds = m_stabilityIntervalOverride.value_or(double(m_connection.stabilityCheckSeconds));
    // A negative interval would be a wait of no time at all.
    return std::isfinite(seconds) && seconds > 0 ? seconds : 0.0;
}

// ---- life cycle ----

void ConnectionEngine::start(const std::optional<QString>& folder)
{
    if (!m_connection.isEnabled) {
        return;
    }
    if (m_connection.localFolder.isEmpty()) {
        setState(EngineState::error(tr("No local folder configured")));
        log(QStringLiteral("[%1] ").arg(m_connection.name) + tr("No local folder configured"),
            LogEntry::LogLevel::error);
        return;
    }
    m_bookmarkFolder = folder;
    m_stopped = false;
    m_stopGraceTimer.stop();
    m_task->allowTransfers();
    // Paths are normalised once, here: a trailing slash or a linked folder would otherwise give one file
    // two paths (two uploads, two script runs), and a link gets no change notifications of its own.
    m_configuredFolderPath = normalisedFolder(folder.value_or(m_connection.localFolder));
    const QString resolved = QFileInfo(m_configuredFolderPath).canonicalFilePath();
    m_folderPath = resolved.isEmpty() ? m_configuredFolderPath : resolved;
    m_watchedFolder = m_folderPath;
    if (m_services.deliveries && !std::exchange(m_joinedDeliveries, true)) {
        m_services.deliveries->join(*this);
    }
    m_scan->setFolder(m_folderPath, m_connection.monitorSubdirectories);
    // Read before the first change asks for it.
    (void)recordIsReady();
    m_folderIsRemote = FolderScan::isOnRemoteFileSystem(m_folderPath);
    updateScanPace();
    if (!QFileInfo::exists(m_folderPath)) {
        // A drive that is mounted later: the scans look for the folder until it is there, and the error
        // stays visible meanwhile.
        folderWentMissing(tr("Local folder not found: "));
        m_scan->start(false);
        return;
    }
    beginWatching();
    m_scan->start(true);
}

void ConnectionEngine::folderWentMissing(const QString& reason)
{
    // Said once per disappearance; "Watching" follows in the log when the folder is back. A paused
    // connection stays paused: resume shows the folder's error.
    m_folderMissing = true;
    if (m_state.kind() != EngineState::Kind::paused) {
        setState(EngineState::error(tr("Local folder not found: ") + m_configuredFolderPath));
    }
    log(QStringLiteral("[%1] ").arg(m_connection.name) + reason + m_configuredFolderPath +
            QStringLiteral(" — ") + tr("Ondrix looks for it again every few seconds."),
        LogEntry::LogLevel::error);
}

void ConnectionEngine::folderLost()
{
    if (m_stopped || m_folderMissing) {
        return;
    }
    // Its watches went with it: a folder created under its name later is found by the scans, which look
    // for it every few seconds while it is missing, and watched anew.
    m_folderWatcher.reset();
    folderWentMissing(tr("The local folder was deleted or moved away: "));
    updateScanPace();
    m_scan->requestNow();
}

void ConnectionEngine::beginWatching()
{
    m_folderMissing = false;
    if (m_folderWatcher) {
        m_folderWatcher->stop();
    }
    // Opened once: every file below is reached from here, so a link swapped in for a sub-folder or for the
    // folder's parent later leads nowhere.
    m_tree = std::make_shared<const WatchedTree>(m_folderPath);
    if (!m_tree->isValid()) {
        log(QStringLiteral("[%1] ").arg(m_connection.name) +
                tr("The local folder %1 cannot be opened without following a symbolic link (%2); nothing in "
                   "it is uploaded")
                    .arg(m_configuredFolderPath, QString::fromLocal8Bit(std::strerror(m_tree->error()))),
            LogEntry::LogLevel::error);
    }
    m_scan->setTree(m_tree);
    m_stabilityChecker.setTree(m_tree);
    m_task->setTree(m_tree);
    m_folderWatcher = std::make_unique<FolderWatcher>(m_folderPath, m_services.makeFileEventSource());
    m_folderWatcher->setOnFileEvent(
        [this](const QString& path, FolderWatcher::FSEventKind) { handleFileEvent(path); });
    // Missed changes are found by the periodic scan; the user learns why uploads may start later.
    connect(m_folderWatcher.get(), &FolderWatcher::eventsLost, this, &ConnectionEngine::changesLost);
    connect(m_folderWatcher.get(), &FolderWatcher::becameUnreliable, this, &ConnectionEngine::changesLost);
    // Queued: the watcher goes, and must not go inside its own signal.
    connect(m_folderWatcher.get(), &FolderWatcher::folderLost, this, &ConnectionEngine::folderLost,
            Qt::QueuedConnection);
    m_folderWatcher->start();
    updateScanPace();

    setState(EngineState::watching());
    log(QStringLiteral("[") + m_connection.name + QStringLiteral("] ") + tr("Watching ") +
            m_configuredFolderPath,
        LogEntry::LogLevel::info);
}

void ConnectionEngine::stop()
{
    m_stopped = true;
    leaveDeliveries();
    m_scan->stop();
    if (m_folderWatcher) {
        m_folderWatcher->stop();
        m_folderWatcher.reset();
    }
    const auto tasks = m_stabilityTasks;
    m_stabilityTasks.clear();
    for (const FileStabilityChecker::Handle& handle : tasks) {
        handle.cancel();
    }
    setStabilityChecking(false);
    m_awaitingRecord.clear();
    m_recordWaitTimer.stop();
    // Directly, not later: a transfer finishing in between must not start a queued file after the stop. Jobs
    // the queue has started are uploads under way even when their start has not reached us yet.
    for (const UploadJob& job : m_uploadQueue->cancelAll()) {
        m_inFlight.updateJob(job);
    }
    m_inFlight.dropWaiting();
    flushNotifications();
    setState(EngineState::idle());
    // Uploads under way are not interrupted; they stay in activeJobs until their results are handled.
    refreshCounts();
    if (hasRunningTransfers()) {
        m_stopGraceTimer.start();
    } else {
        // Whoever starts this connection again reads the record from the store: it must find there every
        // upload this run recorded, not only those its writer's window had committed.
        m_record->waitForWrites();
    }
}

void ConnectionEngine::pause()
{
    setState(EngineState::paused());
    QMetaObject::invokeMethod(m_uploadQueue, &UploadQueue::pause, Qt::QueuedConnection);
}

void ConnectionEngine::resume()
{
    m_inFlight.clearBackOffs();
    // Only what runs is shown as watching: a missing folder keeps its error, a stopped engine stays idle.
    if (!m_connection.isEnabled) {
        setState(EngineState::idle());
    } else if (m_connection.localFolder.isEmpty()) {
        setState(EngineState::error(tr("No local folder configured")));
    } else if (m_folderMissing) {
        setState(EngineState::error(tr("Local folder not found: ") + m_configuredFolderPath));
    } else if (m_stopped || !m_watchedFolder) {
        setState(EngineState::idle());
    } else {
        setState(EngineState::watching());
    }
    QMetaObject::invokeMethod(m_uploadQueue, &UploadQueue::resume, Qt::QueuedConnection);
}

bool ConnectionEngine::takesLive(const PushConnection& running, const PushConnection& edited)
{
    PushConnection live = running;
    live.name = edited.name;
    live.simultaneousUploads = edited.simultaneousUploads;
    live.stabilityCheckSeconds = edited.stabilityCheckSeconds;
    live.finderTagsEnabled = edited.finderTagsEnabled;
    live.iptcEnabled = edited.iptcEnabled;
    live.iptcKeywords = edited.iptcKeywords;
    live.selectedIPTCKeywordID = edited.selectedIPTCKeywordID;
    live.maxBandwidthKBps = edited.maxBandwidthKBps;
    return live == edited;
}

void ConnectionEngine::applyLiveEdit(const PushConnection& edited)
{
    Q_ASSERT(takesLive(m_connection, edited));
    if (edited.maxBandwidthKBps != m_connection.maxBandwidthKBps) {
        // A new cap needs a new uploader. Made here, so that a stop can still cut the transfers that run on
        // the one it replaces.
        setUploader(std::make_shared<FTPUploader>(edited));
    }
    m_connection = edited;
    m_task->applyEdit(edited);
    m_uploadQueue->setMaxConcurrent(int(std::clamp<qint64>(edited.simultaneousUploads, 0, 100)));
    updateScanPace();
}

void ConnectionEngine::scanNow()
{
    m_inFlight.clearBackOffs();
    updateScanPace();
    if (m_stopped || !m_watchedFolder) {
        return;
    }
    m_scan->requestNow();
}

bool ConnectionEngine::hasRunningTransfers() const
{
    return m_uploadQueue->runningCount() > 0 || m_postUploadActionsRunning > 0;
}

// ---- scanning ----

bool ConnectionEngine::prepareScan()
{
    // Scans go on in an error state: failed files are offered again (each after its back-off) and a missing
    // folder is looked for, so a server or a drive that comes back is used without the user's help.
    if (!m_watchedFolder || m_state.kind() == EngineState::Kind::idle ||
        m_state.kind() == EngineState::Kind::paused) {
        return false;
    }
    if (!QFileInfo(m_folderPath).isDir()) {
        if (!m_folderMissing) {
            if (m_folderWatcher) {
                m_folderWatcher->stop();
                m_folderWatcher.reset();
            }
            folderWentMissing(tr("Local folder not found: "));
        }
        return false;
    }
    if (m_folderMissing) {
        beginWatching();
    }
    setStabilityChecking(true);
    return true;
}

void ConnectionEngine::scanDelivered(const QList<FolderScan::File>& files, bool readable)
{
    for (const FolderScan::File& file : files) {
        handleFileEvent(file.path, file);
    }
    // The spinner stays up while stability waits the scan started go on.
    if (!readable || m_stabilityTasks.isEmpty()) {
        setStabilityChecking(false);
    }
}

// ---- candidates ----

void ConnectionEngine::handleFileEvent(const QString& filePath, const FileStabilityChecker::Reading& known)
{
    QString path = QDir::cleanPath(filePath);
    const QString base =
        (m_folderPath.isEmpty() ? normalisedFolder(m_bookmarkFolder.value_or(m_connection.localFolder))
                                : m_folderPath) +
        QLatin1Char('/');
    // A path through the folder as configured (a link to the watched folder) names the same file.
    const QString configured = m_configuredFolderPath + QLatin1Char('/');
    if (!path.startsWith(base) && !m_configuredFolderPath.isEmpty() && path.startsWith(configured)) {
        path = base + path.mid(configured.size());
    }
    // Waiting for stability, queued or uploading: the file is on its way already. A file saved again during
    // its upload is offered again once the result is in.
    if (m_inFlight.contains(path)) {
        return;
    }
    if (!path.startsWith(base)) {
        return;
    }
    if (!m_connection.monitorSubdirectories && path.mid(base.size()).contains(QLatin1Char('/'))) {
        return;
    }
    if (!m_extensionFilter.admits(path)) {
        return;
    }
    // A file whose date cannot be read is not taken for uploaded; its stability wait then finds it gone.
    const FileStabilityChecker::Reading version = known ? known : FolderScan::stat(path, m_tree.get());
    if (!admitsSize(version)) {
        return;
    }
    if (!recordIsReady()) {
        m_awaitingRecord.insert(path);
        return;
    }
    if (version && m_record->contains(path, version->modified, version->size)) {
        return;
    }
    if (m_inFlight.hasBackOffs() && m_inFlight.isHeldBack(path, m_clock.elapsed(), stampOf(version))) {
        return;
    }
    log(QStringLiteral("[%1] ").arg(m_connection.name) +
            tr("Stability check (%1s): ").arg(m_connection.stabilityCheckSeconds) + fileNameOf(path),
        LogEntry::LogLevel::info);

    const FileStabilityChecker::Handle handle = m_stabilityChecker.waitForStability(
        path, stabilityInterval(), this,
        [this, path](FileStabilityChecker::Answer answer, const FileStabilityChecker::Reading& reading) {
            stabilityAnswered(path, answer, reading);
        },
        version);
    if (handle.isActive()) {
        m_stabilityTasks.insert(path, handle);
        m_inFlight.awaitStability(path);
        setStabilityChecking(true);
    }
}

void ConnectionEngine::stabilityAnswered(const QString& path, FileStabilityChecker::Answer answer,
                                         const FileStabilityChecker::Reading& reading)
{
    // A wait cancelled by stop was already forgotten; its answer must not touch a later wait for the file.
    if (answer == FileStabilityChecker::Answer::Cancelled && !m_stabilityTasks.contains(path)) {
        return;
    }
    m_stabilityTasks.remove(path);
    if (m_inFlight.stage(path) == InFlightFiles::Stage::awaitingStability) {
        m_inFlight.remove(path);
    }
    setStabilityChecking(!m_stabilityTasks.isEmpty());
    if (answer == FileStabilityChecker::Answer::Stable) {
        enqueueStableFile(path, reading);
    }
}

qint64 ConnectionEngine::versionStamp(const QString& path) const
{
    return stampOf(FolderScan::stat(path, m_tree.get()));
}

qint64 ConnectionEngine::stampOf(const FileStabilityChecker::Reading& version)
{
    if (!version) {
        return 0;
    }
    return qint64(version->modified * 1e6) ^ (version->size << 20);
}

bool ConnectionEngine::admitsSize(const FileStabilityChecker::Reading& version) const
{
    return m_connection.minFileSizeBytes < 1 || !version || version->size >= m_connection.minFileSizeBytes;
}

bool ConnectionEngine::passesFilter(const QString& path) const
{
    return m_extensionFilter.admits(path) &&
           (m_connection.minFileSizeBytes < 1 || admitsSize(FolderScan::stat(path, m_tree.get())));
}

QString ConnectionEngine::remoteRelativePath(const QString& path) const
{
    if (m_connection.preserveSubdirectories) {
        const QString base =
            !m_folderPath.isEmpty() ? m_folderPath : m_bookmarkFolder.value_or(m_connection.localFolder);
        if (path.startsWith(base)) {
            QString rest = path.mid(base.size());
            if (rest.startsWith(QLatin1Char('/'))) {
                rest.remove(0, 1);
            }
            return rest;
        }
    }
    return fileNameOf(path);
}

// `version` is the stability wait's last reading, taken a moment ago.
void ConnectionEngine::enqueueStableFile(const QString& path, const FileStabilityChecker::Reading& version)
{
    const QString name = fileNameOf(path);
    const QString prefix = QStringLiteral("[%1] ").arg(m_connection.name);
    if (m_record->contains(path, version ? version->modified : 0.0, version ? version->size : -1)) {
        log(prefix + tr("Skipped (already uploaded): ") + name, LogEntry::LogLevel::info);
        return;
    }
    UploadJob job;
    job.connectionId = m_connection.id;
    job.localPath = path;
    job.remoteRelativePath = remoteRelativePath(path);
    job.status = UploadStatus::pending();
    job.enqueuedAt = QDateTime::currentDateTimeUtc();
    job.bytesTotal = version ? version->size : 0;
    job.bytesUploaded = 0;
    m_inFlight.queue(path, job);
    m_uploadQueue->enqueue(job);
    refreshCounts();
    setTag(FinderTagService::UploadColour::yellow, path);
    log(prefix + tr("Queued: ") + name, LogEntry::LogLevel::info, path);
}

// ---- the uploaded record ----

bool ConnectionEngine::recordIsReady()
{
    if (m_record->isLoaded()) {
        return true;
    }
    // The record of a tree of 100 000 files takes the store a good part of a second to read: it is read on
    // the pool, and the main thread does not wait for it.
    if (!m_recordLoadStarted) {
        m_recordLoadStarted = true;
        if (m_services.transferPool == nullptr) {
            m_record->load();
            return true;
        }
        m_services.transferPool->start([record = m_record] { record->load(); });
    }
    if (!m_recordWaitTimer.isActive()) {
        m_recordWaitTimer.start();
    }
    return false;
}

void ConnectionEngine::offerFilesThatAwaitedTheRecord()
{
    if (!m_record->isLoaded()) {
        return;
    }
    m_recordWaitTimer.stop();
    const QSet<QString> paths = std::exchange(m_awaitingRecord, {});
    if (m_stopped) {
        return;
    }
    for (const QString& path : paths) {
        handleFileEvent(path);
    }
}

bool ConnectionEngine::isAlreadyUploaded(const QString& path) const
{
    // A file whose date cannot be read is not tested.
    const std::optional<FolderScan::File> version = FolderScan::stat(path, m_tree.get());
    return version && m_record->contains(path, version->modified, version->size);
}

UploadedRecord::Entry ConnectionEngine::uploadedVersion(const QString& path,
                                                        const LocalFileVersion& sent) const
{
    // The version the transfer opened is the one the server holds; a save during the upload is newer and
    // must not be recorded as uploaded.
    if (sent.isValid()) {
        return {path, UploadedRecord::secondsOf(sent.modifiedNs), sent.size};
    }
    const std::optional<FolderScan::File> version = FolderScan::stat(path, m_tree.get());
    return {path, version ? version->modified : double(QDateTime::currentMSecsSinceEpoch()) / 1000.0,
            version ? version->size : -1};
}

// ---- results ----

void ConnectionEngine::handleJobUpdate(const UploadJob& job)
{
    const bool started = m_inFlight.stage(job.localPath) != InFlightFiles::Stage::uploading;
    if (!m_inFlight.updateJob(job)) {
        return; // not the file's current job (a late report)
    }
    // The counts and the state follow once the queue has handed over everything that arrived together.
    m_jobsChanged = true;
    if (started && job.status.isUploading()) {
        setTag(FinderTagService::UploadColour::blue, job.localPath);
    }
}

void ConnectionEngine::afterDelivery()
{
    if (std::exchange(m_jobsChanged, false)) {
        refreshCounts();
        updateStateAfterJobChange();
    }
}

void ConnectionEngine::refreshCounts()
{
    setActiveJobs(m_inFlight.activeJobs());
    setQueuedCount(m_inFlight.queuedCount());
}

void ConnectionEngine::updateStateAfterJobChange()
{
    if (!m_activeJobs.isEmpty()) {
        setState(EngineState::uploading());
    } else if (m_state.kind() == EngineState::Kind::uploading) {
        setState(EngineState::watching());
    }
}

void ConnectionEngine::handleResults(const QList<UploadResult>& results)
{
    for (const UploadResult& result : results) {
        const QString& path = result.job.localPath;
        m_inFlight.updateJob(result.job);
        if (m_inFlight.stage(path) == InFlightFiles::Stage::uploading) {
            m_inFlight.remove(path);
        }
    }
    m_jobsChanged = false;
    refreshCounts();
    updateStateAfterJobChange();

    // Recorded first, so a version saved during its upload is told from the one sent; the results handed
    // over together reach the record's writer together, which commits them off this thread.
    qint64 uploadedFiles = 0;
    qint64 uploadedBytes = 0;
    std::vector<UploadedRecord::Entry> uploaded;
    uploaded.reserve(size_t(results.size()));
    for (const UploadResult& result : results) {
        if (!result.success) {
            continue;
        }
        // A file the server already held is remembered too, so the scans leave it alone while it is
        // unchanged; it is not counted.
        uploaded.push_back(
            uploadedVersion(result.job.localPath, result.skippedExisting ? LocalFileVersion() : result.sent));
        if (!result.skippedExisting) {
            ++uploadedFiles;
            uploadedBytes += result.bytesUploaded;
        }
    }
    m_record->record(uploaded);
    if (m_services.stats) {
        m_services.stats->recordUploads(uploadedFiles, uploadedBytes);
    }
    if (m_services.activity) {
        m_services.activity->recordUploads(m_connection.id, uploadedFiles, uploadedBytes);
    }

    Finished finished;
    // UTC, as the history keeps it: the local time would cost a time-zone lookup.
    finished.timestamp = QDateTime::currentDateTimeUtc();
    for (const UploadResult& result : results) {
        handleOutcome(result, finished);
    }
    if (finished.uploaded > 0) {
        setCompletedCount(m_completedCount + finished.uploaded);
        if (m_lastUploadedFile != finished.lastName) {
            m_lastUploadedFile = finished.lastName;
            Q_EMIT lastUploadedFileChanged(finished.lastName);
        }
        if (m_services.history) {
            m_services.history->add(finished.history);
        }
        // Fewer than the announcement threshold wait for more, or for the delay.
        if (!m_notificationAccumulator.isEmpty()) {
            scheduleDelayedFlush();
        }
    }
    // Versions saved during their uploads are not the ones recorded: they go up again.
    for (const QString& path : std::as_const(finished.toOfferAgain)) {
        handleFileEvent(path);
    }
    updateScanPace();
    // A stop waits for the results of uploads that were under way; these may have been the last. Their
    // records are in the store before anyone hears of it.
    if (m_stopped && !hasRunningTransfers()) {
        m_record->waitForWrites();
        Q_EMIT transfersFinished();
    }
}

void ConnectionEngine::handleOutcome(const UploadResult& result, Finished& finished)
{
    const UploadJob& job = result.job;
    const QString path = job.localPath;
    const QString name = fileNameOf(job.localPath);
    const QString prefix = QStringLiteral("[%1] ").arg(m_connection.name);
    if (result.notReady) {
        // Its writer is not done: offered again by the scans, at once when it changes and otherwise after a
        // back-off, and never sent cut off.
        m_inFlight.failed(path, m_clock.elapsed(), versionStamp(path));
        forgetStage(path);
        log(prefix + tr("Still being written, offered again later: ") + name, LogEntry::LogLevel::info);
        return;
    }
    if (result.cutShort) {
        // Not recorded: the next start sends it again, whole.
        forgetStage(path);
        log(prefix + tr("Upload cut short by the stop; it goes up at the next start: ") + name,
            LogEntry::LogLevel::warning);
        return;
    }
    if (result.success && result.skippedExisting) {
        m_inFlight.succeeded(path);
        m_failureNotices.succeeded(path);
        // Recorded with the others, but not counted, not in the history and no post-upload action: the
        // server holds other bytes under that name, and deleting or moving this file could lose it. It was
        // not uploaded, so it wears no upload colour.
        forgetStage(path);
        if (m_connection.finderTagsEnabled && m_services.tags) {
            m_services.tags->clearColour(path, m_tree.get());
        }
        log(prefix + tr("Skipped (exists on server): ") + name, LogEntry::LogLevel::info);
        return;
    }
    if (result.success && result.resumedFrom > 0) {
        log(prefix +
                tr("Resumed at %1 of %2: ")
                    .arg(formattedSize(result.resumedFrom), formattedSize(result.sent.size)) +
                name,
            LogEntry::LogLevel::info);
    } else if (result.success && !result.resumeRefused.isEmpty() &&
               !std::exchange(m_toldResumeRefused, true)) {
        // Once per run: every cut upload to this server starts again from its first byte.
        log(prefix + tr("Resuming was not possible, sent whole: ") + name + QStringLiteral(" (") +
                result.resumeRefused + QLatin1Char(')'),
            LogEntry::LogLevel::warning);
    }
    if (result.success) {
        m_inFlight.succeeded(path);
        m_failureNotices.succeeded(path);
        // Rename mode may have chosen a numbered name; that is the name the server and the history show.
        const QString remoteName = result.remotePath.isEmpty()
                                       ? name
                                       : result.remotePath.mid(result.remotePath.lastIndexOf(u'/') + 1);
        setConsecutiveErrors(0);
        ++finished.uploaded;
        finished.lastName = name;
        log(prefix + QStringLiteral("✓ ") + name +
                (remoteName == name ? QString() : QStringLiteral(" → ") + remoteName) + QStringLiteral(" (") +
                formattedSize(result.bytesUploaded) + QStringLiteral(")"),
            LogEntry::LogLevel::info, path);
        if (m_services.history) {
            HistoryEntry entry;
            entry.timestamp = finished.timestamp;
            entry.filename = remoteName;
            entry.bytes = result.bytesUploaded;
            entry.connectionName = m_connection.name;
            entry.direction = TransferDirection::upload;
            entry.verifiedBy = result.verifiedBy;
            finished.history.append(entry);
        }
        // Green, and acted on, once every connection that takes the file has it.
        if (m_services.deliveries) {
            m_services.deliveries->delivered(*this, path, result.sent);
        } else {
            paintTag(FinderTagService::UploadColour::green, path);
            if (m_connection.postUploadAction.kind() != PostUploadAction::Kind::none ||
                m_connection.deleteLocalAfterUpload) {
                actAfterUpload(path, result.sent);
            }
        }
        // One reading tells a file that is gone or unchanged (the usual case) from a newer version.
        if (!m_stopped) {
            const std::optional<FolderScan::File> now = FolderScan::stat(path, m_tree.get());
            if (now && !m_record->contains(path, now->modified, now->size)) {
                finished.toOfferAgain.append(path);
            }
        }
        m_notificationAccumulator.append({name, result.bytesUploaded});
        const int threshold = m_services.settings ? m_services.settings->notifyMinFileCount() : 1;
        if (m_notificationAccumulator.size() >= threshold) {
            flushNotifications();
        }
        return;
    }

    // Offered again by the scans once its back-off has passed (sooner when the file changes), so a server
    // that is back gets the file without the user's help, and a refused login is not tried every scan.
    m_inFlight.failed(path, m_clock.elapsed(), versionStamp(path));
    setConsecutiveErrors(m_consecutiveErrors + 1);
    if (m_services.activity) {
        m_services.activity->recordFailure(m_connection.id);
    }
    const QString message = result.error.value_or(tr("Unknown error"));
    setTag(FinderTagService::UploadColour::red, path);
    // The log says what to do about it (check the port, the password, ...) after libcurl's own words.
    const QString advice =
        result.failure ? FailureAdvice::forError(m_connection, *result.failure) : QString();
    log(prefix + QStringLiteral("✗ ") + name + QStringLiteral(": ") + message +
            (advice.isEmpty() ? QString() : QStringLiteral(" — ") + advice),
        LogEntry::LogLevel::error, path);
    setState(EngineState::error(message));
    // Announced by the user's rule: after so many failures in a row, then the same notice updated.
    m_failureNotices.failed(path, name, m_connection.name, message);
}

void ConnectionEngine::actAfterUpload(const QString& path, const LocalFileVersion& sent)
{
    if (m_services.tags) {
        // The green tag goes with the file to the archive, and is on it when the script looks.
        m_services.tags->settle(path);
    }
    runPostUploadActions(path, sent);
}

void ConnectionEngine::runPostUploadActions(const QString& path, const LocalFileVersion& sent)
{
    if (!m_tree) {
        return;
    }
    // On the pool: a copy into an archive on another disk takes as long as the file is big, and must not
    // hold the main thread (nor a named pipe swapped in for the file, which the actions open without
    // waiting). The job holds the folder as it was opened and the log, which outlives every engine, never
    // the engine itself.
    auto job = [actions = m_postUploadActions, tree = m_tree, path, sent, logService = m_services.log,
                id = m_connection.id, prefix = QStringLiteral("[%1] ").arg(m_connection.name)] {
        // Asked here, not on the main thread: opening a file on a stalled network mount can take long. A
        // writer that paused is not done: what it writes next makes a new version, which goes up and is
        // acted on then. Deleting or moving the file now would lose the rest.
        if (ReadLease::isOpenForWriting(path, tree.get())) {
            if (logService) {
                logService->log(prefix + tr("Still open for writing, kept until its writer is done: ") +
                                    fileNameOf(path),
                                LogEntry::LogLevel::info, id, path);
            }
            return;
        }
        if (actions.run(path, sent, *tree) == PostUploadActions::Outcome::changedSinceUpload && logService) {
            logService->log(prefix + tr("Changed during the upload, kept to go up again: ") +
                                fileNameOf(path),
                            LogEntry::LogLevel::info, id, path);
        }
    };
    if (m_services.transferPool == nullptr) {
        job();
        return;
    }
    ++m_postUploadActionsRunning;
    m_services.transferPool->start([job = std::move(job), link = m_postUploadLink] {
        job();
        const QMutexLocker lock(&link->mutex);
        if (ConnectionEngine* const engine = link->engine) {
            QMetaObject::invokeMethod(engine, &ConnectionEngine::postUploadActionDone, Qt::QueuedConnection);
        }
    });
}

void ConnectionEngine::postUploadActionDone()
{
    --m_postUploadActionsRunning;
    // A stop waits for these as for the uploads they follow.
    if (m_stopped && !hasRunningTransfers()) {
        m_record->waitForWrites();
        Q_EMIT transfersFinished();
    }
}

void ConnectionEngine::scheduleDelayedFlush()
{
    m_notificationFlushTimer.start();
}

void ConnectionEngine::flushNotifications()
{
    m_notificationFlushTimer.stop();
    if (m_notificationAccumulator.isEmpty()) {
        return;
    }
    QStringList names;
    qint64 total = 0;
    for (const auto& [name, bytes] : std::as_const(m_notificationAccumulator)) {
        names.append(name);
        total += bytes;
    }
    m_notificationAccumulator.clear();
    AppSettings* settings = m_services.settings;
    if (settings && settings->playSoundOnDownload() && m_services.sounds) {
        m_services.sounds->play(settings->soundName());
    }
    if (settings && m_services.notifications) {
        m_services.notifications->notifyUploadsFinished(names, total, m_connection.name, *settings);
    }
}

// ---- small helpers ----

void ConnectionEngine::setTag(FinderTagService::UploadColour colour, const QString& path)
{
    if (m_services.deliveries) {
        using Stage = FolderDeliveries::Stage;
        const Stage stage = colour == FinderTagService::UploadColour::red    ? Stage::failed
                            : colour == FinderTagService::UploadColour::blue ? Stage::uploading
                                                                             : Stage::queued;
        m_services.deliveries->setStage(*this, path, stage);
        return;
    }
    paintTag(colour, path);
}

void ConnectionEngine::forgetStage(const QString& path)
{
    if (m_services.deliveries) {
        m_services.deliveries->setStage(*this, path, std::nullopt);
    }
}

void ConnectionEngine::paintTag(FinderTagService::UploadColour colour, const QString& path) const
{
    if (m_connection.finderTagsEnabled && m_services.tags) {
        m_services.tags->queueTag(colour, path, m_tree);
    }
}

void ConnectionEngine::log(const QString& message, LogEntry::LogLevel level, const QString& file) const
{
    if (m_services.log) {
        m_services.log->log(message, level, m_connection.id, file);
    }
}

void ConnectionEngine::setState(const EngineState& state)
{
    // Every assignment notifies: the manager recomputes its summary from each one.
    m_state = state;
    Q_EMIT stateChanged(m_state);
}

// Assigns and notifies only on a real change.
template <typename T, typename Signal>
static void assignNotifying(ConnectionEngine* engine, T& field, T value, Signal signal)
{
    if (field != value) {
        field = value;
        Q_EMIT(engine->*signal)(value);
    }
}

void ConnectionEngine::setStabilityChecking(bool value)
{
    assignNotifying(this, m_isStabilityChecking, value, &ConnectionEngine::isStabilityCheckingChanged);
}

void ConnectionEngine::setActiveJobs(QList<UploadJob> jobs)
{
    if (jobs == m_activeJobs) {
        return;
    }
    m_activeJobs = std::move(jobs);
    Q_EMIT activeJobsChanged();
}

void ConnectionEngine::setQueuedCount(int value)
{
    assignNotifying(this, m_queuedCount, value, &ConnectionEngine::queuedCountChanged);
}

void ConnectionEngine::setConsecutiveErrors(int value)
{
    assignNotifying(this, m_consecutiveErrors, value, &ConnectionEngine::consecutiveErrorsChanged);
}

void ConnectionEngine::setCompletedCount(int value)
{
    assignNotifying(this, m_completedCount, value, &ConnectionEngine::completedCountChanged);
}

} // namespace ondrix
