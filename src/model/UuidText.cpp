#include "model/UuidText.h"

namespace ondrix {

QString uuidText(const QUuid& id)
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}

} // namespace ondrix
