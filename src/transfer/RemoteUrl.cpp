#include "transfer/RemoteUrl.h"

#include <QUrl>

namespace ondrix {

QByteArray urlScheme(TransferProtocol protocol)
{
    return protocol == TransferProtocol::sftp ? QByteArrayLiteral("sftp") : QByteArrayLiteral("ftp");
}

QByteArray percentEncodePath(const QString& path)
{
    // toPercentEncoding keeps the unreserved characters (letters, digits, "-._~"); the rest of the
    // path-allowed set is excluded from encoding explicitly.
    return QUrl::toPercentEncoding(path, QByteArrayLiteral("!$&'()*+,/:=@"));
}

QByteArray serverUrl(const PushConnection& connection, const QByteArray& encodedPath)
{
    return urlScheme(connection.transferProtocol) + "://" + connection.host.trimmed().toUtf8() + ':' +
           QByteArray::number(connection.port) + encodedPath;
}

} // namespace ondrix
