#include "transfer/RemoteCommand.h"

#include <QCoreApplication>

#include <algorithm>

namespace ondrix {

namespace {

QString absolute(const QString& path)
{
    return path.startsWith(u'/') ? path : u'/' + path;
}

// libcurl reads an SFTP command's path up to the next blank unless it is in double quotes, inside which
// backslash escapes a quote or a backslash. FTP sends the rest of the line as it is.
QByteArray sftpArgument(const QString& path)
{
    QByteArray bytes = path.toUtf8();
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
        return {"MKD " + from.toUtf8()};
    case RemoteCommand::Kind::removeDirectory:
        return {"RMD " + from.toUtf8()};
    case RemoteCommand::Kind::deleteFile:
        return {"DELE " + from.toUtf8()};
    case RemoteCommand::Kind::rename:
        return {"RNFR " + from.toUtf8(), "RNTO " + to.toUtf8()};
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
    const QString from = absolute(path);
    return protocol == TransferProtocol::sftp ? sftpLines(kind, from, absolute(to))
                                              : ftpLines(kind, from, absolute(to));
}

} // namespace ondrix
