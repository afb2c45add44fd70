#pragma once

#include "platform/FileDescriptor.h"

#include <QByteArray>
#include <QString>

#include <sys/stat.h>
#include <sys/types.h>

#include <optional>

namespace ondrix {

// A watched folder as others may change it while it is watched: whoever writes into it can swap any
// sub-folder, or the folder's own parent, for a symbolic link to somewhere private. The folder is opened once
// (without following a link anywhere on its path), and every file below it is reached from that descriptor,
// with openat2's RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS where the kernel has it and otherwise one component
// at a time with O_NOFOLLOW | O_DIRECTORY, so no link in any component is followed and nothing outside the
// folder is reached. Reading, tags, rewriting, renaming and unlinking then use the descriptors it hands out.
//
// Paths are absolute and in the FileName encoding; those not below the root are refused (EXDEV). Immutable
// once made: any thread.
class WatchedTree {
public:
    enum class Resolution {
        automatic, // openat2 where the kernel has it, else the walk
        walk,      // always the component-by-component walk (for tests of the fallback)
    };

    // Opens `root` (absolute, normalised, links resolved); isValid tells whether that worked.
    explicit WatchedTree(const QString& root, Resolution resolution = Resolution::automatic);
    WatchedTree(const WatchedTree&) = delete;
    WatchedTree& operator=(const WatchedTree&) = delete;

    bool isValid() const { return m_root.isValid(); }
    // The errno of the failed opening of the root, else 0.
    int error() const { return m_error; }
    const QString& rootPath() const { return m_rootPath; }
    int rootDescriptor() const { return m_root.get(); }
    // The part of `path` below the root, encoded, or nothing when `path` is not below it (the root itself
    // gives ".").
    std::optional<QByteArray> relative(const QString& path) const;

    // Opens the item at `path` with `flags` (O_NOFOLLOW and O_CLOEXEC are always added). Invalid with errno
    // set on failure; ELOOP when a link stands anywhere on the way.
    FileDescriptor open(const QString& path, int flags, mode_t mode = 0) const;
    // Opens `relative` (as `relative()` gives it) below the root.
    FileDescriptor openRelative(const QByteArray& relative, int flags, mode_t mode = 0) const;

    // The folder holding `path`, opened as a directory, and the last component's name: for fstatat,
    // unlinkat, renameat and openat relative to a verified parent.
    struct Parent {
        FileDescriptor folder;
        QByteArray name;
    };
    // Invalid folder with errno set on failure.
    Parent openParent(const QString& path) const;

    // lstat through the tree: 0, or the errno.
    int stat(const QString& path, struct stat& info) const;
    // Removes the file at `path` (not a folder): 0, or the errno.
    int unlink(const QString& path) const;

private:
    FileDescriptor resolve(int from, const QByteArray& relative, int flags, mode_t mode) const;

    QString m_rootPath;
    FileDescriptor m_root;
    int m_error = 0;
    Resolution m_resolution;
};

} // namespace ondrix
