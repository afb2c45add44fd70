#include "engine/ConnectionEngine.h"

#include "engine/FolderWatcher.h"
#include "engine/IPTCMetadataService.h"
#include "engine/UploadQueue.h"
#include "model/AppSettings.h"
#include "platform/FileEventSource.h"
#include "platform/PreferencesStore.h"
#include "platform/SoundPlayer.h"
#include "records/HistoryService.h"
#include "records/LogService.h"
#include "records/NotificationService.h"
#include "records/StatsService.h"
#include "transfer/FTPUploader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QSet>
#include <QThreadPool>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cmath>
#include <mutex>

namespace ondrix {

// One regular file a scan found, with its modification date as the enumeration read it.
struct ScannedFile {
    QString path;
    std::optional<double> modified;
    qint64 size = -1;
};

namespace {

QString fileNameOf(const QUrl& url)
{
    return QFileInfo(url.toLocalFile()).fileName();
}

double secondsOf(const struct timespec& time)
{
    return UploadedRecord::secondsOf(qint64(time.tv_sec) * 1000000000 + qint64(time.tv_nsec));
}

// Date and size straight from stat: QFileInfo's date goes through the local time zone, which costs two more
// system calls for every file of every scan.
std::optional<ScannedFile> fileVersion(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return std::nullopt;
    }
    return ScannedFile{path, secondsOf(info.st_mtim), qint64(info.st_size)};
}

// Appends the regular files below `folder` (its sub-folders too when `recursive`) in the order the folder
// lists them, descending into each sub-folder where it is listed. Hidden entries, symbolic links and ignored
// names are left out. Runs on the transfer pool: plain readdir and one stat per file, no main-thread state.
// `folderText` is `folder` decoded, so that each file's path decodes only its own name.
bool enumerateFolder(const QByteArray& folder, const QString& folderText, bool recursive,
                     QList<ScannedFile>& files)
{
    DIR* dir = ::opendir(folder.constData());
    if (dir == nullptr) {
        return false;
    }
    const int dirFd = ::dirfd(dir);
    const QString prefix = folderText + QLatin1Char('/');
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.') {
            continue; // ".", ".." and hidden entries
        }
        struct stat info {};
        if (::fstatat(dirFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            if (recursive) {
                enumerateFolder(folder + '/' + name, prefix + QFile::decodeName(name), true, files);
            }
            continue;
        }
        if (!S_ISREG(info.st_mode)) {
            continue;
        }
        const QString fileName = QFile::decodeName(name);
        if (FolderWatcher::isIgnoredFileName(fileName)) {
            continue;
        }
        files.append({prefix + fileName, secondsOf(info.st_mtim), qint64(info.st_size)});
    }
    ::closedir(dir);
    return true;
}

// Progress reports become queued calls on the main thread; libcurl calls back many times per transfer, also
// while it only waits for the server. Repeats are dropped and intermediate steps come at most this often.
constexpr qint64 kProgressReportIntervalMs = 100;

// Splits an extension list at commas, trims blanks and tabs (not line breaks) and lower-cases the pieces.
QStringList extensionList(const QString& text)
{
    QStringList result;
    for (const QString& piece : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        qsizetype begin = 0;
        qsizetype end = piece.size();
        while (begin < end && (piece[begin] == QLatin1Char(' ') || piece[begin] == QLatin1Char('\t'))) {
            ++begin;
        }
        while (end > begin && (piece[end - 1] == QLatin1Char(' ') || piece[end - 1] == QLatin1Char('\t'))) {
            --end;
        }
        result.append(piece.mid(begin, end - begin).toLower());
    }
    return result;
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

// What a transfer on the pool needs; shared with running transfers so that they outlive a released engine.
struct ConnectionEngine::PerformContext {
    QString remoteFolder;
    std::optional<QString> keyword;
    std::shared_ptr<FTPUploader> uploader;

    // Remote directories asked for once already: later files in them skip the round trips. A failed upload
    // forgets its directory, so the next attempt asks again.
    bool needsDirectory(const QString& directory)
    {
        std::lock_guard lock(mutex);
        return !createdDirectories.contains(directory);
    }
    void rememberDirectory(const QString& directory, bool created)
    {
        std::lock_guard lock(mutex);
        if (created) {
            createdDirectories.insert(directory);
        } else {
            createdDirectories.remove(directory);
        }
    }

    std::mutex mutex;
    QSet<QString> createdDirectories;
};

// Hands a scan's findings back to the engine on the main thread; cleared when the engine goes, so a scan
// still running on the pool then drops them.
struct ConnectionEngine::ScanLink {
    std::mutex mutex;
    ConnectionEngine* engine = nullptr;
};

ConnectionEngine::ConnectionEngine(const PushConnection& connection, const EngineServices& services,
                                   QObject* parent)
    : QObject(parent)
    , m_connection(connection)
    , m_services(services)
    , m_perform(std::make_shared<PerformContext>())
    , m_record(std::make_shared<UploadedRecord>(services.store, connection))
    , m_postUploadActions(connection.postUploadAction, connection.deleteLocalAfterUpload,
                          [this](const QString& problem) {
                              log(QStringLiteral("[%1] ").arg(m_connection.name) + problem,
                                  LogEntry::LogLevel::warning);
                          })
    , m_scanLink(std::make_shared<ScanLink>())
{
    m_scanLink->engine = this;
    m_clock.start();
    m_perform->remoteFolder = connection.remoteFolder;
    m_perform->keyword = connection.effectiveIPTCKeyword();
    m_perform->uploader = std::make_shared<FTPUploader>(connection);

    m_stabilityChecker.setCheckInterval(FileStabilityChecker::kDefaultCheckInterval);
    m_stabilityChecker.setMaxWaitSeconds(kStabilityMaxWaitSeconds);
    m_uploadQueue = new UploadQueue(int(std::clamp<qint64>(connection.simultaneousUploads, 0, 100)),
                                    services.transferPool, this);

    m_scanTimer.setSingleShot(true);
    m_notificationFlushTimer.setSingleShot(true);
    m_notificationFlushTimer.setInterval(int(kDefaultNotificationFlushDelayMs));
    connect(&m_notificationFlushTimer, &QTimer::timeout, this, &ConnectionEngine::flushNotifications);

    // The transfer runs on the pool with only the shared context; the handlers come back on this thread.
    std::shared_ptr<PerformContext> perform = m_perform;
    m_uploadQueue->setCallbacks(
        [perform](const UploadJob& job, const UploadTaskControl& control) {
            QElapsedTimer clock;
            clock.start();
            const QString localPath = job.localURL.toLocalFile();
            const QString path = remotePath(perform->remoteFolder, job.remoteRelativePath);
            const QString directory = remoteDirectory(path);
            if (perform->keyword && !perform->keyword->isEmpty()) {
                IPTCMetadataService::injectKeywords(*perform->keyword, localPath);
            }
            const bool inSubdirectory = directory != QLatin1String("/");
            if (inSubdirectory && perform->needsDirectory(directory)) {
                (void)perform->uploader->createDirectory(directory);
            }
            LocalFileVersion opened;
            qint64 lastSent = -1;
            qint64 lastTotal = -1;
            QElapsedTimer sinceReport;
            const std::optional<FTPError> error = perform->uploader->upload(
                localPath, path,
                [&](qint64 sent, qint64 total) {
                    if (sent == lastSent && total == lastTotal) {
                        return;
                    }
                    const bool last = total > 0 && sent >= total;
                    if (!last && sinceReport.isValid() && sinceReport.elapsed() < kProgressReportIntervalMs) {
                        return;
                    }
                    lastSent = sent;
                    lastTotal = total;
                    sinceReport.start();
                    control.reportProgress(sent, total);
                },
                &opened);
            if (inSubdirectory) {
                perform->rememberDirectory(directory, !error.has_value());
            }
            UploadResult result;
            result.job = job;
            result.duration = double(clock.nsecsElapsed()) / 1e9;
            result.sent = opened;
            if (error) {
                result.success = false;
                result.error = error->description();
                return result;
            }
            result.success = true;
            if (job.bytesTotal > 0) {
                result.bytesUploaded = job.bytesTotal;
            } else {
                const QFileInfo info(localPath);
                result.bytesUploaded = info.exists() ? info.size() : 0;
            }
            return result;
        },
        [this](const UploadResult& result) { handleResult(result); },
        [this](const UploadJob& job) { handleJobUpdate(job); });
}

ConnectionEngine::~ConnectionEngine()
{
    {
        std::lock_guard lock(m_scanLink->mutex);
        m_scanLink->engine = nullptr;
    }
    if (m_folderWatcher) {
        m_folderWatcher->stop();
    }
}

void ConnectionEngine::setUploader(std::shared_ptr<FTPUploader> uploader)
{
    m_perform->uploader = std::move(uploader);
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

void ConnectionEngine::start(const std::optional<QUrl>& folderURL)
{
    if (!m_connection.isEnabled) {
        return;
    }
    if (m_connection.localFolder.isEmpty()) {
        setState(EngineState::error(tr("No local folder configured")));
        return;
    }
    m_bookmarkURL = folderURL;
    m_stopped = false;
    // Paths are normalised once, here: a trailing slash or a linked folder would otherwise give one file
    // two paths (two uploads, two script runs), and a link gets no change notifications of its own.
    m_configuredFolderPath =
        normalisedFolder(folderURL ? folderURL->toLocalFile() : m_connection.localFolder);
    const QString resolved = QFileInfo(m_configuredFolderPath).canonicalFilePath();
    m_folderPath = resolved.isEmpty() ? m_configuredFolderPath : resolved;
    m_watchedFolderURL = QUrl::fromLocalFile(m_folderPath);
    if (!QFileInfo::exists(m_folderPath)) {
        // A drive that is mounted later: the scans look for the folder until it is there, and the error
        // stays visible meanwhile.
        m_folderMissing = true;
        setState(EngineState::error(tr("Local folder not found: ") + m_configuredFolderPath));
        scheduleNextScan(++m_scanGeneration, false);
        return;
    }
    beginWatching();
    scheduleNextScan(++m_scanGeneration, true);
}

void ConnectionEngine::beginWatching()
{
    m_folderMissing = false;
    if (m_folderWatcher) {
        m_folderWatcher->stop();
    }
    m_folderWatcher =
        std::make_unique<FolderWatcher>(QUrl::fromLocalFile(m_folderPath), m_services.makeFileEventSource());
    m_folderWatcher->setOnFileEvent(
        [this](const QUrl& url, FolderWatcher::FSEventKind) { handleFileEvent(url); });
    // Missed changes are found by the periodic scan; the user learns why uploads may start later.
    const auto warn = [this](const QString& message) {
        log(QStringLiteral("[") + m_connection.name + QStringLiteral("] ") + message,
            LogEntry::LogLevel::warning);
    };
    connect(m_folderWatcher.get(), &FolderWatcher::eventsLost, this, warn);
    connect(m_folderWatcher.get(), &FolderWatcher::becameUnreliable, this, warn);
    m_folderWatcher->start();

    setState(EngineState::watching());
    log(QStringLiteral("[") + m_connection.name + QStringLiteral("] ") + tr("Watching ") +
            m_configuredFolderPath,
        LogEntry::LogLevel::info);
}

void ConnectionEngine::stop()
{
    ++m_scanGeneration;
    m_stopped = true;
    m_scanRunning = false;
    m_scanTimer.stop();
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
    // Jobs the queue has started are uploads under way even when their start has not reached us yet.
    for (const UploadJob& job : m_uploadQueue->activeJobs()) {
        m_inFlight.updateJob(job);
    }
    // Directly, not later: a transfer finishing in between must not start a queued file after the stop.
    m_uploadQueue->cancelAll();
    m_inFlight.dropWaiting();
    flushNotifications();
    setState(EngineState::idle());
    // Uploads under way are not interrupted; they stay in activeJobs until their results are handled.
    refreshCounts();
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
    } else if (m_stopped || !m_watchedFolderURL) {
        setState(EngineState::idle());
    } else {
        setState(EngineState::watching());
    }
    QMetaObject::invokeMethod(m_uploadQueue, &UploadQueue::resume, Qt::QueuedConnection);
}

void ConnectionEngine::scanNow()
{
    m_inFlight.clearBackOffs();
    if (m_stopped || !m_watchedFolderURL) {
        return;
    }
    if (m_scanRunning) {
        m_scanRequested = true;
    } else {
        scheduleNextScan(m_scanGeneration, true);
    }
}

bool ConnectionEngine::hasRunningTransfers() const
{
    return m_uploadQueue->runningCount() > 0;
}

// ---- scanning ----

void ConnectionEngine::scheduleNextScan(quint64 generation, bool immediately)
{
    m_scanRunning = false;
    if (m_scanRequested) {
        m_scanRequested = false;
        immediately = true;
    }
    m_scanTimer.disconnect();
    connect(&m_scanTimer, &QTimer::timeout, this, [this, generation] { runScan(generation); });
    m_scanTimer.start(immediately ? 0 : int(stabilityInterval() * 1000.0));
}

void ConnectionEngine::runScan(quint64 generation)
{
    if (generation != m_scanGeneration) {
        return;
    }
    const auto skipScan = [this, generation] {
        Q_EMIT scanFinished();
        scheduleNextScan(generation, false);
    };
    // Scans go on in an error state: failed files are offered again (each after its back-off) and a missing
    // folder is looked for, so a server or a drive that comes back is used without the user's help.
    if (!m_watchedFolderURL || m_state.kind() == EngineState::Kind::idle ||
        m_state.kind() == EngineState::Kind::paused) {
        skipScan();
        return;
    }
    if (!QFileInfo(m_folderPath).isDir()) {
        if (!m_folderMissing) {
            m_folderMissing = true;
            if (m_folderWatcher) {
                m_folderWatcher->stop();
                m_folderWatcher.reset();
            }
            setState(EngineState::error(tr("Local folder not found: ") + m_configuredFolderPath));
        }
        skipScan();
        return;
    }
    if (m_folderMissing) {
        beginWatching();
    }
    m_scanRunning = true;
    setStabilityChecking(true);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();

    // The listing of a big tree would hold the main thread up; it runs on the pool, ahead of waiting uploads.
    const QString root = m_watchedFolderURL->toLocalFile();
    const bool recursive = m_connection.monitorSubdirectories;
    // Files the record holds with the date the listing reads are passed over there, as the event handler
    // would pass them over silently, so a big uploaded tree costs the main thread nothing. The record is a
    // copy taken now (or read there, when the main thread has not needed it yet); an entry that changes
    // meanwhile is settled by the handler (or, if trimmed, by the next scan).
    const bool prune = !m_recordPruned;
    m_recordPruned = true;
    auto enumerate = [link = m_scanLink, root, recursive, generation, clock, record = m_record, prune] {
        auto files = std::make_shared<QList<ScannedFile>>();
        const QFileInfo rootInfo(root);
        const bool readable = rootInfo.isDir() && rootInfo.isReadable() &&
                              enumerateFolder(QFile::encodeName(QDir::cleanPath(root)), QDir::cleanPath(root),
                                              recursive, *files);
        if (readable && prune) {
            record->forgetMissingBelow(root);
        }
        files->removeIf([&record](const ScannedFile& file) {
            return file.modified && record->contains(file.path, *file.modified, file.size);
        });
        std::lock_guard lock(link->mutex);
        if (link->engine != nullptr) {
            ConnectionEngine* engine = link->engine;
            QMetaObject::invokeMethod(
                engine,
                [engine, generation, clock, files, readable] {
                    engine->scanEnumerated(generation, clock->elapsed(), files, readable);
                },
                Qt::QueuedConnection);
        }
    };
    if (m_services.transferPool != nullptr) {
        m_services.transferPool->start(enumerate, 1);
    } else {
        enumerate();
    }
}

void ConnectionEngine::scanEnumerated(quint64 generation, qint64 elapsedMs,
                                      const std::shared_ptr<QList<ScannedFile>>& files, bool readable)
{
    if (generation != m_scanGeneration) {
        return;
    }
    // The spinner stays up long enough to be seen, also when the folder cannot be read.
    const qint64 rest = std::max<qint64>(0, m_minSpinnerVisibilityMs - elapsedMs);
    QTimer::singleShot(rest, this, [this, generation, files, readable] {
        if (generation != m_scanGeneration) {
            return;
        }
        if (!readable) {
            setStabilityChecking(false);
        } else {
            finishScan(generation, *files);
            return;
        }
        Q_EMIT scanFinished();
        scheduleNextScan(generation, false);
    });
}

void ConnectionEngine::finishScan(quint64 generation, const QList<ScannedFile>& files)
{
    for (const ScannedFile& file : files) {
        handleFileEvent(QUrl::fromLocalFile(file.path));
    }
    if (m_stabilityTasks.isEmpty()) {
        setStabilityChecking(false);
    }
    Q_EMIT scanFinished();
    scheduleNextScan(generation, false);
}

// ---- candidates ----

void ConnectionEngine::handleFileEvent(const QUrl& fileURL)
{
    QString path = QDir::cleanPath(fileURL.toLocalFile());
    const QString base =
        (m_folderPath.isEmpty()
             ? normalisedFolder(m_bookmarkURL ? m_bookmarkURL->toLocalFile() : m_connection.localFolder)
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
    if (!passesFilter(path)) {
        return;
    }
    if (isAlreadyUploaded(path)) {
        return;
    }
    if (m_inFlight.isHeldBack(path, m_clock.elapsed(), versionStamp(path))) {
        return;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    log(QStringLiteral("[%1] ").arg(m_connection.name) +
            tr("Stability check (%1s): ").arg(m_connection.stabilityCheckSeconds) + fileNameOf(url),
        LogEntry::LogLevel::info);

    const FileStabilityChecker::Handle handle = m_stabilityChecker.waitForStability(
        url, stabilityInterval(), this,
        [this, path, url](FileStabilityChecker::Answer answer) { stabilityAnswered(path, url, answer); });
    if (handle.isActive()) {
        m_stabilityTasks.insert(path, handle);
        m_inFlight.awaitStability(path);
        setStabilityChecking(true);
    }
}

void ConnectionEngine::stabilityAnswered(const QString& path, const QUrl& fileURL,
                                         FileStabilityChecker::Answer answer)
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
        enqueueStableFile(fileURL);
    }
}

qint64 ConnectionEngine::versionStamp(const QString& path) const
{
    const std::optional<ScannedFile> version = fileVersion(path);
    if (!version) {
        return 0;
    }
    return qint64(*version->modified * 1e6) ^ (version->size << 20);
}

bool ConnectionEngine::passesFilter(const QString& path) const
{
    const QFileInfo info(path);
    const QString extension = info.suffix().toLower();
    if (!m_connection.excludedExtensions.isEmpty() &&
        extensionList(m_connection.excludedExtensions).contains(extension)) {
        return false;
    }
    if (!m_connection.includedExtensions.isEmpty() &&
        !extensionList(m_connection.includedExtensions).contains(extension)) {
        return false;
    }
    if (m_connection.minFileSizeBytes >= 1 && info.exists() && info.size() < m_connection.minFileSizeBytes) {
        return false;
    }
    return true;
}

QString ConnectionEngine::remoteRelativePath(const QUrl& fileURL) const
{
    const QString path = fileURL.toLocalFile();
    if (m_connection.preserveSubdirectories) {
        const QString base = !m_folderPath.isEmpty() ? m_folderPath
                             : m_bookmarkURL         ? m_bookmarkURL->toLocalFile()
                                                     : m_connection.localFolder;
        if (path.startsWith(base)) {
            QString rest = path.mid(base.size());
            if (rest.startsWith(QLatin1Char('/'))) {
                rest.remove(0, 1);
            }
            return rest;
        }
    }
    return QFileInfo(path).fileName();
}

void ConnectionEngine::enqueueStableFile(const QUrl& fileURL)
{
    const QString path = fileURL.toLocalFile();
    const std::optional<ScannedFile> version = fileVersion(path);
    const QString name = fileNameOf(fileURL);
    const QString prefix = QStringLiteral("[%1] ").arg(m_connection.name);
    if (m_record->contains(path, version ? version->modified.value_or(0.0) : 0.0,
                           version ? version->size : -1)) {
        log(prefix + tr("Skipped (already uploaded): ") + name, LogEntry::LogLevel::info);
        return;
    }
    UploadJob job;
    job.connectionId = m_connection.id;
    job.localURL = fileURL;
    job.remoteRelativePath = remoteRelativePath(fileURL);
    job.status = UploadStatus::pending();
    job.enqueuedAt = QDateTime::currentDateTimeUtc();
    job.bytesTotal = version ? version->size : 0;
    job.bytesUploaded = 0;
    m_inFlight.queue(path, job);
    m_uploadQueue->enqueue(job);
    refreshCounts();
    setTag(FinderTagService::UploadColour::yellow, path);
    log(prefix + tr("Queued: ") + name, LogEntry::LogLevel::info);
}

// ---- the uploaded record ----

bool ConnectionEngine::isAlreadyUploaded(const QString& path) const
{
    // A file whose date cannot be read is not tested.
    const std::optional<ScannedFile> version = fileVersion(path);
    return version && m_record->contains(path, *version->modified, version->size);
}

void ConnectionEngine::recordUpload(const QString& path, const LocalFileVersion& sent)
{
    // The version the transfer opened is the one the server holds; a save during the upload is newer and
    // must not be recorded as uploaded.
    if (sent.isValid()) {
        m_record->record(path, UploadedRecord::secondsOf(sent.modifiedNs), sent.size);
        return;
    }
    const std::optional<ScannedFile> version = fileVersion(path);
    m_record->record(path,
                     version ? *version->modified : double(QDateTime::currentMSecsSinceEpoch()) / 1000.0,
                     version ? version->size : -1);
}

// ---- results ----

QString ConnectionEngine::remotePath(const QString& remoteFolder, const QString& relativePath)
{
    QString path = remoteFolder;
    if (!path.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    return path + relativePath;
}

QString ConnectionEngine::remoteDirectory(const QString& remotePath)
{
    const qsizetype slash = remotePath.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0) {
        return QStringLiteral("/");
    }
    return remotePath.left(slash);
}

void ConnectionEngine::handleJobUpdate(const UploadJob& job)
{
    const bool started = m_inFlight.stage(job.localURL.toLocalFile()) != InFlightFiles::Stage::uploading;
    if (!m_inFlight.updateJob(job)) {
        return; // not the file's current job (a late report)
    }
    refreshCounts();
    if (started && job.status.isUploading()) {
        setTag(FinderTagService::UploadColour::blue, job.localURL.toLocalFile());
    }
    updateStateAfterJobChange();
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

void ConnectionEngine::handleResult(const UploadResult& result)
{
    const UploadJob& job = result.job;
    const QString path = job.localURL.toLocalFile();
    m_inFlight.updateJob(job);
    if (m_inFlight.stage(path) == InFlightFiles::Stage::uploading) {
        m_inFlight.remove(path);
    }
    refreshCounts();
    updateStateAfterJobChange();
    handleOutcome(result);
    // A stop waits for the results of uploads that were under way; this may have been the last.
    if (m_stopped && !hasRunningTransfers()) {
        Q_EMIT transfersFinished();
    }
}

void ConnectionEngine::handleOutcome(const UploadResult& result)
{
    const UploadJob& job = result.job;
    const QString path = job.localURL.toLocalFile();
    const QString name = fileNameOf(job.localURL);
    const QString prefix = QStringLiteral("[%1] ").arg(m_connection.name);
    if (result.success) {
        m_inFlight.succeeded(path);
        setConsecutiveErrors(0);
        setCompletedCount(m_completedCount + 1);
        if (m_lastUploadedFile != name) {
            m_lastUploadedFile = name;
            Q_EMIT lastUploadedFileChanged(name);
        }
        // The record and the counters change together in one commit of the store.
        const auto persist = [&] {
            recordUpload(path, result.sent);
            if (m_services.stats) {
                m_services.stats->recordUpload(result.bytesUploaded);
            }
        };
        if (m_services.store) {
            m_services.store->writeTogether(persist);
        } else {
            persist();
        }
        setTag(FinderTagService::UploadColour::green, path);
        log(prefix + QStringLiteral("✓ ") + name + QStringLiteral(" (") +
                formattedSize(result.bytesUploaded) + QStringLiteral(")"),
            LogEntry::LogLevel::info);
        if (m_services.history) {
            HistoryEntry entry;
            entry.timestamp = QDateTime::currentDateTime();
            entry.filename = name;
            entry.bytes = result.bytesUploaded;
            entry.connectionName = m_connection.name;
            entry.direction = TransferDirection::upload;
            m_services.history->add(entry);
        }
        if (m_connection.postUploadAction.kind() != PostUploadAction::Kind::none ||
            m_connection.deleteLocalAfterUpload) {
            if (m_services.tags) {
                // The green tag goes with the file to the archive, and is on it when the script looks.
                m_services.tags->settle(path);
            }
            if (m_postUploadActions.run(path, result.sent) ==
                PostUploadActions::Outcome::changedSinceUpload) {
                log(prefix + tr("Changed during the upload, kept to go up again: ") + name,
                    LogEntry::LogLevel::info);
            }
        }
        // A version saved during the upload is not the one recorded: it goes up again.
        if (!m_stopped && QFileInfo::exists(path)) {
            handleFileEvent(job.localURL);
        }
        m_notificationAccumulator.append({name, result.bytesUploaded});
        const int threshold = m_services.settings ? m_services.settings->notifyMinFileCount() : 1;
        if (m_notificationAccumulator.size() < threshold) {
            scheduleDelayedFlush();
        } else {
            flushNotifications();
        }
        return;
    }

    // Offered again by the scans once its back-off has passed (sooner when the file changes), so a server
    // that is back gets the file without the user's help, and a refused login is not tried every scan.
    m_inFlight.failed(path, m_clock.elapsed(), versionStamp(path));
    setConsecutiveErrors(m_consecutiveErrors + 1);
    const QString message = result.error.value_or(tr("Unknown error"));
    setTag(FinderTagService::UploadColour::red, path);
    log(prefix + QStringLiteral("✗ ") + name + QStringLiteral(": ") + message, LogEntry::LogLevel::error);
    setState(EngineState::error(message));
    if (m_services.notifications) {
        m_services.notifications->notifyUploadFailed(name, m_connection.name, message);
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

void ConnectionEngine::setTag(FinderTagService::UploadColour colour, const QString& path) const
{
    if (m_connection.finderTagsEnabled && m_services.tags) {
        m_services.tags->queueTag(colour, path);
    }
}

void ConnectionEngine::log(const QString& message, LogEntry::LogLevel level) const
{
    if (m_services.log) {
        m_services.log->log(message, level);
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
