#include "transfer/ServerChecksum.h"

#include <algorithm>
#include <cctype>

namespace ondrix {

namespace {

constexpr ChecksumAlgorithm kStrongestFirst[] = {ChecksumAlgorithm::sha256, ChecksumAlgorithm::sha1,
                                                 ChecksumAlgorithm::md5, ChecksumAlgorithm::crc32};

QByteArray singleCommand(ChecksumAlgorithm algorithm)
{
    switch (algorithm) {
    case ChecksumAlgorithm::sha256:
        return QByteArrayLiteral("XSHA256");
    case ChecksumAlgorithm::sha1:
        return QByteArrayLiteral("XSHA1");
    case ChecksumAlgorithm::md5:
        return QByteArrayLiteral("XMD5");
    case ChecksumAlgorithm::crc32:
        return QByteArrayLiteral("XCRC");
    }
    return {};
}

bool isHex(const QByteArray& token, int length)
{
    return token.size() == length &&
           std::all_of(token.cbegin(), token.cend(), [](char c) { return std::isxdigit(uchar(c)) != 0; });
}

} // namespace

std::optional<ServerChecksum> ServerChecksum::strongestOffered(const QStringList& features)
{
    std::optional<ChecksumAlgorithm> hashed;
    std::optional<ChecksumAlgorithm> single;
    for (const QString& feature : features) {
        const QString command = feature.section(QLatin1Char(' '), 0, 0);
        if (command.compare(QLatin1String("HASH"), Qt::CaseInsensitive) == 0) {
            // "HASH SHA-256*;SHA-1;MD5": the star marks the one selected now.
            for (QString name : feature.section(QLatin1Char(' '), 1).split(QLatin1Char(';'))) {
                name = name.trimmed();
                name.remove(QLatin1Char('*'));
                if (const std::optional<ChecksumAlgorithm> algorithm = TransferDigest::fromName(name)) {
                    hashed = std::max(hashed.value_or(*algorithm), *algorithm);
                }
            }
            continue;
        }
        for (const ChecksumAlgorithm algorithm : kStrongestFirst) {
            if (command.compare(QLatin1String(singleCommand(algorithm)), Qt::CaseInsensitive) == 0) {
                single = std::max(single.value_or(algorithm), algorithm);
            }
        }
    }
    // HASH where it offers as strong an algorithm as the single commands: it is the standard's way.
    if (hashed && (!single || *hashed >= *single)) {
        return ServerChecksum{Command::hash, *hashed};
    }
    if (single) {
        return ServerChecksum{Command::single, *single};
    }
    return std::nullopt;
}

QList<QByteArray> ServerChecksum::commandLines(const QByteArray& encodedPath) const
{
    if (command == Command::single) {
        return {singleCommand(algorithm) + ' ' + encodedPath};
    }
    // The selection holds for the rest of the session, but another upload on a shared connection may have
    // changed it: selected every time.
    return {"OPTS HASH " + TransferDigest::name(algorithm).toLatin1(), "HASH " + encodedPath};
}

std::optional<QString> ServerChecksum::digestIn(const QByteArray& replies) const
{
    const int length = TransferDigest::hexLength(algorithm);
    for (const QByteArray& line : replies.split('\n')) {
        const QList<QByteArray> tokens = line.trimmed().split(' ');
        // Only final positive replies: "213 SHA-256 0-49 <digest> name" to HASH, "250 <digest>" (or 213)
        // to the single commands.
        if (tokens.size() < 2 || tokens.first().size() != 3 || !tokens.first().startsWith('2')) {
            continue;
        }
        if (command == Command::hash) {
            if (tokens.size() >= 4 && tokens.first() == "213" &&
                TransferDigest::fromName(QString::fromLatin1(tokens[1])) == algorithm &&
                isHex(tokens[3], length)) {
                return QString::fromLatin1(tokens[3].toLower());
            }
        } else if (isHex(tokens[1], length)) {
            return QString::fromLatin1(tokens[1].toLower());
        }
    }
    return std::nullopt;
}

} // namespace ondrix
