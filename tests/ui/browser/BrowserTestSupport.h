#pragma once

#include "model/PushConnection.h"
#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"

#include <QDir>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

namespace ondrix::test {

// Long enough for a listing under the sanitizers on a busy machine; no test waits this long when it passes.
constexpr int kServerWaitMs = 20000;

// One of the loopback test servers, by protocol, behind one interface.
class BrowserTestServer {
public:
    // An FTP server without `machineListings` is listed with LIST, as servers without MLSD are.
    explicit BrowserTestServer(TransferProtocol protocol, bool machineListings = true);

    void stop() { m_ftp ? m_ftp->stop() : m_sftp->stop(); }
    void restart() { m_ftp ? m_ftp->restart() : m_sftp->restart(); }
    PushConnection connection() const { return m_ftp ? m_ftp->connection() : m_sftp->connection(); }
    QString rootDir() const { return m_ftp ? m_ftp->rootDir() : m_sftp->rootDir(); }
    // Creates a folder (with parents) or a file of `size` bytes below the served root.
    void makeFolder(const QString& path) const { QDir().mkpath(rootDir() + path); }
    void makeFile(const QString& path, qsizetype size = 1) const;
    bool exists(const QString& path) const { return QFileInfo::exists(rootDir() + path); }

private:
    std::unique_ptr<FtpTestServer> m_ftp;
    std::unique_ptr<SftpTestServer> m_sftp;
};

// A loopback relay: hold() freezes the connections open now until release(), later ones pass freely, like a
// server that stopped answering one client but not the next.
class HoldingProxy : public QObject {
    Q_OBJECT

public:
    explicit HoldingProxy(quint16 targetPort);
    ~HoldingProxy() override;

    quint16 port() const { return m_server.serverPort(); }
    void hold();
    void release();

private:
    // The clients' sockets, each the parent of its socket to the server.
    QList<QTcpSocket*> clients() const
    {
        return m_server.findChildren<QTcpSocket*>(Qt::FindDirectChildrenOnly);
    }

    quint16 m_targetPort;
    QTcpServer m_server;
};

} // namespace ondrix::test
