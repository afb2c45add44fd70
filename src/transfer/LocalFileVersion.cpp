#include "transfer/LocalFileVersion.h"

#include "platform/FileName.h"

#include <sys/stat.h>

namespace ondrix {

LocalFileVersion LocalFileVersion::of(const struct stat& status)
{
    LocalFileVersion version;
    version.size = qint64(status.st_size);
    version.modifiedNs = qint64(status.st_mtim.tv_sec) * 1'000'000'000 + qint64(status.st_mtim.tv_nsec);
    version.device = quint64(status.st_dev);
    version.inode = quint64(status.st_ino);
    return version;
}

std::optional<LocalFileVersion> LocalFileVersion::read(const QString& path)
{
    struct stat status {};
    if (::lstat(FileName::encode(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return of(status);
}

} // namespace ondrix
