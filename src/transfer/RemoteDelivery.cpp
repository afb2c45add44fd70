#include "transfer/RemoteDelivery.h"

#include <QCoreApplication>

namespace ondrix {

namespace {

qsizetype nameStart(const QString& path)
{
    return path.lastIndexOf(QLatin1Char('/')) + 1;
}

} // namespace

RemoteDelivery::RemoteDelivery(const FTPUploader& uploader, const WatchedTree* within)
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

RemoteDelivery::Outcome RemoteDelivery::deliver(const QString& localPath, const QString& remotePath,
                                                bool verifySize,
                                                const FTPUploader::ProgressFunction& progress,
                                                const std::atomic_bool* abort) const
{
    Outcome outcome;
    outcome.remotePath = remotePath;
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
    const bool viaTemporary = m_uploader.connection().useTemporaryName;
    // A leftover of an interrupted upload has the same temporary name and is simply replaced.
    const QString sentTo = viaTemporary ? temporaryPath(*path) : *path;
    outcome.error = m_uploader.upload(localPath, sentTo, progress, &outcome.opened, abort, m_within);
    if (!outcome.error && verifySize) {
        outcome.error = verify(sentTo, outcome.opened.size);
    }
    if (!outcome.error && viaTemporary) {
        outcome.error = m_uploader.renameReplacing(sentTo, *path);
    }
    if (!outcome.error) {
        outcome.kind = Outcome::Kind::sent;
    }
    return outcome;
}

} // namespace ondrix
