#include "engine/UploadOutcomeHandler.h"

#include "engine/ConnectionEngine.h"
#include "engine/EngineAnnouncer.h"
#include "engine/FolderDeliveries.h"
#include "engine/UploadQueue.h"
#include "model/ByteSize.h"
#include "platform/ReadLease.h"
#include "platform/WatchedTree.h"
#include "records/ConnectionActivity.h"
#include "records/HistoryService.h"
#include "records/LogService.h"
#include "records/StatsService.h"
#include "transfer/FailureAdvice.h"

#include <QFileInfo>
#include <QMutex>
#include <QThreadPool>

namespace ondrix {

// What a post-upload action on the pool reports back through: the engine, while its handler lives. Cleared
// under the lock, so a report is never posted to an engine that is being destroyed.
struct UploadOutcomeHandler::Link {
    QMutex mutex;
    ConnectionEngine* engine = nullptr;
};

namespace {

QString fileNameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

} // namespace

UploadOutcomeHandler::UploadOutcomeHandler(ConnectionEngine& engine)
    : m_engine(engine)
    , m_link(std::make_shared<Link>())
{
    m_link->engine = &engine;
}

UploadOutcomeHandler::~UploadOutcomeHandler()
{
    const QMutexLocker lock(&m_link->mutex);
    m_link->engine = nullptr;
}

void UploadOutcomeHandler::handleResults(const QList<UploadResult>& results)
{
    ConnectionEngine& engine = m_engine;
    for (const UploadResult& result : results) {
        const QString& path = result.job.localPath;
        engine.m_inFlight.updateJob(result.job);
        if (engine.m_inFlight.stage(path) == InFlightFiles::Stage::uploading) {
            engine.m_inFlight.remove(path);
        }
    }
    engine.m_jobsChanged = false;
    engine.refreshCounts();
    engine.updateStateAfterJobChange();

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
            uploadedVersion(result.job.localPath, result.skippedExisting ? FileVersion() : result.sent));
        if (!result.skippedExisting) {
            ++uploadedFiles;
            uploadedBytes += result.bytesUploaded;
        }
    }
    engine.m_record->record(uploaded);
    const EngineServices& services = engine.m_services;
    if (services.stats) {
        services.stats->recordUploads(uploadedFiles, uploadedBytes);
    }
    if (services.activity) {
        services.activity->recordUploads(engine.m_connection.id, uploadedFiles, uploadedBytes);
    }

    Finished finished;
    // UTC, as the history keeps it: the local time would cost a time-zone lookup.
    finished.timestamp = QDateTime::currentDateTimeUtc();
    for (const UploadResult& result : results) {
        handleOutcome(result, finished);
    }
    if (finished.uploaded > 0) {
        engine.setCompletedCount(engine.m_completedCount + finished.uploaded);
        if (engine.m_lastUploadedFile != finished.lastName) {
            engine.m_lastUploadedFile = finished.lastName;
            Q_EMIT engine.lastUploadedFileChanged(finished.lastName);
        }
        if (services.history) {
            services.history->add(finished.history);
        }
        // Fewer than the announcement threshold wait for more, or for the delay.
        engine.m_announcer->waitForMore();
    }
    // Versions saved during their uploads are not the ones recorded: they go up again.
    for (const QString& path : std::as_const(finished.toOfferAgain)) {
        engine.handleFileEvent(path);
    }
    engine.updateScanPace();
    // A stop waits for the results of uploads that were under way; these may have been the last.
    engine.endStopOnceIdle();
}

void UploadOutcomeHandler::handleOutcome(const UploadResult& result, Finished& finished)
{
    ConnectionEngine& engine = m_engine;
    EngineAnnouncer& announcer = *engine.m_announcer;
    const QString& path = result.job.localPath;
    const QString name = fileNameOf(path);
    if (result.notReady) {
        // Its writer is not done: offered again by the scans, at once when it changes and otherwise after a
        // back-off, and never sent cut off.
        engine.m_inFlight.failed(path, engine.m_clock.elapsed(), engine.versionStamp(path));
        engine.forgetStage(path);
        announcer.log(ConnectionEngine::tr("Still being written, offered again later: ") + name,
                      LogEntry::LogLevel::info);
        return;
    }
    if (result.cutShort) {
        // Not recorded: the next start sends it again, whole.
        engine.forgetStage(path);
        announcer.log(ConnectionEngine::tr("Upload cut short by the stop; it goes up at the next start: ") +
                          name,
                      LogEntry::LogLevel::warning);
        return;
    }
    if (result.success && result.skippedExisting) {
        engine.m_inFlight.succeeded(path);
        announcer.succeeded(path);
        // Recorded with the others, but not counted, not in the history and no post-upload action: the
        // server holds other bytes under that name, and deleting or moving this file could lose it. It was
        // not uploaded, so it wears no upload colour.
        engine.forgetStage(path);
        if (engine.m_connection.finderTagsEnabled && engine.m_services.tags) {
            engine.m_services.tags->clearColour(path, engine.m_tree.get());
        }
        announcer.log(ConnectionEngine::tr("Skipped (exists on server): ") + name, LogEntry::LogLevel::info);
        return;
    }
    if (result.success) {
        handleSuccess(result, finished);
    } else {
        handleFailure(result);
    }
}

void UploadOutcomeHandler::handleSuccess(const UploadResult& result, Finished& finished)
{
    ConnectionEngine& engine = m_engine;
    EngineAnnouncer& announcer = *engine.m_announcer;
    const QString& path = result.job.localPath;
    const QString name = fileNameOf(path);
    if (result.resumedFrom > 0) {
        announcer.log(ConnectionEngine::tr("Resumed at %1 of %2: ")
                              .arg(ByteSize::text(result.resumedFrom), ByteSize::text(result.sent.size)) +
                          name,
                      LogEntry::LogLevel::info);
    } else if (!result.resumeRefused.isEmpty() && !std::exchange(m_toldResumeRefused, true)) {
        // Once per run: every cut upload to this server starts again from its first byte.
        announcer.log(ConnectionEngine::tr("Resuming was not possible, sent whole: ") + name +
                          QStringLiteral(" (") + result.resumeRefused + QLatin1Char(')'),
                      LogEntry::LogLevel::warning);
    }
    engine.m_inFlight.succeeded(path);
    announcer.succeeded(path);
    // Rename mode may have chosen a numbered name; that is the name the server and the history show.
    const QString remoteName =
        result.remotePath.isEmpty() ? name : result.remotePath.mid(result.remotePath.lastIndexOf(u'/') + 1);
    engine.setConsecutiveErrors(0);
    ++finished.uploaded;
    finished.lastName = name;
    announcer.log(QStringLiteral("✓ ") + name +
                      (remoteName == name ? QString() : QStringLiteral(" → ") + remoteName) +
                      QStringLiteral(" (") + ByteSize::text(result.bytesUploaded) + QStringLiteral(")"),
                  LogEntry::LogLevel::info, path);
    if (engine.m_services.history) {
        HistoryEntry entry;
        entry.timestamp = finished.timestamp;
        entry.filename = remoteName;
        entry.bytes = result.bytesUploaded;
        entry.connectionName = engine.m_connection.name;
        entry.direction = TransferDirection::upload;
        entry.verifiedBy = result.verifiedBy;
        finished.history.append(entry);
    }
    // Green, and acted on, once every connection that takes the file has it.
    if (engine.m_services.deliveries) {
        engine.m_services.deliveries->delivered(engine, path, result.sent);
    } else {
        engine.paintTag(FinderTagService::UploadColour::green, path);
        if (engine.m_connection.postUploadAction.kind() != PostUploadAction::Kind::none ||
            engine.m_connection.deleteLocalAfterUpload) {
            actAfterUpload(path, result.sent);
        }
    }
    // One reading tells a file that is gone or unchanged (the usual case) from a newer version.
    if (!engine.m_stopped) {
        const std::optional<FolderScan::File> now = FolderScan::stat(path, engine.m_tree.get());
        if (now && !engine.m_record->contains(path, now->version)) {
            finished.toOfferAgain.append(path);
        }
    }
    announcer.uploaded(name, result.bytesUploaded);
}

void UploadOutcomeHandler::handleFailure(const UploadResult& result)
{
    ConnectionEngine& engine = m_engine;
    const PushConnection& connection = engine.m_connection;
    const QString& path = result.job.localPath;
    const QString name = fileNameOf(path);
    // Offered again by the scans once its back-off has passed (sooner when the file changes), so a server
    // that is back gets the file without the user's help, and a refused login is not tried every scan.
    engine.m_inFlight.failed(path, engine.m_clock.elapsed(), engine.versionStamp(path));
    engine.setConsecutiveErrors(engine.m_consecutiveErrors + 1);
    if (engine.m_services.activity) {
        engine.m_services.activity->recordFailure(connection.id);
    }
    const QString message = result.error.value_or(ConnectionEngine::tr("Unknown error"));
    engine.setTag(FinderTagService::UploadColour::red, path);
    // The log says what to do about it (check the port, the password, ...) after libcurl's own words.
    const QString advice = result.failure ? FailureAdvice::forError(connection, *result.failure) : QString();
    engine.m_announcer->log(QStringLiteral("✗ ") + name + QStringLiteral(": ") + message +
                                (advice.isEmpty() ? QString() : QStringLiteral(" — ") + advice),
                            LogEntry::LogLevel::error, path);
    engine.setState(EngineState::error(message));
    engine.m_announcer->failed(path, name, message);
}

void UploadOutcomeHandler::actAfterUpload(const QString& path, const FileVersion& sent)
{
    if (m_engine.m_services.tags) {
        // The green tag goes with the file to the archive, and is on it when the script looks.
        m_engine.m_services.tags->settle(path);
    }
    runPostUploadActions(path, sent);
}

void UploadOutcomeHandler::runPostUploadActions(const QString& path, const FileVersion& sent)
{
    const ConnectionEngine& engine = m_engine;
    if (!engine.m_tree) {
        return;
    }
    // On the pool: a copy into an archive on another disk takes as long as the file is big, and must not
    // hold the main thread (nor a named pipe swapped in for the file, which the actions open without
    // waiting). The job holds the folder as it was opened and the log, which outlives every engine, never
    // the engine itself.
    auto job = [actions = engine.m_postUploadActions, tree = engine.m_tree, path, sent,
                logService = engine.m_services.log, id = engine.m_connection.id,
                name = engine.m_connection.name] {
        // Asked here, not on the main thread: opening a file on a stalled network mount can take long. A
        // writer that paused is not done: what it writes next makes a new version, which goes up and is
        // acted on then. Deleting or moving the file now would lose the rest.
        if (ReadLease::isOpenForWriting(path, tree.get())) {
            if (logService) {
                logService->logFor(
                    id, name,
                    ConnectionEngine::tr("Still open for writing, kept until its writer is done: ") +
                        fileNameOf(path),
                    LogEntry::LogLevel::info, path);
            }
            return;
        }
        if (actions.run(path, sent, *tree) == PostUploadActions::Outcome::changedSinceUpload && logService) {
            logService->logFor(id, name,
                               ConnectionEngine::tr("Changed during the upload, kept to go up again: ") +
                                   fileNameOf(path),
                               LogEntry::LogLevel::info, path);
        }
    };
    if (engine.m_services.transferPool == nullptr) {
        job();
        return;
    }
    ++m_actionsRunning;
    engine.m_services.transferPool->start([job = std::move(job), link = m_link] {
        job();
        const QMutexLocker lock(&link->mutex);
        if (ConnectionEngine* const owner = link->engine) {
            QMetaObject::invokeMethod(
                owner, [owner] { owner->m_outcomes->actionDone(); }, Qt::QueuedConnection);
        }
    });
}

void UploadOutcomeHandler::actionDone()
{
    --m_actionsRunning;
    // A stop waits for these as for the uploads they follow.
    m_engine.endStopOnceIdle();
}

UploadedRecord::Entry UploadOutcomeHandler::uploadedVersion(const QString& path,
                                                            const FileVersion& sent) const
{
    // The version the transfer opened is the one the server holds; a save during the upload is newer and
    // must not be recorded as uploaded.
    if (sent.isValid()) {
        return {path, sent};
    }
    if (const std::optional<FolderScan::File> now = FolderScan::stat(path, m_engine.m_tree.get())) {
        return {path, now->version};
    }
    FileVersion unreadable;
    unreadable.modifiedNs = QDateTime::currentMSecsSinceEpoch() * 1'000'000;
    return {path, unreadable};
}

} // namespace ondrix
