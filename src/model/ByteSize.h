#pragma once

#include <QString>

namespace ondrix::ByteSize {

// A file size as the file manager shows it: decimal units with one decimal ("2.4 MB", "812 bytes"), in the
// interface's locale.
QString text(qint64 bytes);

} // namespace ondrix::ByteSize
