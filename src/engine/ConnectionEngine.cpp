#include "engine/ConnectionEngine.h"

#include "engine/FolderDeliveries.h"
#include "engine/FolderWatcher.h"
#include "engine/UploadQueue.h"
#include "engine/UploadTask.h"
#include "engine/UploadedRecordGate.h"
#include "platform/FileEventSource.h"
#include "platform/WatchedTree.h"
#include "records/LogService.h"
#include "transfer/Uploader.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cstring>

namespace ondrix {

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
    , m_postUploadActions(
          connection.postUploadAction, connection.deleteLocalAfterUpload,
          [log = services.log, id = connection.id, name = connection.name](const QString& problem) {
              if (log) {
                  log->logFor(id, name, problem, LogEntry::LogLevel::warning);
              }
          })
    , m_announcer(new EngineAnnouncer(connection, services, this))
    , m_outcomes(std::make_unique<UploadOutcomeHandler>(*this))
{
    m_uploaders.push_back(m_task->uploader());
    m_clock.start();
    m_pace.setConfiguredStabilitySeconds(connection.stabilityCheckSeconds);
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

    // Files that changed before the record was read are offered once it is, unless the engine stopped.
    m_recordGate = new UploadedRecordGate(
        m_record, services.transferPool,
        [this](const QSet<QString>& held) {
            for (const QString& path : held) {
                if (!m_stopped) {
                    handleFileEvent(path);
                }
            }
        },
        this);
    m_stopGraceTimer.setSingleShot(true);
    m_stopGraceTimer.setInterval(int(kDefaultStopGraceMs));
    connect(&m_stopGraceTimer, &QTimer::timeout, this, [this] {
        if (m_stopped && hasRunningTransfers()) {
            log(tr("Stopping: uploads still running after %1 s are cut short; they go up again at the "
                   "next start")
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
        [this](const QList<UploadResult>& results) { m_outcomes->handleResults(results); },
        [this](const UploadJob& job) { handleJobUpdate(job); }, [this] { afterDelivery(); });
}

ConnectionEngine::~ConnectionEngine()
{
    leaveDeliveries();
    // Post-upload actions still running report to nobody.
    m_outcomes.reset();
    // Nobody is left to handle their results.
    abortTransfers();
    if (m_folderWatcher) {
        m_folderWatcher->stop();
    }
}

void ConnectionEngine::setUploader(std::shared_ptr<Uploader> uploader)
{
    std::erase_if(m_uploaders, [](const std::weak_ptr<Uploader>& u) { return u.expired(); });
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
    for (const std::weak_ptr<Uploader>& uploader : m_uploaders) {
        if (const std::shared_ptr<Uploader> running = uploader.lock()) {
            running->cutConnections();
        }
    }
}

void ConnectionEngine::setStabilityIntervalSeconds(double seconds)
{
    m_pace.setStabilityIntervalSeconds(seconds);
    updateScanPace();
}

void ConnectionEngine::setSafetyNetScanSeconds(double seconds)
{
    m_pace.setSafetyNetSeconds(seconds);
    updateScanPace();
}

qint64 ConnectionEngine::scanIntervalMs() const
{
    const bool trusted = m_folderWatcher && m_folderWatcher->isWatching() && m_folderWatcher->isReliable() &&
                         !m_folderIsRemote && !m_folderMissing;
    return m_pace.intervalMs(trusted, m_inFlight.hasBackOffs(), m_clock.elapsed());
}

void ConnectionEngine::updateScanPace()
{
    m_scan->setIntervalMs(scanIntervalMs());
}

void ConnectionEngine::changesLost(const QString& message)
{
    log(message, LogEntry::LogLevel::warning);
    // Only a scan finds what was missed: one now, and frequent ones for a while.
    m_pace.changesLost(m_clock.elapsed());
    updateScanPace();
    m_scan->requestNow();
}

// ---- life cycle ----

void ConnectionEngine::start(const std::optional<QString>& folder)
{
    if (!m_connection.isEnabled) {
        return;
    }
    if (m_connection.localFolder.isEmpty()) {
        setState(EngineState::error(tr("No local folder configured")));
        log(tr("No local folder configured"), LogEntry::LogLevel::error);
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
    (void)m_recordGate->isReady();
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
    log(reason + m_configuredFolderPath + QStringLiteral(" — ") +
            tr("Ondrix looks for it again every few seconds."),
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
        log(tr("The local folder %1 cannot be opened without following a symbolic link (%2); nothing in "
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
    log(tr("Watching ") + m_configuredFolderPath, LogEntry::LogLevel::info);
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
    m_recordGate->clear();
    // Directly, not later: a transfer finishing in between must not start a queued file after the stop. Jobs
    // the queue has started are uploads under way even when their start has not reached us yet.
    for (const UploadJob& job : m_uploadQueue->cancelAll()) {
        m_inFlight.updateJob(job);
    }
    m_inFlight.dropWaiting();
    m_announcer->flush();
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
        setUploader(m_task->uploader()->reconnected(edited));
    }
    m_connection = edited;
    m_announcer->setConnectionName(edited.name);
    m_pace.setConfiguredStabilitySeconds(edited.stabilityCheckSeconds);
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
    return m_uploadQueue->runningCount() > 0 || (m_outcomes && m_outcomes->hasActionsRunning());
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
    if (!m_recordGate->admit(path)) {
        return;
    }
    if (version && m_record->contains(path, version->version)) {
        return;
    }
    if (m_inFlight.hasBackOffs() && m_inFlight.isHeldBack(path, m_clock.elapsed(), stampOf(version))) {
        return;
    }
    log(tr("Stability check (%1s): ").arg(m_connection.stabilityCheckSeconds) + fileNameOf(path),
        LogEntry::LogLevel::info);

    const FileStabilityChecker::Handle handle = m_stabilityChecker.waitForStability(
        path, m_pace.stabilityInterval(), this,
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
    return version->version.modifiedNs ^ (version->version.size << 20);
}

bool ConnectionEngine::admitsSize(const FileStabilityChecker::Reading& version) const
{
    return m_connection.minFileSizeBytes < 1 || !version ||
           version->version.size >= m_connection.minFileSizeBytes;
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
    if (m_record->contains(path, version ? version->version : FileVersion())) {
        log(tr("Skipped (already uploaded): ") + name, LogEntry::LogLevel::info);
        return;
    }
    UploadJob job;
    job.connectionId = m_connection.id;
    job.localPath = path;
    job.remoteRelativePath = remoteRelativePath(path);
    job.status = UploadStatus::pending();
    job.enqueuedAt = QDateTime::currentDateTimeUtc();
    job.bytesTotal = version ? version->version.size : 0;
    job.bytesUploaded = 0;
    m_inFlight.queue(path, job);
    m_uploadQueue->enqueue(job);
    refreshCounts();
    setTag(FinderTagService::UploadColour::yellow, path);
    log(tr("Queued: ") + name, LogEntry::LogLevel::info, path);
}

// ---- the uploaded record ----

bool ConnectionEngine::isAlreadyUploaded(const QString& path) const
{
    // A file whose date cannot be read is not tested.
    const std::optional<FolderScan::File> version = FolderScan::stat(path, m_tree.get());
    return version && m_record->contains(path, version->version);
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

void ConnectionEngine::endStopOnceIdle()
{
    // Their records are in the store before anyone hears of it.
    if (m_stopped && !hasRunningTransfers()) {
        m_record->waitForWrites();
        Q_EMIT transfersFinished();
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
