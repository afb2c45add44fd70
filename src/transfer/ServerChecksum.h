#pragma once

#include "transfer/TransferDigest.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace ondrix {

// How an FTP server is asked for the checksum of a file it holds: the HASH command of the OPTS HASH draft
// (after selecting the algorithm), or the older one-algorithm commands XSHA256, XSHA1, XMD5 and XCRC. Knows
// the commands, which one a server's features offer, and how to read the digest out of its reply.
class ServerChecksum {
public:
    enum class Command { hash, single };

    Command command = Command::hash;
    ChecksumAlgorithm algorithm = ChecksumAlgorithm::sha256;

    // The strongest checksum the FEAT lines offer, by HASH where it lists that algorithm, else by its single
    // command; nothing when the server lists none.
    static std::optional<ServerChecksum> strongestOffered(const QStringList& features);

    // The command lines for the file at `encodedPath` (absolute, as bytes; refused before when it holds a
    // line break).
    QList<QByteArray> commandLines(const QByteArray& encodedPath) const;
    // The digest in lower-case hexadecimal from the server's reply lines (everything the control connection
    // received during the exchange); nothing when no reply carries one of this algorithm.
    std::optional<QString> digestIn(const QByteArray& replies) const;

    bool operator==(const ServerChecksum&) const = default;
};

} // namespace ondrix
