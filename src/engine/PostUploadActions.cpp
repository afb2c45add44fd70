#include "engine/PostUploadActions.h"

#include "engine/ScriptRunner.h"
#include "platform/FileDescriptor.h"
#include "platform/FileName.h"
#include "platform/WatchedTree.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ondrix {

namespace {

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool isSent(const std::optional<FileVersion>& now, const FileVersion& sent)
{
    return !sent.isValid() || (now && *now == sent);
}

// Renames without ever replacing an existing item; EEXIST when the name is taken.
int renameNoReplace(int fromFolder, const QByteArray& from, int toFolder, const QByteArray& to)
{
    if (::renameat2(fromFolder, from.constData(), toFolder, to.constData(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // File systems without the flag: a hard link fails on a taken name, then the old name goes.
    if (::linkat(fromFolder, from.constData(), toFolder, to.constData(), 0) != 0) {
        return errno;
    }
    ::unlinkat(fromFolder, from.constData(), 0);
    return 0;
}

// Copies `source` (open, at `sent`) to `temp` in `folder`, flushed to disk, with the source's mode and dates.
// 0 or errno.
int copyToDisk(int source, const struct stat& info, int folder, const QByteArray& temp)
{
    FileDescriptor target(
        ::openat(folder, temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!target.isValid()) {
        return errno;
    }
    char buffer[256 * 1024];
    for (;;) {
        const ssize_t got = ::read(source, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (got == 0) {
            break;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(target.get(), buffer + done, size_t(got - done));
            if (put < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return errno;
            }
            done += put;
        }
    }
    ::fchmod(target.get(), info.st_mode & 07777);
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    ::futimens(target.get(), times);
    if (::fsync(target.get()) != 0) {
        return errno;
    }
    return ::close(target.release()) == 0 ? 0 : errno;
}

void syncFolder(int folder)
{
    const FileDescriptor dir(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isValid()) {
        ::fsync(dir.get());
    }
}

std::optional<FileVersion> versionAt(int folder, const QByteArray& name)
{
    struct stat info {};
    if (folder < 0 || ::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return std::nullopt;
    }
    return FileVersion::of(info);
}

} // namespace

PostUploadActions::PostUploadActions(PostUploadAction action, bool deleteAfterUpload, ProblemReporter report)
    : m_action(std::move(action))
    , m_deleteAfterUpload(deleteAfterUpload)
    , m_report(std::move(report))
    , m_scripts(m_action.kind() == PostUploadAction::Kind::runScript
                    ? std::make_shared<ScriptRunner>(m_action.path())
                    : nullptr)
{}

std::optional<FileVersion> PostUploadActions::currentVersion(const QString& path, const WatchedTree& tree)
{
    struct stat info {};
    if (tree.stat(path, info) != 0) {
        return std::nullopt;
    }
    return FileVersion::of(info);
}

PostUploadActions::Outcome PostUploadActions::run(const QString& path, const FileVersion& sent,
                                                  const WatchedTree& tree) const
{
    // The server holds the version that was sent. A file saved again since then is not that version: moving,
    // handing over or deleting it would lose the newer one, so it stays and goes up again.
    const std::optional<FileVersion> now = currentVersion(path, tree);
    if (now && !isSent(now, sent)) {
        return Outcome::changedSinceUpload;
    }
    switch (m_action.kind()) {
    case PostUploadAction::Kind::moveToArchive:
        if (now) {
            if (const std::optional<QString> problem = moveIntoFolder(path, m_action.path(), sent, tree)) {
                if (m_report) {
                    m_report(*problem);
                }
            }
        }
        break;
    case PostUploadAction::Kind::runScript:
        m_scripts->run(path);
        break;
    case PostUploadAction::Kind::none:
        break;
    }
    if (m_deleteAfterUpload) {
        // Checked again at the last moment, on the folder the removal goes through: a script or a save may
        // have changed the file meanwhile.
        const WatchedTree::Parent parent = tree.openParent(path);
        const std::optional<FileVersion> latest = versionAt(parent.folder.get(), parent.name);
        if (latest && isSent(latest, sent)) {
            ::unlinkat(parent.folder.get(), parent.name.constData(), 0);
        } else if (latest) {
            return Outcome::changedSinceUpload;
        }
    }
    return Outcome::done;
}

std::optional<QString> PostUploadActions::moveIntoFolder(const QString& path, const QString& folder,
                                                         const FileVersion& sent, const WatchedTree& tree)
{
    const QString name = FileName::displayName(QFileInfo(path).fileName());
    const auto notArchived = [&](const QString& why) {
        return tr("%1 stays in place, not moved to the archive: %2").arg(name, why);
    };
    const QByteArray folderBytes = FileName::encode(folder);
    const FileDescriptor archive(
        folder.isEmpty() ? -1 : ::open(folderBytes.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!archive.isValid()) {
        return notArchived(tr("the archive folder %1 does not exist").arg(folder));
    }
    if (::access(folderBytes.constData(), W_OK | X_OK) != 0) {
        return notArchived(tr("the archive folder %1 is not writable (%2)").arg(folder, errorText(errno)));
    }
    const WatchedTree::Parent source = tree.openParent(path);
    if (!source.folder.isValid()) {
        return notArchived(errorText(errno));
    }
    const QByteArray& target = source.name;
    struct stat targetInfo {};
    if (::fstatat(archive.get(), target.constData(), &targetInfo, AT_SYMLINK_NOFOLLOW) == 0) {
        return std::nullopt; // an item of that name is already archived: the file stays
    }

    const int renamed = renameNoReplace(source.folder.get(), source.name, archive.get(), target);
    if (renamed == 0 || renamed == EEXIST) {
        return std::nullopt;
    }
    if (renamed != EXDEV) {
        return notArchived(errorText(renamed));
    }

    // Another file system: a copy under a name no scan or watcher takes up, flushed, then renamed into
    // place, so the archive never shows a partial file under the real name (disk full, a kill mid-copy).
    const QByteArray temp = "." + target + ".ondrix-partial";
    ::unlinkat(archive.get(), temp.constData(), 0); // left by an earlier copy that was cut short
    // Opened like an upload: no waiting for a writer of a named pipe swapped in, and only a regular file.
    FileDescriptor input(::openat(source.folder.get(), source.name.constData(),
                                  O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!input.isValid() || ::fstat(input.get(), &info) != 0) {
        return notArchived(errorText(errno));
    }
    if (!S_ISREG(info.st_mode) || (sent.isValid() && !(FileVersion::of(info) == sent))) {
        return std::nullopt; // changed since it was sent; the engine offers it again
    }
    ::fcntl(input.get(), F_SETFL, 0);
    if (const int error = copyToDisk(input.get(), info, archive.get(), temp); error != 0) {
        ::unlinkat(archive.get(), temp.constData(), 0);
        return notArchived(errorText(error));
    }
    struct stat after {};
    if (::fstat(input.get(), &after) != 0 || !(FileVersion::of(after) == FileVersion::of(info))) {
        ::unlinkat(archive.get(), temp.constData(), 0); // written to while it was copied: it may mix versions
        return std::nullopt;
    }
    if (const int error = renameNoReplace(archive.get(), temp, archive.get(), target); error != 0) {
        ::unlinkat(archive.get(), temp.constData(), 0);
        return error == EEXIST ? std::nullopt : std::optional<QString>(notArchived(errorText(error)));
    }
    syncFolder(archive.get());
    if (const auto now = versionAt(source.folder.get(), source.name); now && *now == FileVersion::of(info)) {
        ::unlinkat(source.folder.get(), source.name.constData(), 0);
    }
    return std::nullopt;
}

} // namespace ondrix
