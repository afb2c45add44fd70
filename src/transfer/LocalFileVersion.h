#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

struct stat;

namespace ondrix {

// Which version of a local file an upload read: taken from the open descriptor (fstat) when the upload
// opened it, so a file saved again or replaced during the transfer can be told apart from what was sent.
struct LocalFileVersion {
    qint64 size = -1;
    qint64 modifiedNs = 0; // st_mtim in nanoseconds since the epoch
    quint64 device = 0;
    quint64 inode = 0;

    bool isValid() const { return size >= 0; }

    static LocalFileVersion of(const struct stat& status);
    // The version at `path` now (a link itself, not followed), or nothing when it cannot be read.
    static std::optional<LocalFileVersion> read(const QString& path);
    bool operator==(const LocalFileVersion&) const = default;
};

} // namespace ondrix
