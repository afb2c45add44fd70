// Feeds arbitrary bytes to the tag-list decoders, as a hostile or damaged extended attribute would. Whatever
// decodes must survive a binary round trip unchanged.
#include "platform/XattrTagStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QStringList tags = ondrix::XattrTagStore::decodeUserTags(bytes);
    if (!tags.isEmpty()) {
        const QByteArray encoded = ondrix::XattrTagStore::encodeUserTags(tags);
        if (ondrix::XattrTagStore::decodeUserTags(encoded) != tags) {
            std::abort();
        }
    }

    const QStringList desktopTags = ondrix::XattrTagStore::decodeDesktopTags(bytes);
    if (ondrix::XattrTagStore::decodeDesktopTags(ondrix::XattrTagStore::encodeDesktopTags(desktopTags)) !=
        desktopTags) {
        std::abort();
    }
    return 0;
}
