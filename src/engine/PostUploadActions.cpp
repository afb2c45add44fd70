#include "engine/PostUploadActions.h"

#include "platform/FileName.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

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

LocalFileVersion versionOf(const struct stat& info)
{
    LocalFileVersion version;
    version.size = qint64(info.st_size);
    version.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + qint64(info.st_mtim.tv_nsec);
    version.device = quint64(info.st_dev);
    version.inode = quint64(info.st_ino);
    return version;
}

bool isSent(const std::optional<LocalFileVersion>& now, const LocalFileVersion& sent)
{
    return !sent.isValid() || (now && *now == sent);
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

// Renames without ever replacing an existing item; EEXIST when the name is taken.
int renameNoReplace(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // File systems without the flag: a hard link fails on a taken name, then the old name goes.
    if (::link(from.constData(), to.constData()) != 0) {
        return errno;
    }
    ::unlink(from.constData());
    return 0;
}

// Copies `source` (open, at `sent`) to `temp`, flushed to disk, with the source's mode and dates. 0 or errno.
int copyToDisk(int source, const struct stat& info, const QByteArray& temp)
{
    Descriptor target{::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600)};
    if (target.fd < 0) {
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
            const ssize_t put = ::write(target.fd, buffer + done, size_t(got - done));
            if (put < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return errno;
            }
            done += put;
        }
    }
    ::fchmod(target.fd, info.st_mode & 07777);
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    ::futimens(target.fd, times);
    if (::fsync(target.fd) != 0) {
        return errno;
    }
    const int fd = target.fd;
    target.fd = -1;
    return ::close(fd) == 0 ? 0 : errno;
}

void syncFolder(const QByteArray& folder)
{
    Descriptor dir{::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) {
        ::fsync(dir.fd);
    }
}

} // namespace

PostUploadActions::PostUploadActions(PostUploadAction action, bool deleteAfterUpload, ProblemReporter report)
    : m_action(std::move(action))
    , m_deleteAfterUpload(deleteAfterUpload)
    , m_report(std::move(report))
{}

std::optional<LocalFileVersion> PostUploadActions::currentVersion(const QString& path)
{
    struct stat info {};
    if (::lstat(FileName::encode(path).constData(), &info) != 0) {
        return std::nullopt;
    }
    return versionOf(info);
}

PostUploadActions::Outcome PostUploadActions::run(const QString& path, const LocalFileVersion& sent) const
{
    // The server holds the version that was sent. A file saved again since then is not that version: moving,
    // handing over or deleting it would lose the newer one, so it stays and goes up again.
    const std::optional<LocalFileVersion> now = currentVersion(path);
    if (now && !isSent(now, sent)) {
        return Outcome::changedSinceUpload;
    }
    switch (m_action.kind()) {
    case PostUploadAction::Kind::moveToArchive:
        if (now) {
            if (const std::optional<QString> problem = moveIntoFolder(path, m_action.path(), sent)) {
                if (m_report) {
                    m_report(*problem);
                }
            }
        }
        break;
    case PostUploadAction::Kind::runScript:
        QProcess::startDetached(m_action.path(), {path});
        break;
    case PostUploadAction::Kind::none:
        break;
    }
    if (m_deleteAfterUpload) {
        // Checked again at the last moment: a script or a save may have changed the file meanwhile.
        if (const auto latest = currentVersion(path); latest && isSent(latest, sent)) {
            QFile::remove(path);
        } else if (latest) {
            return Outcome::changedSinceUpload;
        }
    }
    return Outcome::done;
}

std::optional<QString> PostUploadActions::moveIntoFolder(const QString& path, const QString& folder,
                                                         const LocalFileVersion& sent)
{
    const QString name = QFileInfo(path).fileName();
    const auto notArchived = [&](const QString& why) {
        return tr("%1 stays in place, not moved to the archive: %2").arg(name, why);
    };
    const QByteArray folderBytes = FileName::encode(folder);
    struct stat folderInfo {};
    if (folder.isEmpty() || ::stat(folderBytes.constData(), &folderInfo) != 0 ||
        !S_ISDIR(folderInfo.st_mode)) {
        return notArchived(tr("the archive folder %1 does not exist").arg(folder));
    }
    if (::access(folderBytes.constData(), W_OK | X_OK) != 0) {
        return notArchived(tr("the archive folder %1 is not writable (%2)").arg(folder, errorText(errno)));
    }
    const QByteArray source = FileName::encode(path);
    const QByteArray target = folderBytes + '/' + FileName::encode(name);
    struct stat targetInfo {};
    if (::lstat(target.constData(), &targetInfo) == 0) {
        return std::nullopt; // an item of that name is already archived: the file stays
    }

    const int renamed = renameNoReplace(source, target);
    if (renamed == 0 || renamed == EEXIST) {
        return std::nullopt;
    }
    if (renamed != EXDEV) {
        return notArchived(errorText(renamed));
    }

    // Another file system: a copy under a name no scan or watcher takes up, flushed, then renamed into
    // place, so the archive never shows a partial file under the real name (disk full, a kill mid-copy).
    const QByteArray temp = folderBytes + "/." + FileName::encode(name) + ".ondrix-partial";
    ::unlink(temp.constData()); // left by an earlier copy that was cut short
    Descriptor input{::open(source.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC)};
    struct stat info {};
    if (input.fd < 0 || ::fstat(input.fd, &info) != 0) {
        return notArchived(errorText(errno));
    }
    if (sent.isValid() && !(versionOf(info) == sent)) {
        return std::nullopt; // changed since it was sent; the engine offers it again
    }
    if (const int error = copyToDisk(input.fd, info, temp); error != 0) {
        ::unlink(temp.constData());
        return notArchived(errorText(error));
    }
    struct stat after {};
    if (::fstat(input.fd, &after) != 0 || !(versionOf(after) == versionOf(info))) {
        ::unlink(temp.constData()); // written to while it was copied: the copy may mix two versions
        return std::nullopt;
    }
    if (const int error = renameNoReplace(temp, target); error != 0) {
        ::unlink(temp.constData());
        return error == EEXIST ? std::nullopt : std::optional<QString>(notArchived(errorText(error)));
    }
    syncFolder(folderBytes);
    if (const auto now = currentVersion(path); now && *now == versionOf(info)) {
        ::unlink(source.constData());
    }
    return std::nullopt;
}

} // namespace ondrix
