#pragma once

#include <QString>
#include <QUuid>

namespace ondrix {

// An id as Ondrix writes it wherever it is stored or shown as text: upper-case hexadecimal without braces
// ("0F8FAD5B-D9CB-469F-A165-70867728950E"). Stored keys and files are made of it, so it must never change.
QString uuidText(const QUuid& id);

} // namespace ondrix
