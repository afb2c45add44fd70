#include "support/ScriptedUploader.h"

#include "platform/WatchedTree.h"

#include <QFile>

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace ondrix::test {

ScriptedUploader::ScriptedUploader(const PushConnection& connection)
    : m_connection(connection)
{}

std::shared_ptr<Uploader> ScriptedUploader::reconnected(const PushConnection& connection) const
{
    auto uploader = std::make_shared<ScriptedUploader>(connection);
    uploader->m_state = m_state;
    return uploader;
}

std::optional<FTPError> ScriptedUploader::upload(const QString& localPath, const QString& remotePath,
                                                 const ProgressFunction& progress, FileVersion* opened,
                                                 const std::atomic_bool* abort, const WatchedTree* within,
                                                 const Resume*, TransferDigest*) const
{
    locked([&](State& s) { s.calls.append(u"upload "_s + remotePath); });
    QFile file(localPath);
    within != nullptr ? file.open(within->open(localPath, O_RDONLY | O_NONBLOCK).release(),
                                  QIODevice::ReadOnly, QFile::AutoCloseHandle)
                      : file.open(QIODevice::ReadOnly);
    struct stat status {};
    if (!file.isOpen() || ::fstat(file.handle(), &status) != 0) {
        return FTPError::localFileNotReadable(localPath);
    }
    if (opened != nullptr) {
        *opened = FileVersion::of(status);
    }
    std::unique_lock lock(m_state->mutex);
    m_state->peak = std::max(m_state->peak, ++m_state->running);
    const int cuts = m_state->cuts;
    const Script script = m_state->script;
    const auto stopped = [&] { return (abort != nullptr && *abort) || m_state->cuts != cuts; };
    m_state->changed.wait(lock, [&] { return !m_state->held || stopped(); });
    lock.unlock();
    std::optional<FTPError> error = script ? script(remotePath) : std::nullopt;
    const QByteArray bytes = file.readAll();
    lock.lock();
    --m_state->running;
    if (!error && stopped()) {
        error = FTPError::curlExitCode(CURLE_ABORTED_BY_CALLBACK, u"Callback aborted"_s);
    }
    if (!error) {
        m_state->files.insert(remotePath, bytes);
        lock.unlock();
        if (progress) {
            progress(bytes.size(), bytes.size());
        }
    }
    return error;
}

std::optional<FTPError> ScriptedUploader::createDirectory(const QString& remotePath) const
{
    locked([&](State& s) { s.calls.append(u"mkdir "_s + remotePath); });
    return std::nullopt;
}

std::variant<std::optional<qint64>, FTPError>
ScriptedUploader::remoteFileSize(const QString& remotePath) const
{
    return locked([&](State& s) {
        return s.files.contains(remotePath) ? std::optional(s.files[remotePath].size()) : std::nullopt;
    });
}

std::optional<FTPError> ScriptedUploader::renameReplacing(const QString& from, const QString& to) const
{
    return locked([&](State& s) {
        s.calls.append(u"rename %1 %2"_s.arg(from, to));
        s.files.insert(to, s.files.take(from));
        return std::nullopt;
    });
}

void ScriptedUploader::cutConnections() const
{
    locked([](State& s) {
        s.calls.append(u"cut"_s);
        ++s.cuts;
    });
}

} // namespace ondrix::test
