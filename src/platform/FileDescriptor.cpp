#include "platform/FileDescriptor.h"

#include <unistd.h>

namespace ondrix {

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
    m_fd = fd;
}

} // namespace ondrix
