#pragma once

#include <QString>

#include <optional>

namespace ondrix {

// Bytes available to this user on the volume that holds `path`; none when the volume cannot be read.
std::optional<qint64> freeDiskSpaceBytes(const QString& path);

} // namespace ondrix
