#pragma once

#include "platform/FileVersion.h"
#include "transfer/FTPError.h"
#include "transfer/PartialUploads.h"
#include "transfer/Uploader.h"

#include <QString>

#include <optional>

namespace ondrix {

// Sends one local file to its remote path under the connection's rules. An existing file of that name is
// replaced, kept (nothing is sent) or left beside the first free "name (n).ext", as the conflict mode says;
// with the temporary-name option the bytes go to a hidden name in the target folder and are renamed into
// place once complete, so nothing watching the server sees half a file under the real name; and when asked,
// the size the server stored is compared with the size sent before the file counts as delivered, and so is
// the server's checksum of it with the digest of the bytes sent, when the server offers a checksum command.
// Blocking, for a worker thread; existence and sizes are asked on the uploader's shared connection.
class RemoteDelivery {
public:
    struct Outcome {
        enum class Kind { sent, skippedExisting, failed };
        Kind kind = Kind::failed;
        // Where the file is on the server: the path asked for, or the free name Rename chose.
        QString remotePath;
        std::optional<FTPError> error;
        // The local version that was opened and sent; invalid when nothing was opened.
        FileVersion opened;
        // Bytes the server held from a cut upload of the same version, which were not sent again.
        qint64 resumedFrom = 0;
        // A cut upload of this version could not go on where it stopped (the server does not allow it):
        // why, for the log. The file was sent whole.
        QString resumeRefused;
        // What proved that the server holds the bytes sent: the name of the checksum algorithm compared
        // ("SHA-256", "SHA-1", "MD5", "CRC32"), kSizeProof when only the size was, or empty when nothing was
        // checked beyond the server's word.
        QString verifiedBy;
        // The SHA-256 of the whole file as sent, in lower-case hexadecimal, when the server was asked for a
        // checksum; empty otherwise (nothing is hashed that no server compares).
        QString sentSha256;
    };

    // Outcome::verifiedBy when the size was checked and no checksum was.
    static constexpr QLatin1String kSizeProof{"size"};

    // How many numbered names Rename tries before it gives up.
    static constexpr int kMaxNumberedNames = 999;

    // The local file is opened through `within` when given (see Uploader::upload).
    explicit RemoteDelivery(const Uploader& uploader, const WatchedTree* within = nullptr);

    // `verifySize`: the server's size of the file must equal the size sent, and when the server offers a
    // checksum command, its checksum (the strongest it offers) must equal the digest of the bytes sent; both
    // are asked before the rename when a temporary name is used, so a damaged file never gets the real name.
    // A server that refuses the checksum for this file leaves the size as the proof. `abort` as for
    // Uploader::upload. With `partials`, an upload that is cut short goes on at the next attempt from the
    // bytes the server holds, when the local file is still the version whose upload began (also after a
    // restart); the name it was going to stays its name.
    Outcome deliver(const QString& localPath, const QString& remotePath, bool verifySize,
                    const Uploader::ProgressFunction& progress = {}, const std::atomic_bool* abort = nullptr,
                    PartialUploads* partials = nullptr) const;

    // ".name.ext.ondrix-part" in the folder of `remotePath`.
    static QString temporaryPath(const QString& remotePath);
    // "name (n).ext" in the folder of `remotePath`; the number goes before the last extension.
    static QString numberedPath(const QString& remotePath, int number);

private:
    // The path to send to under the conflict mode, nothing when the file is to be kept, or the error of
    // asking.
    std::variant<std::optional<QString>, FTPError> targetPath(const QString& remotePath) const;
    std::optional<FTPError> verify(const QString& remotePath, qint64 expected) const;
    // Compares the server's checksum of `remotePath` with `digest`; on a match `verifiedBy` becomes the
    // algorithm's name, and a server that gives no checksum leaves it as it is.
    std::optional<FTPError> compareChecksum(const QString& remotePath, qint64 size,
                                            const ServerChecksum& checksum, const TransferDigest& digest,
                                            QString& verifiedBy) const;
    // Where the cut upload `partial` of the file now at `current` goes on; 0 to send it whole, with the
    // reason in `refused` when the server is what prevents it.
    qint64 resumeOffset(const PartialUploads::Entry& partial, QString& refused) const;
    // The local file's version now, read through the tree when there is one.
    std::optional<FileVersion> localVersion(const QString& localPath) const;

    const Uploader& m_uploader;
    const WatchedTree* const m_within;
};

} // namespace ondrix
