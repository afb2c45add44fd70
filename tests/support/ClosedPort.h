#pragma once

#include <QtGlobal>

#include <netinet/in.h>
#include <unistd.h>

namespace ondrix::test {

// A loopback port that is bound, so no other test can take it, but never listens: connecting to it is
// refused at once. Once closed, it is a free port for a server that cannot pick its own.
class ClosedPort {
public:
    ClosedPort()
    {
        sockaddr_in address{
            .sin_family = AF_INET, .sin_port = 0, .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
        socklen_t length = sizeof address;
        bind(m_fd, reinterpret_cast<sockaddr*>(&address), length);
        getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
    }
    ~ClosedPort() { close(m_fd); }
    ClosedPort(const ClosedPort&) = delete;
    ClosedPort& operator=(const ClosedPort&) = delete;
    quint16 port() const { return m_port; }

private:
    int m_fd = socket(AF_INET, SOCK_STREAM, 0);
    quint16 m_port = 0;
};

} // namespace ondrix::test
