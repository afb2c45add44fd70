#pragma once

#include "transfer/Uploader.h"

#include <QHash>
#include <QStringList>

#include <condition_variable>
#include <mutex>

namespace ondrix::test {

// A server in memory that an engine uploads to: it keeps the bytes it is sent per remote path, answers sizes
// from them, records every call ("upload /p", "mkdir /p", "rename /a /b", "cut") and the most uploads under
// way at once, and does what the test scripts. Uploaders it makes for edited connections share all of it.
class ScriptedUploader : public Uploader {
public:
    // Runs for each upload once the local file is open, on the uploading thread; an error fails the upload.
    using Script = std::function<std::optional<FTPError>(const QString& remotePath)>;

private:
    struct State {
        std::mutex mutex;
        std::condition_variable changed;
        Script script;
        bool held = false;
        int cuts = 0;
        int running = 0;
        int peak = 0;
        QStringList calls;
        QHash<QString, QByteArray> files;
    };
    // Runs `change` under the lock and wakes the waiting uploads.
    template <typename Change>
    auto locked(Change change) const
    {
        std::lock_guard lock(m_state->mutex);
        m_state->changed.notify_all();
        return change(*m_state);
    }
    template <typename T>
    T get(T State::*member) const
    {
        return locked([&](State& s) { return s.*member; });
    }
    template <typename T>
    void set(T State::*member, T value)
    {
        locked([&](State& s) { s.*member = std::move(value); });
    }

public:
    explicit ScriptedUploader(const PushConnection& connection);

    void setScript(Script script) { set(&State::script, std::move(script)); }
    // While held, uploads wait with their file open until let go, aborted or cut.
    void hold(bool held) { set(&State::held, held); }
    QStringList calls() const { return get(&State::calls); }
    int peak() const { return get(&State::peak); }
    // The bytes stored at `path`, or "<missing>".
    QByteArray file(const QString& path) const { return get(&State::files).value(path, "<missing>"); }
    void put(const QString& path, const QByteArray& bytes)
    {
        locked([&](State& s) { s.files.insert(path, bytes); });
    }

    const PushConnection& connection() const override { return m_connection; }
    std::shared_ptr<Uploader> reconnected(const PushConnection& connection) const override;
    std::optional<FTPError> upload(const QString& localPath, const QString& remotePath,
                                   const ProgressFunction& progress, FileVersion* opened,
                                   const std::atomic_bool* abort, const WatchedTree* within, const Resume*,
                                   TransferDigest*) const override;
    std::optional<FTPError> createDirectory(const QString& remotePath) const override;
    std::variant<std::optional<qint64>, FTPError> remoteFileSize(const QString& remotePath) const override;
    std::optional<FTPError> renameReplacing(const QString& from, const QString& to) const override;
    bool canResume() const override { return false; }
    std::optional<ServerChecksum> checksumCommand() const override { return std::nullopt; }
    std::variant<std::optional<QString>, FTPError> remoteChecksum(const QString&, const ServerChecksum&,
                                                                  qint64) const override
    {
        return std::nullopt;
    }
    void cutConnections() const override;

private:
    PushConnection m_connection;
    std::shared_ptr<State> m_state = std::make_shared<State>();
};

} // namespace ondrix::test
