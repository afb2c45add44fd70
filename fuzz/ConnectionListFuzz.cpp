// Feeds arbitrary bytes to the decoder of the stored connection list, as a damaged or hand-edited store
// would. Whatever decodes must encode and decode again to the same records.
#include "model/PushConnection.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const auto decoded = ondrix::PushConnection::decodeList(bytes, &error);
    if (!decoded) {
        if (error.isEmpty()) {
            std::abort(); // a refusal must say why
        }
        return 0;
    }
    const QByteArray encoded = ondrix::PushConnection::encodeList(*decoded);
    const auto again = ondrix::PushConnection::decodeList(encoded);
    if (!again || *again != *decoded) {
        std::abort();
    }
    for (const ondrix::PushConnection& connection : *decoded) {
        (void)connection.effectiveIPTCKeyword();
    }
    return 0;
}
