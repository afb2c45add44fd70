#pragma once

#include "model/PushConnection.h"
#include "support/TestServerProcess.h"

#include <QString>

namespace ondrix::test {

// OpenSSH's sshd on a free loopback port, taking the test client key for the current user; it serves the
// real file system, so remote paths are absolute local paths below rootDir().
class SshdTestServer {
public:
    static bool isAvailable();
    // Presents this private key file as the only host key; call before start().
    void setHostKeyFile(const QString& privateKeyFile) { m_hostKeyFile = privateKeyFile; }
    void start();
    void stop() { m_process.stop(); }

    bool isRunning() const { return m_process.isRunning(); }
    quint16 port() const { return m_port; }
    QString rootDir() const { return m_process.rootDir(); }
    // SFTP to 127.0.0.1 as the current user with the test client key; remoteFolder is rootDir().
    PushConnection connection() const;

private:
    TestServerProcess m_process;
    quint16 m_port = 0;
    QString m_hostKeyFile;
};

} // namespace ondrix::test
