#include "engine/UploadTask.h"

#include "engine/IPTCMetadataService.h"
#include "model/PushConnection.h"
#include "model/RemotePath.h"
#include "transfer/FTPUploader.h"
#include "transfer/RemoteDelivery.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>

namespace ondrix {

UploadTask::UploadTask(const PushConnection& connection, PreferencesStore* store)
    : m_remoteFolder(connection.remoteFolder)
    , m_keyword(connection.effectiveIPTCKeyword())
    , m_verifySize(connection.deleteLocalAfterUpload ||
                   connection.postUploadAction.kind() == PostUploadAction::Kind::moveToArchive)
    , m_partials(store, connection.id)
    , m_uploader(std::make_shared<FTPUploader>(connection))
{}

void UploadTask::setUploader(std::shared_ptr<Uploader> uploader)
{
    std::lock_guard lock(m_mutex);
    m_uploader = std::move(uploader);
}

void UploadTask::applyEdit(const PushConnection& connection)
{
    std::lock_guard lock(m_mutex);
    m_keyword = connection.effectiveIPTCKeyword();
}

std::optional<QString> UploadTask::keyword() const
{
    std::lock_guard lock(m_mutex);
    return m_keyword;
}

void UploadTask::abortTransfers()
{
    m_abort = true;
    uploader()->cutConnections();
}

std::shared_ptr<Uploader> UploadTask::uploader() const
{
    std::lock_guard lock(m_mutex);
    return m_uploader;
}

void UploadTask::setTree(std::shared_ptr<const WatchedTree> tree)
{
    std::lock_guard lock(m_mutex);
    m_tree = std::move(tree);
}

std::shared_ptr<const WatchedTree> UploadTask::tree() const
{
    std::lock_guard lock(m_mutex);
    return m_tree;
}

bool UploadTask::needsDirectory(const QString& directory) const
{
    std::lock_guard lock(m_mutex);
    return !m_createdDirectories.contains(directory);
}

void UploadTask::rememberDirectory(const QString& directory, bool created)
{
    std::lock_guard lock(m_mutex);
    if (created) {
        m_createdDirectories.insert(directory);
    } else {
        m_createdDirectories.remove(directory);
    }
}

UploadResult UploadTask::perform(const UploadJob& job, const UploadTaskControl& control)
{
    QElapsedTimer clock;
    clock.start();
    UploadResult result;
    result.job = job;
    if (m_abort) {
        result.cutShort = true;
        result.error = QStringLiteral("Cancelled");
        return result;
    }
    const QString& localPath = job.localPath;
    // Held for the whole transfer: a restart that opens the folder again does not close it under us.
    const std::shared_ptr<const WatchedTree> tree = this->tree();
    if (!tree) {
        result.error = QStringLiteral("The watched folder is not open");
        result.duration = double(clock.nsecsElapsed()) / 1e9;
        return result;
    }
    if (const std::optional<QString> keyword = this->keyword(); keyword && !keyword->isEmpty()) {
        const IPTCMetadataService::Outcome outcome =
            IPTCMetadataService::injectKeywords(*keyword, localPath, {}, tree.get());
        // Sending an image its writer has not finished would put a cut-off copy on the server, and the
        // record would then pass the finished file over as uploaded.
        if (outcome == IPTCMetadataService::Outcome::incomplete ||
            outcome == IPTCMetadataService::Outcome::inUse) {
            result.notReady = true;
            result.duration = double(clock.nsecsElapsed()) / 1e9;
            return result;
        }
    }
    const std::shared_ptr<Uploader> uploader = this->uploader();
    const QString path = RemotePath::join(m_remoteFolder, job.remoteRelativePath);
    const QString directory = RemotePath::directoryOf(path);
    const bool inSubdirectory = directory != u"/";
    if (inSubdirectory && needsDirectory(directory)) {
        (void)uploader->createDirectory(directory);
    }
    qint64 lastSent = -1;
    qint64 lastTotal = -1;
    QElapsedTimer sinceReport;
    // The connection's conflict mode, temporary name and size check decide how the bytes get there.
    RemoteDelivery::Outcome delivered =
        RemoteDelivery(*uploader, tree.get())
            .deliver(
                localPath, path, m_verifySize,
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
                &m_abort, &m_partials);
    // A server that refuses a folder (a drop box that takes files but no folders) fails only the files that
    // need it, and the log says which folder that is.
    if (delivered.error && inSubdirectory && delivered.error->kind() == FTPError::Kind::curlExitCode &&
        delivered.error->code() == CURLE_REMOTE_ACCESS_DENIED) {
        delivered.error = FTPError::curlExitCode(
            delivered.error->code(),
            delivered.error->text() + QCoreApplication::translate(
                                          "UploadTask", " (the server refused to make or open the folder %1)")
                                          .arg(directory));
    }
    result.sent = delivered.opened;
    result.resumedFrom = delivered.resumedFrom;
    result.resumeRefused = delivered.resumeRefused;
    result.verifiedBy = delivered.verifiedBy;
    result.sentSha256 = delivered.sentSha256;
    const std::optional<FTPError>& error = delivered.error;
    if (inSubdirectory) {
        rememberDirectory(directory, !error.has_value());
    }
    result.duration = double(clock.nsecsElapsed()) / 1e9;
    if (error) {
        result.error = error->description();
        result.failure = error;
        result.cutShort = m_abort;
        return result;
    }
    result.success = true;
    if (delivered.kind == RemoteDelivery::Outcome::Kind::skippedExisting) {
        result.skippedExisting = true;
        return result;
    }
    result.remotePath = delivered.remotePath;
    result.bytesUploaded = job.bytesTotal > 0 ? job.bytesTotal : std::max<qint64>(delivered.opened.size, 0);
    return result;
}

} // namespace ondrix
