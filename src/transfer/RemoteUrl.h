#pragma once

#include "model/PushConnection.h"

#include <QByteArray>
#include <QString>

namespace ondrix {

// The URL scheme of a connection: "sftp" for SFTP, "ftp" for FTP and for explicit FTPS (TLS is requested on
// the same connection, not by the scheme).
QByteArray urlScheme(TransferProtocol protocol);

// A remote path as a URL path: ASCII letters, digits and !$&'()*+,-./:=@_~ stay, every other byte of the
// UTF-8 form (space, ";", "?", "#", "%", non-ASCII letters) becomes %XX. Bytes of a local name that are not
// UTF-8 (kept by FileName) go out as those bytes.
QByteArray percentEncodePath(const QString& path);

// "<scheme>://<host without surrounding whitespace>:<port><path>"; `encodedPath` is used as it is ("/" for
// operations on the server's root, percentEncodePath() of a file's path for uploads).
QByteArray serverUrl(const PushConnection& connection, const QByteArray& encodedPath);

} // namespace ondrix
