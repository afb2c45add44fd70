#pragma once

#include "platform/TagStore.h"

#include <QByteArray>

#include <optional>

namespace ondrix {

// Keeps tags in user extended attributes: the user-tags list as a binary property list in
// "user.com.apple.metadata:_kMDItemUserTags" (the Linux spelling of the attribute macOS uses, so rsync -X and
// network shares carry it to and from a Mac), the freedesktop list as comma-separated UTF-8 in
// "user.xdg.tags". Every call uses the no-follow variants (lgetxattr, lsetxattr, lremovexattr). Stateless and
// safe to call from any thread.
class XattrTagStore final : public TagStore {
public:
    static constexpr const char* userTagsAttribute = "user.com.apple.metadata:_kMDItemUserTags";
    static constexpr const char* desktopTagsAttribute = "user.xdg.tags";

    QStringList readTags(const QString& path, TagList list) const override;
    int writeTags(const QString& path, TagList list, const QStringList& tags) const override;
    int updateTags(const QString& path, TagList list, const Change& change) const override;

    // The attribute's bytes, following the value when it grows between the size query and the read (ERANGE).
    // An absent attribute reads as empty bytes; nullopt with `error` set when the attribute cannot be read.
    static std::optional<QByteArray> readAttribute(const QString& path, const char* name,
                                                   int* error = nullptr);

    // A property list in any format whose root is an array → its strings, in order; elements of other types
    // are passed over. Anything else (not a property list, another root) → empty.
    static QStringList decodeUserTags(const QByteArray& bytes);
    // The strings as a binary property list whose root is an array, followed by the elements of `keepFrom`
    // (the list as it was) that are not strings, so that writing tags back never loses what could not be
    // read as one; empty bytes when encoding fails.
    static QByteArray encodeUserTags(const QStringList& tags, const QByteArray& keepFrom = {});

    static QStringList decodeDesktopTags(const QByteArray& bytes);
    static QByteArray encodeDesktopTags(const QStringList& tags);

    static const char* attributeName(TagList list);

private:
    static std::optional<QByteArray> readEncoded(const QByteArray& encodedPath, const char* name, int* error);
    // Writes `tags` as the list's value; `previous` is the value as it was (user tags keep what it holds
    // that is not a string).
    static int store(const QByteArray& encodedPath, TagList list, const QStringList& tags,
                     const QByteArray& previous);
};

} // namespace ondrix
