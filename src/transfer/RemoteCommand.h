#pragma once

#include "model/PushConnection.h"
#include "transfer/FTPError.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <variant>

namespace ondrix {

// The raw command lines sent to a server through libcurl's quote list: FTP's MKD/RMD/DELE/RNFR+RNTO, or
// libcurl's SFTP commands mkdir/rmdir/rm/rename. Every command of the uploader and of the browser is built
// here, so every one of them passes the same refusal: a path with a carriage return or line feed would end
// the command and start another one of the sender's choosing (a local folder name can carry "\r\nDELE x"),
// and a NUL would cut it short. Such a path is refused and nothing is sent.
class RemoteCommand {
public:
    enum class Kind { makeDirectory, removeDirectory, deleteFile, rename };

    // The lines of one command, or the refusal of an unsafe path. Paths get a leading "/" when they lack
    // one; `to` is used by rename only.
    static std::variant<QList<QByteArray>, FTPError> lines(TransferProtocol protocol, Kind kind,
                                                           const QString& path, const QString& to = {});

    // The refusal of a name the protocol cannot carry, saying why and what to do: FTP sends names inside
    // command lines, so a tab, a line break or another control character cannot be part of one (libcurl
    // would only say "bad URL"); SFTP carries any name. Nothing when the name can be sent.
    static std::optional<FTPError> refuseUncarriableName(TransferProtocol protocol, const QString& path);

    // The refusal of a path that would break out of its command line; nothing for a safe path.
    static std::optional<FTPError> refuseUnsafePath(const QString& path);
};

} // namespace ondrix
