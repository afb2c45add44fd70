#pragma once

#include "transfer/RemoteItem.h"

#include <QStringView>

#include <optional>

namespace ondrix {

// Turns the text of a directory listing into entries. Understands the long listing of Unix servers
// (pyftpdlib, OpenSSH, paramiko) and the date/time/size lines of Windows servers, and the names-only listing
// used when neither fits. Hidden entries (and "." and "..") are left out. Pure functions; any thread.
class RemoteListingParser {
public:
    // `base` is the listed directory with a leading "/"; entries get base + "/" + name as their path.
    static QList<RemoteItem> parseListing(QStringView text, const QString& base);
    static QList<RemoteItem> parseNameList(QStringView text, const QString& base);

    // One trimmed line in either long form; `prefix` is the directory without a trailing "/" ("" at the top).
    // Empty when the line fits neither form or names a hidden entry.
    static std::optional<RemoteItem> parseLine(QStringView line, const QString& prefix);

    // A size field: decimal digits after an optional sign; anything else, or too large a number, is 0.
    static qint64 parseSize(QStringView field);
};

} // namespace ondrix
