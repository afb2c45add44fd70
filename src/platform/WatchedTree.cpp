#include "platform/WatchedTree.h"

#include "platform/FileName.h"

#include <QDir>

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace ondrix {

namespace {

// Whether the kernel has openat2; learnt from the first call that returns ENOSYS.
std::atomic_bool s_kernelResolves{true};

// A rename elsewhere in the tree while openat2 resolves makes it give up with EAGAIN; it is asked again.
constexpr int kResolveAttempts = 8;

int openBeneath(int from, const char* relative, int flags, mode_t mode)
{
    open_how how{};
    how.flags = quint64(flags);
    how.mode = (flags & O_CREAT) != 0 ? mode : 0;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
    for (int attempt = 0; attempt < kResolveAttempts; ++attempt) {
        const long fd = ::syscall(SYS_openat2, from, relative, &how, sizeof how);
        if (fd >= 0 || errno != EAGAIN) {
            return int(fd);
        }
    }
    return -1;
}

// ELOOP for a component that is a link, so both ways of resolving say the same.
void explainNotFolder(int folder, const QByteArray& name)
{
    struct stat info {};
    if (::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(info.st_mode)) {
        errno = ELOOP;
    } else {
        errno = ENOTDIR;
    }
}

} // namespace

WatchedTree::WatchedTree(const QString& root, Resolution resolution)
    : m_rootPath(QDir::cleanPath(root))
    , m_resolution(resolution)
{
    if (!m_rootPath.startsWith(QLatin1Char('/'))) {
        m_error = EINVAL;
        return;
    }
    const FileDescriptor top(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!top.isValid()) {
        m_error = errno;
        return;
    }
    // The path was resolved when the folder was chosen: a link on it now was swapped in since.
    const QByteArray below = FileName::encode(m_rootPath).mid(1);
    m_root = below.isEmpty() ? FileDescriptor(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC))
                             : resolve(top.get(), below, O_PATH | O_DIRECTORY, 0);
    m_error = m_root.isValid() ? 0 : errno;
}

std::optional<QByteArray> WatchedTree::relative(const QString& path) const
{
    const QString clean = QDir::cleanPath(path);
    if (clean == m_rootPath) {
        return QByteArray(".");
    }
    const qsizetype skip = m_rootPath == u"/" ? 1 : m_rootPath.size() + 1;
    if (!clean.startsWith(m_rootPath) || clean.size() <= skip || clean.at(skip - 1) != QLatin1Char('/')) {
        return std::nullopt;
    }
    return FileName::encode(QStringView(clean).mid(skip));
}

FileDescriptor WatchedTree::open(const QString& path, int flags, mode_t mode) const
{
    const std::optional<QByteArray> below = relative(path);
    if (!below) {
        errno = EXDEV;
        return {};
    }
    return openRelative(*below, flags, mode);
}

FileDescriptor WatchedTree::openRelative(const QByteArray& relative, int flags, mode_t mode) const
{
    if (!m_root.isValid()) {
        errno = EBADF;
        return {};
    }
    return resolve(m_root.get(), relative, flags, mode);
}

FileDescriptor WatchedTree::resolve(int from, const QByteArray& relative, int flags, mode_t mode) const
{
    flags |= O_NOFOLLOW | O_CLOEXEC;
    if (m_resolution == Resolution::automatic && s_kernelResolves.load(std::memory_order_relaxed)) {
        const int fd = openBeneath(from, relative.constData(), flags, mode);
        if (fd < 0 && errno == ENOTDIR && (flags & O_DIRECTORY) != 0) {
            // A folder asked for and a link found at the end of the path: a link, as for the other steps.
            const FileDescriptor found(
                openBeneath(from, relative.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC, 0));
            struct stat info {};
            errno = found.isValid() && ::fstat(found.get(), &info) == 0 && S_ISLNK(info.st_mode) ? ELOOP
                                                                                                 : ENOTDIR;
            return {};
        }
        if (fd >= 0 || errno != ENOSYS) {
            return FileDescriptor(fd);
        }
        s_kernelResolves = false;
    }
    // One component at a time, each folder opened without following a link, never above `from`.
    const QList<QByteArray> parts = relative.split('/');
    FileDescriptor current;
    int at = from;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const QByteArray& part = parts.at(i);
        if (part.isEmpty() || part == ".") {
            continue;
        }
        if (part == "..") {
            errno = EXDEV;
            return {};
        }
        FileDescriptor next(::openat(at, part.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.isValid()) {
            if (errno == ENOTDIR) {
                explainNotFolder(at, part);
            }
            return {};
        }
        current = std::move(next);
        at = current.get();
    }
    const QByteArray last =
        parts.isEmpty() || parts.constLast().isEmpty() ? QByteArray(".") : parts.constLast();
    if (last == "..") {
        errno = EXDEV;
        return {};
    }
    FileDescriptor opened(::openat(at, last.constData(), flags, mode));
    if (!opened.isValid() && errno == ENOTDIR && (flags & O_DIRECTORY) != 0) {
        explainNotFolder(at, last);
    }
    return opened;
}

WatchedTree::Parent WatchedTree::openParent(const QString& path) const
{
    const std::optional<QByteArray> below = relative(path);
    if (!below || *below == ".") {
        errno = EXDEV;
        return {};
    }
    const qsizetype slash = below->lastIndexOf('/');
    Parent parent;
    parent.name = slash < 0 ? *below : below->mid(slash + 1);
    parent.folder = openRelative(slash < 0 ? QByteArray(".") : below->left(slash), O_PATH | O_DIRECTORY);
    return parent;
}

int WatchedTree::stat(const QString& path, struct stat& info) const
{
    if (relative(path) == QByteArray(".")) {
        return ::fstat(m_root.get(), &info) == 0 ? 0 : errno;
    }
    const Parent parent = openParent(path);
    if (!parent.folder.isValid()) {
        return errno;
    }
    return ::fstatat(parent.folder.get(), parent.name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 ? 0
                                                                                                    : errno;
}

int WatchedTree::unlink(const QString& path) const
{
    const Parent parent = openParent(path);
    if (!parent.folder.isValid()) {
        return errno;
    }
    return ::unlinkat(parent.folder.get(), parent.name.constData(), 0) == 0 ? 0 : errno;
}

} // namespace ondrix
