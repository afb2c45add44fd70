#include "platform/ReadLease.h"

#include "platform/FileDescriptor.h"
#include "platform/FileName.h"
#include "platform/WatchedTree.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace ondrix {

ReadLease::ReadLease(int fd)
    : m_fd(fd)
{
    if (::fcntl(fd, F_SETSIG, SIGURG) != 0) {
        m_error = errno;
        return;
    }
    if (::fcntl(fd, F_SETLEASE, F_RDLCK) == 0) {
        m_state = State::held;
    } else if (errno == EAGAIN) {
        m_state = State::openForWriting;
    } else {
        m_error = errno;
    }
}

ReadLease::~ReadLease()
{
    if (m_state == State::held) {
        ::fcntl(m_fd, F_SETLEASE, F_UNLCK);
    }
}

bool ReadLease::isIntact() const
{
    return m_state != State::held || ::fcntl(m_fd, F_GETLEASE) == F_RDLCK;
}

bool ReadLease::isOpenForWriting(const QString& path, const WatchedTree* tree)
{
    // Not following a link, and not waiting on a named pipe.
    const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    const FileDescriptor file = tree != nullptr
                                    ? tree->open(path, flags)
                                    : FileDescriptor(::open(FileName::encode(path).constData(), flags));
    if (!file.isValid()) {
        return false;
    }
    const ReadLease lease(file.get());
    return lease.state() == State::openForWriting;
}

} // namespace ondrix
