#include "platform/XattrTagStore.h"

#include "platform/FileName.h"

#include <plist/plist.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

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
    // The entries of the list as it was that are not strings go after the tags.
    PlistPtr previous;
    std::vector<plist_t> kept;
    if (!keepFrom.isEmpty() &&
        static_cast<quint64>(keepFrom.size()) <= std::numeric_limits<uint32_t>::max()) {
        plist_t previousNode = nullptr;
        plist_from_memory(keepFrom.constData(), static_cast<uint32_t>(keepFrom.size()), &previousNode);
        previous.reset(previousNode);
        if (previous && plist_get_node_type(previousNode) == PLIST_ARRAY) {
            const uint32_t count = plist_array_get_size(previousNode);
            for (uint32_t i = 0; i < count; ++i) {
                const plist_t item = plist_array_get_item(previousNode, i);
                if (item && plist_get_node_type(item) != PLIST_STRING) {
                    kept.push_back(item);
                }
            }
        }
    }
    if (kept.empty()) {
        return encodeStringArray(tags);
    }
    const PlistPtr array(plist_new_array());
    if (!array) {
        return {};
    }
    for (const QString& tag : tags) {
        plist_array_append_item(array.get(), plist_new_string(tag.toUtf8().constData()));
    }
    for (const plist_t item : kept) {
        plist_array_append_item(array.get(), plist_copy(item));
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

// A binary property list whose root is an array of strings, written directly: libplist's writer clears a
// large table for every list it writes, which cost several times the rest of a tag write. Each string ends
// at its first NUL, as a C string handed to libplist would; ASCII is stored as bytes, anything else as
// big-endian UTF-16.
QByteArray XattrTagStore::encodeStringArray(const QStringList& tags)
{
    const auto appendBigEndian = [](QByteArray& out, quint64 value, int bytes) {
        for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
            out.append(char((value >> shift) & 0xff));
        }
    };
    const auto widthOf = [](quint64 value) {
        return value <= 0xff ? 1 : value <= 0xffff ? 2 : value <= 0xffffffffu ? 4 : 8;
    };
    // An object's marker with its length: in the marker's low nibble, or after it as an integer object.
    const auto appendMarker = [&](QByteArray& out, quint8 kind, quint64 count) {
        if (count < 15) {
            out.append(char(kind | count));
            return;
        }
        out.append(char(kind | 0x0f));
        const int width = widthOf(count);
        out.append(char(0x10 | (width == 1 ? 0 : width == 2 ? 1 : width == 4 ? 2 : 3)));
        appendBigEndian(out, count, width);
    };

    const quint64 objects = quint64(tags.size()) + 1;
    const int refSize = objects <= 0xff ? 1 : objects <= 0xffff ? 2 : 4;
    QByteArray out("bplist00");
    std::vector<quint64> offsets;
    offsets.reserve(objects);
    offsets.push_back(quint64(out.size()));
    appendMarker(out, 0xa0, quint64(tags.size()));
    for (quint64 ref = 1; ref < objects; ++ref) {
        appendBigEndian(out, ref, refSize);
    }
    for (const QString& tag : tags) {
        offsets.push_back(quint64(out.size()));
        const qsizetype nul = tag.indexOf(QChar(u'\0'));
        const QStringView text = nul < 0 ? QStringView(tag) : QStringView(tag).left(nul);
        const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
        appendMarker(out, ascii ? 0x50 : 0x60, quint64(text.size()));
        for (const QChar c : text) {
            if (ascii) {
                out.append(char(c.unicode()));
            } else {
                appendBigEndian(out, c.unicode(), 2);
            }
        }
    }
    const quint64 tableOffset = quint64(out.size());
    const int offsetSize = widthOf(tableOffset);
    for (const quint64 offset : offsets) {
        appendBigEndian(out, offset, offsetSize);
    }
    out.append(QByteArray(6, '\0'));
    out.append(char(offsetSize));
    out.append(char(refSize));
    appendBigEndian(out, objects, 8);
    appendBigEndian(out, 0, 8); // the root: the array
    appendBigEndian(out, tableOffset, 8);
    return out;
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
