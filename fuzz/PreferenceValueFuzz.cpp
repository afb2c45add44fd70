// Feeds arbitrary stored values to the store's typed reads, as a damaged store or a provisioning script
// would leave them: any type name with a value of any SQLite class. Reads must not crash, and a number
// written as text must read back as that number.
#include "platform/PreferenceValue.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

const char* const kTypes[] = {"bool", "integer",    "double",         "string",
                              "data", "stringList", "realDictionary", ""};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 9) {
        return 0;
    }
    ondrix::PreferenceValue value;
    value.type = QString::fromLatin1(kTypes[data[0] & 7]);
    value.storage = static_cast<ondrix::PreferenceValue::Storage>((data[0] >> 3) % 5);
    std::memcpy(&value.integer, data + 1, sizeof value.integer);
    std::memcpy(&value.real, data + 1, sizeof value.real);
    value.bytes = QByteArray(reinterpret_cast<const char*>(data + 9), static_cast<qsizetype>(size - 9));

    (void)value.toBool();
    const qint64 integer = value.toInteger();
    const double real = value.toDouble();
    const QString text = value.toString();
    (void)value.toData();
    (void)value.toStringList();

    // Whatever a number read gives, written back as a string it reads the same.
    ondrix::PreferenceValue written;
    written.type = QStringLiteral("string");
    written.storage = ondrix::PreferenceValue::Storage::text;
    written.bytes = QByteArray::number(integer);
    if (written.toInteger() != integer) {
        std::abort();
    }
    if (std::isfinite(real)) {
        written.bytes = QByteArray::number(real, 'g', 17);
        const double back = written.toDouble();
        if (back != real && !(std::isnan(back) && std::isnan(real))) {
            std::abort();
        }
    }
    // A string value reads back as the same text.
    if (value.type == QLatin1String("string") && value.storage == ondrix::PreferenceValue::Storage::text &&
        text != QString::fromUtf8(value.bytes)) {
        std::abort();
    }
    return 0;
}
