#include "platform/DiskSpace.h"

#include <QStorageInfo>

namespace ondrix {

std::optional<qint64> freeDiskSpaceBytes(const QString& path)
{
    const QStorageInfo volume(path);
    if (!volume.isValid() || !volume.isReady())
        return std::nullopt;
    const qint64 available = volume.bytesAvailable();
    if (available < 0)
        return std::nullopt;
    return available;
}

} // namespace ondrix
