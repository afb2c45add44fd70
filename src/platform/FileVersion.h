#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

struct stat;

namespace ondrix {

// One version of a local file, as stat reads it: what a scan lists, what the stability check compares, what
// an upload opened and sent (from the open descriptor) and what the uploaded record keeps. Dates are whole
// nanoseconds, compared exactly; only the stored record turns them into seconds (see `seconds`).
struct FileVersion {
    qint64 size = -1;      // unknown
    qint64 modifiedNs = 0; // st_mtim in nanoseconds since 1970
    quint64 device = 0;
    quint64 inode = 0;

    bool isValid() const { return size >= 0; }

    // Dates stored as numbers are seconds since 1970 in a double, which keeps them to about a quarter of a
    // microsecond today; these two convert, and `kStoredPrecisionNs` is how far a date can move on the way.
    static double seconds(qint64 modifiedNs);
    static qint64 nanoseconds(double seconds);
    static constexpr qint64 kStoredPrecisionNs = 1000;

    static FileVersion of(const struct stat& status);
    // The version at `path` now (a link itself, not followed), or nothing when it cannot be read.
    static std::optional<FileVersion> read(const QString& path);
    bool operator==(const FileVersion&) const = default;
};

} // namespace ondrix
