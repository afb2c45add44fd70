#include "support/ScriptedUploader.h"

#include "platform/WatchedTree.h"

#include <QFile>

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace ondrix::test {

ScriptedUploader::ScriptedUploader(const PushConnection& connection)
    : ScriptedUploader(connection, std::make_shared<State>())
{}

ScriptedUploader::ScriptedUploader(const PushConnection& connection, std::shared_ptr<State> state)
    : m_connection(connection)
    , m_state(std::move(state))
{}

std::shared_ptr<Uploader> ScriptedUploader::reconnected(const PushConnection& connection) const
{
    return std::shared_ptr<ScriptedUploader>(new ScriptedUploader(connection, m_state));
}

std::optional<FTPError> ScriptedUploader::upload(const QString& localPath, const QString& remotePath,
                                                 const ProgressFunction& progress, FileVersion* opened,
                                                 const std::atomic_bool* abort, const WatchedTree* within,
                                                 const Resume*, TransferDigest*) const
{
    locked([&](State& s) { s.calls.append(u"upload "_s + remotePath); });
    QFile file;
    if (within != nullptr) {
        const int fd = within->open(localPath, O_RDONLY | O_NONBLOCK).release();
        file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle);
    } else {
        file.setFileName(localPath);
        file.open(QIODevice::ReadOnly);
    }
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
    if (error) {
        return error;
    }
    m_state->files.insert(remotePath, bytes);
    lock.unlock();
    if (progress) {
        progress(bytes.size(), bytes.size());
    }
    return std::nullopt;
}

std::optional<FTPError> ScriptedUploader::createDirectory(const QString& remotePath) const
{
    return locked([&](State& s) {
        s.calls.append(u"mkdir "_s + remotePath);
        return std::nullopt;
    });
}

std::variant<std::optional<qint64>, FTPError>
ScriptedUploader::remoteFileSize(const QString& remotePath) const
{
    return locked([&](State& s) {
        return s.files.contains(remotePath) ? std::optional<qint64>(s.files[remotePath].size())
                                            : std::nullopt;
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
