#include "platform/XattrTagStore.h"

#include "platform/FileName.h"

#include <plist/plist.h>
#include <sys/xattr.h>

#include <cerrno>
#include <cstdint>
#include <limits>
#include <memory>

namespace ondrix {

namespace {

// Most tag lists fit here, so a read costs one system call; longer values are sized and read again.
constexpr qsizetype firstReadSize = 1024;
// A value that keeps growing between the size query and the read is given up on after this many rounds.
constexpr int maxReadRounds = 8;

struct PlistDeleter {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

} // namespace

const char* XattrTagStore::attributeName(TagList list)
{
    return list == TagList::userTags ? userTagsAttribute : desktopTagsAttribute;
}

std::optional<QByteArray> XattrTagStore::readAttribute(const QString& path, const char* name, int* error)
{
    return readEncoded(FileName::encode(path), name, error);
}

std::optional<QByteArray> XattrTagStore::readEncoded(const QByteArray& encodedPath, const char* name,
                                                     int* error)
{
    QByteArray buffer(firstReadSize, Qt::Uninitialized);
    for (int round = 0; round < maxReadRounds; ++round) {
        const ssize_t read =
            ::lgetxattr(encodedPath.constData(), name, buffer.data(), static_cast<size_t>(buffer.size()));
        if (read >= 0) {
            buffer.truncate(read);
            return buffer;
        }
        if (errno == ENODATA) {
            return QByteArray();
        }
        if (errno != ERANGE) {
            if (error) {
                *error = errno;
            }
            return std::nullopt;
        }
        const ssize_t size = ::lgetxattr(encodedPath.constData(), name, nullptr, 0);
        if (size < 0) {
            if (errno == ENODATA) {
                return QByteArray();
            }
            if (error) {
                *error = errno;
            }
            return std::nullopt;
        }
        if (size < 1) {
            return QByteArray();
        }
        buffer.resize(size);
    }
    if (error) {
        *error = ERANGE;
    }
    return std::nullopt;
}

QStringList XattrTagStore::readTags(const QString& path, TagList list) const
{
    const std::optional<QByteArray> bytes = readAttribute(path, attributeName(list));
    if (!bytes || bytes->isEmpty()) {
        return {};
    }
    return list == TagList::userTags ? decodeUserTags(*bytes) : decodeDesktopTags(*bytes);
}

int XattrTagStore::writeTags(const QString& path, TagList list, const QStringList& tags) const
{
    // Entries of the user list that are not tags of ours to read stay in it.
    const QByteArray previous = list == TagList::userTags && !tags.isEmpty()
                                    ? readAttribute(path, attributeName(list)).value_or(QByteArray())
                                    : QByteArray();
    return store(FileName::encode(path), list, tags, previous);
}

int XattrTagStore::updateTags(const QString& path, TagList list, const Change& change) const
{
    const QByteArray encodedPath = FileName::encode(path);
    int error = 0;
    const std::optional<QByteArray> previous = readEncoded(encodedPath, attributeName(list), &error);
    if (!previous) {
        return error;
    }
    const QStringList tags = previous->isEmpty()         ? QStringList()
                             : list == TagList::userTags ? decodeUserTags(*previous)
                                                         : decodeDesktopTags(*previous);
    const QStringList changed = change(tags);
    if (changed == tags) {
        return 0;
    }
    return store(encodedPath, list, changed, *previous);
}

int XattrTagStore::store(const QByteArray& encodedPath, TagList list, const QStringList& tags,
                         const QByteArray& previous)
{
    const char* name = attributeName(list);
    if (tags.isEmpty()) {
        ::lremovexattr(encodedPath.constData(), name);
        return 0;
    }
    const QByteArray value =
        list == TagList::userTags ? encodeUserTags(tags, previous) : encodeDesktopTags(tags);
    if (value.isEmpty()) {
        return 0;
    }
    if (::lsetxattr(encodedPath.constData(), name, value.constData(), static_cast<size_t>(value.size()), 0) !=
        0) {
        return errno;
    }
    return 0;
}

QStringList XattrTagStore::decodeUserTags(const QByteArray& bytes)
{
    if (bytes.isEmpty() || static_cast<quint64>(bytes.size()) > std::numeric_limits<uint32_t>::max()) {
        return {};
    }
    plist_t rootNode = nullptr;
    plist_from_memory(bytes.constData(), static_cast<uint32_t>(bytes.size()), &rootNode);
    const PlistPtr root(rootNode);
    if (!root || plist_get_node_type(rootNode) != PLIST_ARRAY) {
        return {};
    }
    const uint32_t count = plist_array_get_size(rootNode);
    QStringList tags;
    tags.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const plist_t item = plist_array_get_item(rootNode, i);
        if (!item || plist_get_node_type(item) != PLIST_STRING) {
            // Not a tag we can read (a number, a date, a nested list from some other program): the tags
            // beside it are still the user's, and writeTags keeps the entry itself.
            continue;
        }
        // plist_get_string_val asserts (aborts the process) on a string with an embedded NUL, which a damaged
        // or hostile attribute can hold; read the string in place and end it at its first NUL, as the
        // encoder would.
        uint64_t length = 0;
        const char* value = plist_get_string_ptr(item, &length);
        if (!value || length > static_cast<uint64_t>(std::numeric_limits<qsizetype>::max())) {
            return {};
        }
        tags.append(
            QString::fromUtf8(value, static_cast<qsizetype>(qstrnlen(value, static_cast<size_t>(length)))));
    }
    return tags;
}

QByteArray XattrTagStore::encodeUserTags(const QStringList& tags, const QByteArray& keepFrom)
{
    const PlistPtr array(plist_new_array());
    if (!array) {
        return {};
    }
    for (const QString& tag : tags) {
        plist_array_append_item(array.get(), plist_new_string(tag.toUtf8().constData()));
    }
    if (!keepFrom.isEmpty() &&
        static_cast<quint64>(keepFrom.size()) <= std::numeric_limits<uint32_t>::max()) {
        plist_t previousNode = nullptr;
        plist_from_memory(keepFrom.constData(), static_cast<uint32_t>(keepFrom.size()), &previousNode);
        const PlistPtr previous(previousNode);
        if (previous && plist_get_node_type(previousNode) == PLIST_ARRAY) {
            const uint32_t count = plist_array_get_size(previousNode);
            for (uint32_t i = 0; i < count; ++i) {
                const plist_t item = plist_array_get_item(previousNode, i);
                if (item && plist_get_node_type(item) != PLIST_STRING) {
                    plist_array_append_item(array.get(), plist_copy(item));
                }
            }
        }
    }
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(array.get(), &bytes, &length);
    if (!bytes) {
        return {};
    }
    QByteArray result(bytes, static_cast<qsizetype>(length));
    plist_to_bin_free(bytes);
    return result;
}

QStringList XattrTagStore::decodeDesktopTags(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes).split(u',', Qt::SkipEmptyParts);
}

QByteArray XattrTagStore::encodeDesktopTags(const QStringList& tags)
{
    return tags.join(u',').toUtf8();
}

} // namespace ondrix
