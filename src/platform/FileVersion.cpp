#include "platform/FileVersion.h"

#include "platform/FileName.h"

#include <sys/stat.h>

#include <cmath>

namespace ondrix {

double FileVersion::seconds(qint64 modifiedNs)
{
    // Whole seconds and the fraction apart, so the whole part stays exact.
    return double(modifiedNs / 1'000'000'000) + double(modifiedNs % 1'000'000'000) / 1e9;
}

qint64 FileVersion::nanoseconds(double seconds)
{
    const double whole = std::floor(seconds);
    return qint64(whole) * 1'000'000'000 + std::llround((seconds - whole) * 1e9);
}

FileVersion FileVersion::of(const struct stat& status)
{
    FileVersion version;
    version.size = qint64(status.st_size);
    version.modifiedNs = qint64(status.st_mtim.tv_sec) * 1'000'000'000 + qint64(status.st_mtim.tv_nsec);
    version.device = quint64(status.st_dev);
    version.inode = quint64(status.st_ino);
    return version;
}

std::optional<FileVersion> FileVersion::read(const QString& path)
{
    struct stat status {};
    if (::lstat(FileName::encode(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return of(status);
}

} // namespace ondrix
