#include "app/InstanceLock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace ondrix {

InstanceLock::InstanceLock(const QString& path)
    : m_lock(path)
{
    // A lock whose owner is gone is taken over however young it is.
    m_lock.setStaleLockTime(0);
}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0) {
        ::unlink(QFile::encodeName(m_lock.fileName()).constData());
        ::close(m_fd);
    }
}

bool InstanceLock::tryLock()
{
    if (m_lock.tryLock(0)) {
        return true;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        // The file could be made but not written (QLockFile removed it again): the disk is full.
        return lockWithoutContents();
    }
    // QLockFile takes over a lock whose recorded owner is gone; one without a recorded owner is taken over
    // once nobody holds it.
    if (ownerProcess() != 0 || isHeld()) {
        return false;
    }
    QFile::remove(m_lock.fileName());
    return m_lock.tryLock(0) || (m_lock.error() != QLockFile::LockFailedError && lockWithoutContents());
}

qint64 InstanceLock::ownerProcess() const
{
    if (m_fd >= 0) {
        return ::getpid();
    }
    qint64 pid = 0;
    QString host;
    QString application;
    return m_lock.getLockInfo(&pid, &host, &application) ? pid : 0;
}

bool InstanceLock::isHeld() const
{
    const int fd = ::open(QFile::encodeName(m_lock.fileName()).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

bool InstanceLock::lockWithoutContents()
{
    const QByteArray path = QFile::encodeName(m_lock.fileName());
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    // Recorded where there is room after all; a lock without it is held all the same.
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    [[maybe_unused]] const ssize_t written = ::write(fd, pid.constData(), size_t(pid.size()));
    return true;
}

} // namespace ondrix
