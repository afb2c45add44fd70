#include "transfer/RemoteDelivery.h"

#include "model/RemotePath.h"
#include "platform/WatchedTree.h"
#include "transfer/TransferDigest.h"

#include <QCoreApplication>

#include <sys/stat.h>

namespace ondrix {

namespace {

qsizetype nameStart(const QString& path)
{
    return path.lastIndexOf(QLatin1Char('/')) + 1;
}

} // namespace

RemoteDelivery::RemoteDelivery(const Uploader& uploader, const WatchedTree* within)
    : m_uploader(uploader)
    , m_within(within)
{}

QString RemoteDelivery::temporaryPath(const QString& remotePath)
{
    const qsizetype start = nameStart(remotePath);
    return remotePath.left(start) + QLatin1Char('.') + remotePath.mid(start) + QStringLiteral(".ondrix-part");
}

QString RemoteDelivery::numberedPath(const QString& remotePath, int number)
{
    const qsizetype start = nameStart(remotePath);
    const qsizetype dot = remotePath.lastIndexOf(QLatin1Char('.'));
    // A dot that begins the name (".profile") starts no extension.
    const qsizetype split = dot > start ? dot : remotePath.size();
    return remotePath.left(split) + QStringLiteral(" (%1)").arg(number) + remotePath.mid(split);
}

std::variant<std::optional<QString>, FTPError> RemoteDelivery::targetPath(const QString& remotePath) const
{
    const ConflictMode mode = m_uploader.connection().conflictResolution;
    if (mode == ConflictMode::overwrite) {
        return std::optional<QString>(remotePath);
    }
    for (int number = 1; number <= kMaxNumberedNames; ++number) {
        const QString candidate = number == 1 ? remotePath : numberedPath(remotePath, number);
        std::variant<std::optional<qint64>, FTPError> size = m_uploader.remoteFileSize(candidate);
        if (const FTPError* error = std::get_if<FTPError>(&size)) {
            return *error;
        }
        if (!std::get<std::optional<qint64>>(size)) {
            return std::optional<QString>(candidate);
        }
        if (mode == ConflictMode::skip) {
            return std::optional<QString>();
        }
    }
    return FTPError::transferFailed(
        QCoreApplication::translate("RemoteDelivery", "%1 and %2 numbered copies of it exist on the server")
            .arg(remotePath)
            .arg(kMaxNumberedNames - 1));
}

std::optional<FTPError> RemoteDelivery::verify(const QString& remotePath, qint64 expected) const
{
    std::variant<std::optional<qint64>, FTPError> size = m_uploader.remoteFileSize(remotePath);
    if (const FTPError* error = std::get_if<FTPError>(&size)) {
        return *error;
    }
    const std::optional<qint64> stored = std::get<std::optional<qint64>>(size);
    if (stored == expected) {
        return std::nullopt;
    }
    // The sizes pick the plural form through an int (counted outside the call: lupdate's parser loops on a
    // template argument list inside translate()); the texts show them in full, files above 2 GiB included.
    const int storedCount = stored ? int(std::min<qint64>(*stored, INT_MAX)) : 0;
    const int expectedCount = int(std::min<qint64>(expected, INT_MAX));
    const QString held =
        stored ? QCoreApplication::translate("RemoteDelivery", "holds %1 bytes", nullptr, storedCount)
                     .arg(*stored)
               : QCoreApplication::translate("RemoteDelivery", "has no file");
    return FTPError::transferFailed(
        QCoreApplication::translate("RemoteDelivery",
                                    "The server reported success but %1 where %2 bytes were sent (%3); the "
                                    "local file is kept",
                                    nullptr, expectedCount)
            .arg(held)
            .arg(expected)
            .arg(remotePath));
}

std::optional<FTPError> RemoteDelivery::compareChecksum(const QString& remotePath, qint64 size,
                                                        const ServerChecksum& checksum,
                                                        const TransferDigest& digest,
                                                        QString& verifiedBy) const
{
    std::variant<std::optional<QString>, FTPError> answer =
        m_uploader.remoteChecksum(remotePath, checksum, size);
    if (const FTPError* error = std::get_if<FTPError>(&answer)) {
        return *error;
    }
    const std::optional<QString> held = std::get<std::optional<QString>>(answer);
    if (!held) {
        return std::nullopt;
    }
    const QString sent = digest.hex(checksum.algorithm);
    const QString algorithm = TransferDigest::name(checksum.algorithm);
    if (*held != sent) {
        return FTPError::transferFailed(
            QCoreApplication::translate("RemoteDelivery",
                                        "The server holds other bytes than were sent (%1): its %2 is %3, the "
                                        "file sent has %4; the local file is kept")
                .arg(remotePath, algorithm, *held, sent));
    }
    verifiedBy = algorithm;
    return std::nullopt;
}

std::optional<FileVersion> RemoteDelivery::localVersion(const QString& localPath) const
{
    if (m_within == nullptr) {
        return FileVersion::read(localPath);
    }
    struct stat status {};
    if (m_within->stat(localPath, status) != 0) {
        return std::nullopt;
    }
    return FileVersion::of(status);
}

qint64 RemoteDelivery::resumeOffset(const PartialUploads::Entry& partial, QString& refused) const
{
    if (!m_uploader.canResume()) {
        refused = QCoreApplication::translate("RemoteDelivery",
                                              "the server does not offer to resume uploads (REST STREAM)");
        return 0;
    }
    std::variant<std::optional<qint64>, FTPError> size = m_uploader.remoteFileSize(partial.sentTo);
    if (const FTPError* error = std::get_if<FTPError>(&size)) {
        refused = error->description();
        return 0;
    }
    // Gone (a server that cleans up), or more than the file: nothing to build on.
    const std::optional<qint64> held = std::get<std::optional<qint64>>(size);
    return held && *held <= partial.version.size ? *held : 0;
}

RemoteDelivery::Outcome RemoteDelivery::deliver(const QString& localPath, const QString& remotePath,
                                                bool verifySize, const Uploader::ProgressFunction& progress,
                                                const std::atomic_bool* abort, PartialUploads* partials) const
{
    Outcome outcome;
    outcome.remotePath = remotePath;
    const bool viaTemporary = m_uploader.connection().useTemporaryName;
    // A cut upload of the version there is now goes on under the name it chose; its bytes under the real
    // name (no temporary names) are its own, not a file of that name to keep or to number around.
    const std::optional<FileVersion> now = localVersion(localPath);
    const bool resumable = partials && now && now->size >= partials->minimumSize();
    std::optional<PartialUploads::Entry> partial = resumable ? partials->find(localPath) : std::nullopt;
    // Another version of the file, or a partial sent under rules or into a folder that no longer apply: the
    // file is sent whole.
    if (partial && (*now != partial->version ||
                    partial->sentTo != (viaTemporary ? temporaryPath(partial->target) : partial->target) ||
                    RemotePath::directoryOf(partial->target) != RemotePath::directoryOf(remotePath))) {
        partial.reset();
    }
    Uploader::Resume resume;
    if (partial) {
        outcome.remotePath = partial->target;
        resume.version = partial->version;
        resume.offset = resumeOffset(*partial, outcome.resumeRefused);
    } else {
        std::variant<std::optional<QString>, FTPError> target = targetPath(remotePath);
        if (const FTPError* error = std::get_if<FTPError>(&target)) {
            outcome.error = *error;
            return outcome;
        }
        const std::optional<QString> path = std::get<std::optional<QString>>(target);
        if (!path) {
            outcome.kind = Outcome::Kind::skippedExisting;
            return outcome;
        }
        outcome.remotePath = *path;
    }
    // A leftover of an interrupted upload that cannot go on has the same temporary name and is replaced.
    const QString sentTo = viaTemporary ? temporaryPath(outcome.remotePath) : outcome.remotePath;
    if (resumable && !partial) {
        partials->remember(localPath, {sentTo, outcome.remotePath, *now});
    }
    // The server is asked for a checksum only where the size is checked (the file goes away after it).
    const std::optional<ServerChecksum> checksum =
        verifySize ? m_uploader.checksumCommand() : std::optional<ServerChecksum>();
    // What is sent is hashed only when a server compares the digest: on a link as fast as the disk (a local
    // network, loopback) hashing is a large share of an upload's processor time, and a digest nobody checks
    // proves nothing. A resumed upload then reads its head again, so the digest is of the whole file.
    const bool wholeDigest = checksum.has_value();
    TransferDigest digest(checksum ? std::optional(checksum->algorithm) : std::nullopt);
    // What proved the delivery, once every check passed.
    QString proof;
    outcome.error = m_uploader.upload(localPath, sentTo, progress, &outcome.opened, abort, m_within, &resume,
                                      wholeDigest ? &digest : nullptr);
    if (resume.offset > 0 && outcome.opened == resume.version) {
        outcome.resumedFrom = resume.offset;
    }
    if (!outcome.error && verifySize) {
        outcome.error = verify(sentTo, outcome.opened.size);
        proof = kSizeProof;
    }
    if (!outcome.error && checksum) {
        outcome.error = compareChecksum(sentTo, outcome.opened.size, *checksum, digest, proof);
        // The bytes on the server are not the file's: the next attempt sends it whole.
        if (outcome.error && resumable) {
            partials->forget(localPath);
        }
    }
    if (!outcome.error && viaTemporary) {
        outcome.error = m_uploader.renameReplacing(sentTo, outcome.remotePath);
    }
    if (!outcome.error) {
        outcome.kind = Outcome::Kind::sent;
        outcome.verifiedBy = proof;
        if (wholeDigest) {
            outcome.sentSha256 = digest.hex(ChecksumAlgorithm::sha256);
        }
        if (resumable) {
            partials->forget(localPath);
        }
    }
    return outcome;
}

} // namespace ondrix
