#include "transfer/RemoteUrl.h"

#include "platform/FileName.h"

namespace ondrix {

QByteArray urlScheme(TransferProtocol protocol)
{
    return protocol == TransferProtocol::sftp ? QByteArrayLiteral("sftp") : QByteArrayLiteral("ftp");
}

QByteArray percentEncodePath(const QString& path)
{
    // The name's bytes as the local file system holds them (not always UTF-8), so that the server gets the
    // same name. toPercentEncoding keeps the unreserved characters (letters, digits, "-._~"); the rest of the
    // path-allowed set is excluded from encoding explicitly.
    return FileName::encode(path).toPercentEncoding(QByteArrayLiteral("!$&'()*+,/:=@"));
}

QByteArray serverUrl(const PushConnection& connection, const QByteArray& encodedPath)
{
    return urlScheme(connection.transferProtocol) + "://" + connection.host.trimmed().toUtf8() + ':' +
           QByteArray::number(connection.port) + encodedPath;
}

} // namespace ondrix
