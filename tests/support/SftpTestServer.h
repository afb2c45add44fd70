#pragma once

#include "model/PushConnection.h"
#include "support/TestServerProcess.h"

#include <QString>

namespace ondrix::test {

// A real SFTP server (paramiko) on a free loopback port serving a fresh folder as "/"; it takes the password
// and the test client key and presents one of two host keys, so a test can make the key change.
class SftpTestServer {
public:
    void start() { launch(0); }
    void stop() { m_process.stop(); }
    void restart() { launch(m_port); }
    // Restarts on the same port presenting the other host key.
    void replaceHostKey()
    {
        m_secondHostKey = !m_secondHostKey;
        restart();
    }
    void setFrozen(bool frozen) { m_process.setFrozen(frozen); }

    quint16 port() const { return m_port; }
    QString rootDir() const { return m_process.rootDir(); }
    // The bytes written through each file handle that was closed, oldest first (all runs).
    QList<qint64> receivedUploads() const { return m_process.receivedByteCounts(); }

    PushConnection connection() const;
    // The private key (PEM) whose public half the server accepts.
    static QString clientKeyFile();

private:
    void launch(quint16 port);

    TestServerProcess m_process;
    quint16 m_port = 0;
    bool m_secondHostKey = false;
};

} // namespace ondrix::test
