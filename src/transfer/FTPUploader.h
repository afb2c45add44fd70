#pragma once

#include "model/PushConnection.h"
#include "transfer/FTPError.h"
#include "transfer/LocalFileVersion.h"
#include "transfer/ServerChecksum.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <curl/curl.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <variant>

namespace ondrix {

class CurlConnectionCache;
class CurlHandle;
class TransferDigest;
class WatchedTree;

// Moves local files to one connection's server over FTP, explicit FTPS or SFTP, creates remote directories
// and tests whether the server can be reached. Every call is blocking and meant for a worker thread; any
// number of calls may run at once on one uploader from different threads. Each call uses its own libcurl
// handle, but all calls of one uploader (and of its copies) share one connection cache, so a burst of files
// does not pay a handshake and a login per file.
class FTPUploader {
public:
    // Bytes sent so far and total bytes of the file; called on the uploading thread.
    using ProgressFunction = std::function<void(qint64 sent, qint64 total)>;
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

    const PushConnection& connection() const { return m_connection; }

    // Stores the local file at `remotePath` (absolute, beginning with "/"), replacing a file of that name
    // and creating missing remote folders on the way. Nothing on success. When `opened` is given it receives
    // the version of the local file that was opened and sent (also on failure, once the file was opened).
    // Once `abort` (when given) holds true, the transfer ends within about a second and fails. With
    // `within`, the local file is opened through that tree: a link anywhere on its path is not followed.
    // With `resume` at an offset above 0 and the opened file still its version, the bytes from that offset on
    // are appended to what the server holds (FTP APPE, SFTP a write at the offset) and progress counts the
    // bytes before it as sent; a file that is another version now is sent whole.
    // `digest` (when given) is fed every byte read for the transfer; when the upload resumes, the bytes
    // before the offset are read from the local file for it first, so it always covers the whole file.
    struct Resume {
        qint64 offset = 0;
        LocalFileVersion version;
    };
    [[nodiscard]] std::optional<FTPError>
    upload(const QString& localPath, const QString& remotePath, const ProgressFunction& progress = {},
           LocalFileVersion* opened = nullptr, const std::atomic_bool* abort = nullptr,
           const WatchedTree* within = nullptr, const Resume* resume = nullptr,
           TransferDigest* digest = nullptr) const;
    // Asks the server to create one directory (MKD / mkdir); a refusal, e.g. because it exists, is not
    // reported. Fails only when libcurl cannot be initialised or when the path holds a line break or NUL,
    // which could smuggle a second command in (then nothing is sent).
    [[nodiscard]] std::optional<FTPError> createDirectory(const QString& remotePath) const;
    // The size of the file the server holds at `remotePath`, or nothing when there is no such file (or no
    // such folder). Asked on the shared connection without a transfer: SIZE over FTP, a stat over SFTP. A
    // server that keeps the size to itself is an error, since existence cannot be told then.
    [[nodiscard]] std::variant<std::optional<qint64>, FTPError>
    remoteFileSize(const QString& remotePath) const;
    // Renames a remote file, replacing what is stored under `to` (SFTP servers refuse to rename onto an
    // existing name, so there that file is removed first).
    [[nodiscard]] std::optional<FTPError> renameReplacing(const QString& from, const QString& to) const;
    // Whether an upload cut short can go on from the bytes the server holds: SFTP always; FTP when the
    // server lists "REST STREAM" among its features (asked once per uploader).
    [[nodiscard]] bool canResume() const;
    // The server's FEAT lines (one feature each, trimmed); empty for SFTP or when the server answers none.
    // Asked once per uploader.
    [[nodiscard]] QStringList features() const;
    // How this server is asked for the checksum of a file it holds: the strongest its features offer, or
    // nothing. Always nothing over SFTP: the check-file extension is a request libcurl (7.88) has no
    // command for and whose channel it does not hand out, and libssh2 (1.10) has no call for it either, so
    // SFTP uploads are proven by their size.
    [[nodiscard]] std::optional<ServerChecksum> checksumCommand() const;
    // The server's digest of the file of `size` bytes at `remotePath` in lower-case hexadecimal, asked on
    // the shared connection; nothing when the server refuses the command or its reply carries no digest.
    [[nodiscard]] std::variant<std::optional<QString>, FTPError>
    remoteChecksum(const QString& remotePath, const ServerChecksum& checksum, qint64 size) const;
    // The longest the server may take to hash a file of `size` bytes: the command timeout plus the time to
    // read the file at 10 MB/s (the slow disk of a small storage box).
    static long checksumTimeoutSeconds(qint64 size);
    // Connects, logs in and lists "/". A refused login counts as reachable unless `refusedLoginFails`.
    [[nodiscard]] std::optional<FTPError> testConnection(bool refusedLoginFails = false) const;

    // Ends every operation of this uploader at once by shutting its connections down, also those waiting on
    // a server that stopped answering. Any thread.
    void cutConnections() const;

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
