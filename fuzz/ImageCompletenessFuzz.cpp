// Fuzzes the checks that tell whether an image's data is all there (JPEG, PNG, TIFF and DNG structures): any
// bytes a writer leaves in a watched folder are judged without a crash, and in work that grows with the
// size of the input only (libFuzzer's -timeout and -rss_limit_mb catch the rest).
#include "engine/IPTCMetadataService.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)ondrix::IPTCMetadataService::isComplete(bytes);
    // The same bytes behind each signature, so every structure reader sees every input.
    for (const QByteArray& signature : {QByteArray("\xFF\xD8\xFF", 3), QByteArray("\x89PNG\r\n\x1a\n", 8),
                                        QByteArray("II*\0", 4), QByteArray("MM\0*", 4)}) {
        (void)ondrix::IPTCMetadataService::isComplete(signature + bytes);
    }
    return 0;
}
