#include "transfer/RemoteCommand.h"

#include "model/RemotePath.h"
#include "platform/FileName.h"

#include <QCoreApplication>

#include <algorithm>

namespace ondrix {

namespace {

// libcurl reads an SFTP command's path up to the next blank unless it is in double quotes, inside which
// backslash escapes a quote or a backslash. FTP sends the rest of the line as it is.
QByteArray sftpArgument(const QString& path)
{
    QByteArray bytes = FileName::encode(path);
    if (!bytes.contains(' ') && !bytes.contains('\t') && !bytes.contains('"')) {
        return bytes;
    }
    bytes.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + bytes + '"';
}

QList<QByteArray> sftpLines(RemoteCommand::Kind kind, const QString& from, const QString& to)
{
    switch (kind) {
    case RemoteCommand::Kind::makeDirectory:
        return {"mkdir " + sftpArgument(from)};
    case RemoteCommand::Kind::removeDirectory:
        return {"rmdir " + sftpArgument(from)};
    case RemoteCommand::Kind::deleteFile:
        return {"rm " + sftpArgument(from)};
    case RemoteCommand::Kind::rename:
        return {"rename " + sftpArgument(from) + ' ' + sftpArgument(to)};
    }
    return {};
}

QList<QByteArray> ftpLines(RemoteCommand::Kind kind, const QString& from, const QString& to)
{
    switch (kind) {
    case RemoteCommand::Kind::makeDirectory:
        return {"MKD " + FileName::encode(from)};
    case RemoteCommand::Kind::removeDirectory:
        return {"RMD " + FileName::encode(from)};
    case RemoteCommand::Kind::deleteFile:
        return {"DELE " + FileName::encode(from)};
    case RemoteCommand::Kind::rename:
        return {"RNFR " + FileName::encode(from), "RNTO " + FileName::encode(to)};
    }
    return {};
}

} // namespace

std::optional<FTPError> RemoteCommand::refuseUnsafePath(const QString& path)
{
    const bool unsafe = std::any_of(path.cbegin(), path.cend(),
                                    [](QChar c) { return c == u'\r' || c == u'\n' || c == QChar(u'\0'); });
    if (!unsafe) {
        return std::nullopt;
    }
    QString shown = path;
    shown.replace(u'\r', QLatin1String("\\r"))
        .replace(u'\n', QLatin1String("\\n"))
        .replace(QChar(u'\0'), QLatin1String("\\0"));
    return FTPError::unknown(
        QCoreApplication::translate(
            "CurlTransferClient",
            "The remote path contains a line break or NUL character and was not sent: %1")
            .arg(shown));
}

std::optional<FTPError> RemoteCommand::refuseUncarriableName(TransferProtocol protocol, const QString& path)
{
    // SFTP carries any byte but NUL, which no local name holds.
    if (protocol == TransferProtocol::sftp) {
        return std::nullopt;
    }
    const auto isControl = [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; };
    if (std::none_of(path.cbegin(), path.cend(), isControl)) {
        return std::nullopt;
    }
    QString shown;
    for (const QChar c : FileName::displayName(path)) {
        if (c == u'\t') {
            shown += QLatin1String("\\t");
        } else if (c == u'\n') {
            shown += QLatin1String("\\n");
        } else if (c == u'\r') {
            shown += QLatin1String("\\r");
        } else if (isControl(c)) {
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            shown += c;
        }
    }
    return FTPError::unknown(QCoreApplication::translate(
                                 "RemoteCommand",
                                 "Not uploaded: FTP cannot carry a name with a tab, a line break or another "
                                 "control character: %1. Rename the file, or connect over SFTP, which "
                                 "carries such names.")
                                 .arg(shown));
}

std::variant<QList<QByteArray>, FTPError> RemoteCommand::lines(TransferProtocol protocol, Kind kind,
                                                               const QString& path, const QString& to)
{
    if (std::optional<FTPError> refusal = refuseUnsafePath(path)) {
        return *refusal;
    }
    if (kind == Kind::rename) {
        if (std::optional<FTPError> refusal = refuseUnsafePath(to)) {
            return *refusal;
        }
    }
    const QString from = RemotePath::absolute(path);
    return protocol == TransferProtocol::sftp ? sftpLines(kind, from, RemotePath::absolute(to))
                                              : ftpLines(kind, from, RemotePath::absolute(to));
}

} // namespace ondrix
