#pragma once

#include "transfer/Uploader.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <curl/curl.h>

#include <functional>
#include <memory>
#include <mutex>

namespace ondrix {

class CurlConnectionCache;
class CurlHandle;

// Moves local files to one connection's server over FTP, explicit FTPS or SFTP, creates remote directories
// and tests whether the server can be reached. Every call is blocking and meant for a worker thread; any
// number of calls may run at once on one uploader from different threads. Each call uses its own libcurl
// handle, but all calls of one uploader (and of its copies) share one connection cache, so a burst of files
// does not pay a handshake and a login per file.
class FTPUploader : public Uploader {
public:
    // Called with each operation's handle just before it performs: for diagnostics and tests.
    using HandleInspector = std::function<void(const CurlHandle& handle)>;

    enum class ConnectionReuse { shared, none };

    // The longest a command without a transfer (folder, rename, delete, size, checksum) may take.
    static constexpr long kCommandTimeoutSeconds = 60;
    // The most an exchange of commands may bring back in reply lines; a server that sends more (an
    // endless multi-line reply) is cut off with an error that says so instead of filling memory. (libcurl
    // 7.88 stops at 300 KiB of replies by itself, with a receive error that names no cause.)
    static constexpr qint64 kMaxReplyBytes = 64 * 1024;

    explicit FTPUploader(PushConnection connection, ConnectionReuse reuse = ConnectionReuse::shared);

    const PushConnection& connection() const override { return m_connection; }
    std::shared_ptr<Uploader> reconnected(const PushConnection& connection) const override;

    // FTP sends with STOR, or APPE to resume; SFTP writes at the offset. Folders are made with MKD / mkdir.
    [[nodiscard]] std::optional<FTPError>
    upload(const QString& localPath, const QString& remotePath, const ProgressFunction& progress = {},
           FileVersion* opened = nullptr, const std::atomic_bool* abort = nullptr,
           const WatchedTree* within = nullptr, const Resume* resume = nullptr,
           TransferDigest* digest = nullptr) const override;
    // Fails only when libcurl cannot be initialised or when the path holds a line break or NUL, which could
    // smuggle a second command in (then nothing is sent).
    [[nodiscard]] std::optional<FTPError> createDirectory(const QString& remotePath) const override;
    // Asked on the shared connection without a transfer: SIZE over FTP, a stat over SFTP. A server that
    // keeps the size to itself is an error, since existence cannot be told then.
    [[nodiscard]] std::variant<std::optional<qint64>, FTPError>
    remoteFileSize(const QString& remotePath) const override;
    // SFTP servers refuse to rename onto an existing name, so there that file is removed first.
    [[nodiscard]] std::optional<FTPError> renameReplacing(const QString& from,
                                                          const QString& to) const override;
    // SFTP always; FTP when the server lists "REST STREAM" among its features (asked once per uploader).
    [[nodiscard]] bool canResume() const override;
    // The server's FEAT lines (one feature each, trimmed); empty for SFTP or when the server answers none.
    // Asked once per uploader.
    [[nodiscard]] QStringList features() const;
    // The strongest checksum command the server's features offer. Always nothing over SFTP: the check-file
    // extension is a request libcurl (7.88) has no command for and whose channel it does not hand out, and
    // libssh2 (1.10) has no call for it either, so SFTP uploads are proven by their size.
    [[nodiscard]] std::optional<ServerChecksum> checksumCommand() const override;
    // Asked on the shared connection.
    [[nodiscard]] std::variant<std::optional<QString>, FTPError>
    remoteChecksum(const QString& remotePath, const ServerChecksum& checksum, qint64 size) const override;
    // The longest the server may take to hash a file of `size` bytes: the command timeout plus the time to
    // read the file at 10 MB/s (the slow disk of a small storage box).
    static long checksumTimeoutSeconds(qint64 size);
    // Connects, logs in and lists "/". A refused login counts as reachable unless `refusedLoginFails`.
    [[nodiscard]] std::optional<FTPError> testConnection(bool refusedLoginFails = false) const;

    // Shuts the uploader's connections down.
    void cutConnections() const override;

    void setHandleInspector(HandleInspector inspector) { m_inspector = std::move(inspector); }

private:
    // Sends raw command lines (quote) without a transfer; the result code of the last one.
    CURLcode runCommands(const QList<QByteArray>& lines, CurlHandle& handle,
                         long timeoutSeconds = kCommandTimeoutSeconds) const;

    PushConnection m_connection;
    std::shared_ptr<CurlConnectionCache> m_cache;
    struct FeatureCache {
        std::mutex mutex;
        std::optional<QStringList> lines;
    };
    std::shared_ptr<FeatureCache> m_features = std::make_shared<FeatureCache>();
    HandleInspector m_inspector;
};

} // namespace ondrix
