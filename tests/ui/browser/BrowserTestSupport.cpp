#include "BrowserTestSupport.h"

#include <QFile>

namespace ondrix::test {

BrowserTestServer::BrowserTestServer(TransferProtocol protocol, bool machineListings)
{
    if (protocol == TransferProtocol::sftp) {
        m_sftp = std::make_unique<SftpTestServer>();
        m_sftp->start();
    } else {
        m_ftp = std::make_unique<FtpTestServer>();
        m_ftp->start(
            FtpServerOptions{.tls = protocol == TransferProtocol::ftps, .machineListings = machineListings});
    }
}

void BrowserTestServer::makeFile(const QString& path, qsizetype size) const
{
    makeFolder(QFileInfo(path).path());
    QFile file(rootDir() + path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray(size, 'x'));
}

namespace {

// Passes what waits on either side of a client's pipe on, unless the pipe is held.
void pass(QTcpSocket* client)
{
    auto* upstream = client->findChild<QTcpSocket*>();
    if (!client->property("held").toBool() && upstream->state() == QAbstractSocket::ConnectedState) {
        upstream->write(client->readAll());
        client->write(upstream->readAll());
    }
}

} // namespace

HoldingProxy::HoldingProxy(quint16 targetPort)
    : m_targetPort(targetPort)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* client = m_server.nextPendingConnection()) {
            auto* upstream = new QTcpSocket(client);
            const auto forward = [client] { pass(client); };
            connect(client, &QTcpSocket::readyRead, client, forward);
            connect(upstream, &QTcpSocket::readyRead, client, forward);
            connect(upstream, &QTcpSocket::connected, client, forward);
            connect(client, &QTcpSocket::disconnected, upstream, &QTcpSocket::disconnectFromHost);
            connect(upstream, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
            upstream->connectToHost(QHostAddress::LocalHost, m_targetPort);
        }
    });
    m_server.listen(QHostAddress::LocalHost);
}

HoldingProxy::~HoldingProxy()
{
    // No pipe reacts to the others' closing while the server deletes them.
    for (QTcpSocket* client : clients()) {
        client->findChild<QTcpSocket*>()->disconnect();
        client->disconnect();
    }
}

void HoldingProxy::hold()
{
    for (QTcpSocket* client : clients())
        client->setProperty("held", true);
}

void HoldingProxy::release()
{
    for (QTcpSocket* client : clients()) {
        client->setProperty("held", false);
        pass(client);
    }
}

} // namespace ondrix::test
