#include "model/ByteSize.h"

#include <QLocale>

namespace ondrix::ByteSize {

QString text(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

} // namespace ondrix::ByteSize
