#pragma once

#include "model/PushConnection.h"
#include "platform/FileVersion.h"
#include "transfer/FTPError.h"
#include "transfer/ServerChecksum.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

namespace ondrix {

class TransferDigest;
class WatchedTree;

// What sending files to one connection's server takes: the operations an engine and a delivery use, whatever
// carries them. Every call is blocking and meant for a worker thread; any number of calls may run at once on
// one uploader from different threads.
class Uploader {
public:
    // Bytes sent so far and total bytes of the file; called on the uploading thread.
    using ProgressFunction = std::function<void(qint64 sent, qint64 total)>;
    // Where a cut upload goes on: see upload.
    struct Resume {
        qint64 offset = 0;
        FileVersion version;
    };

    virtual ~Uploader() = default;

    virtual const PushConnection& connection() const = 0;
    // An uploader of the same kind for `connection` (an edited bandwidth cap): transfers under way on this
    // one run on as they are.
    virtual std::shared_ptr<Uploader> reconnected(const PushConnection& connection) const = 0;

    // Stores the local file at `remotePath` (absolute, beginning with "/"), replacing a file of that name
    // and creating missing remote folders on the way. Nothing on success. When `opened` is given it receives
    // the version of the local file that was opened and sent (also on failure, once the file was opened).
    // Once `abort` (when given) holds true, the transfer ends within about a second and fails. With
    // `within`, the local file is opened through that tree: a link anywhere on its path is not followed.
    // With `resume` at an offset above 0 and the opened file still its version, the bytes from that offset on
    // are appended to what the server holds and progress counts the bytes before it as sent; a file that is
    // another version now is sent whole.
    // `digest` (when given) is fed every byte read for the transfer; when the upload resumes, the bytes
    // before the offset are read from the local file for it first, so it always covers the whole file.
    [[nodiscard]] virtual std::optional<FTPError>
    upload(const QString& localPath, const QString& remotePath, const ProgressFunction& progress = {},
           FileVersion* opened = nullptr, const std::atomic_bool* abort = nullptr,
           const WatchedTree* within = nullptr, const Resume* resume = nullptr,
           TransferDigest* digest = nullptr) const = 0;
    // Asks the server to create one directory; a refusal, e.g. because it exists, is not reported.
    [[nodiscard]] virtual std::optional<FTPError> createDirectory(const QString& remotePath) const = 0;
    // The size of the file the server holds at `remotePath`, or nothing when there is no such file (or no
    // such folder).
    [[nodiscard]] virtual std::variant<std::optional<qint64>, FTPError>
    remoteFileSize(const QString& remotePath) const = 0;
    // Renames a remote file, replacing what is stored under `to`.
    [[nodiscard]] virtual std::optional<FTPError> renameReplacing(const QString& from,
                                                                  const QString& to) const = 0;
    // Whether an upload cut short can go on from the bytes the server holds.
    [[nodiscard]] virtual bool canResume() const = 0;
    // How this server is asked for the checksum of a file it holds, or nothing.
    [[nodiscard]] virtual std::optional<ServerChecksum> checksumCommand() const = 0;
    // The server's digest of the file of `size` bytes at `remotePath` in lower-case hexadecimal; nothing
    // when the server refuses the command or its reply carries no digest.
    [[nodiscard]] virtual std::variant<std::optional<QString>, FTPError>
    remoteChecksum(const QString& remotePath, const ServerChecksum& checksum, qint64 size) const = 0;
    // Ends every operation of this uploader at once, also those waiting on a server that stopped answering.
    // Any thread.
    virtual void cutConnections() const = 0;
};

} // namespace ondrix
