#pragma once

#include "model/PushConnection.h"
#include "support/TestServerProcess.h"

#include <QString>

namespace ondrix::test {

// OpenSSH's sshd with a configuration of its own on a free loopback port: the real server, for figures and
// listings that must come from it. It accepts only the test client key (SftpTestServer::clientKeyFile()) for
// the user running the tests, since a password login would need a system account; and it serves the real
// file system, so remote paths are absolute local paths below rootDir(). Runs as root (with /run/sshd made)
// or as the user it serves.
class SshdTestServer {
public:
    // Whether an sshd binary is installed.
    static bool isAvailable();
    // Presents this private key file (e.g. one made by ssh-keygen -t rsa) as the only host key; call before
    // start().
    void setHostKeyFile(const QString& privateKeyFile) { m_hostKeyFile = privateKeyFile; }
    // Throws std::runtime_error when the server does not come up.
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
