#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace ondrix {

// Where a file's user tags live. A file carries two lists: the user-tags list shared with macOS (each entry a
// tag name, optionally followed by a line feed and a colour number) and the freedesktop tag list (plain
// names) that Linux file managers show. Implementations address the file by its path, never follow a symbolic
// link at the end of it, keep no state between calls and may be called from any thread.
class TagStore {
public:
    enum class TagList {
        userTags,    // the user-tags list shared with macOS
        desktopTags, // the freedesktop tag list
    };

    virtual ~TagStore() = default;

    // The list's entries in stored order; empty when the list is absent, cannot be read or is malformed.
    virtual QStringList readTags(const QString& path, TagList list) const = 0;

    // Replaces the list with `tags`; an empty list removes it (a failed removal is ignored). Returns 0 when
    // the list was written or there was nothing to write, otherwise the errno of the failed write.
    virtual int writeTags(const QString& path, TagList list, const QStringList& tags) const = 0;

    // Reads the list once, hands its entries to `change` and writes what that returns (as writeTags would),
    // unless it equals what was read: no write at all then. Returns 0 when the list was written or already
    // as wanted, otherwise the errno of the failed read or write (ENOENT: the file is gone), writing nothing
    // after a failed read.
    using Change = std::function<QStringList(const QStringList& tags)>;
    virtual int updateTags(const QString& path, TagList list, const Change& change) const = 0;
};

} // namespace ondrix
