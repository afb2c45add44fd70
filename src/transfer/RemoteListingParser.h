#pragma once

#include "transfer/RemoteItem.h"

#include <QDateTime>
#include <QStringView>

#include <optional>

namespace ondrix {

// Turns the text of a directory listing into entries. Understands the machine-readable lines of MLSD, the
// long listing of Unix servers (pyftpdlib, vsftpd, OpenSSH, paramiko) and the date/time/size lines of Windows
// servers, and the names-only listing used when none fits. Hidden entries (and "." and "..") are left out.
// Dates are read as UTC, which MLSD prescribes and most servers also use for their long listing. Pure
// functions; any thread.
class RemoteListingParser {
public:
    // `base` is the listed directory with a leading "/"; entries get base + "/" + name as their path. `now`
    // places the dates of a long listing that leaves out the year (the last six months show a time instead).
    static QList<RemoteItem> parseListing(QStringView text, const QString& base,
                                          const QDateTime& now = QDateTime::currentDateTimeUtc());
    static QList<RemoteItem> parseNameList(QStringView text, const QString& base);

    // One trimmed line in any long form; `prefix` is the directory without a trailing "/" ("" at the top).
    // Empty when the line fits no form or names a hidden entry.
    static std::optional<RemoteItem> parseLine(QStringView line, const QString& prefix,
                                               const QDateTime& now = QDateTime::currentDateTimeUtc());

    // A size field: decimal digits after an optional sign; anything else, or too large a number, is 0.
    static qint64 parseSize(QStringView field);
};

} // namespace ondrix
