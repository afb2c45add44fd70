#include "BrowserTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpSocket>

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
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QByteArray(size, 'x'));
    }
}

HoldingProxy::HoldingProxy(quint16 targetPort)
    : m_targetPort(targetPort)
{
    connect(&m_server, &QTcpServer::newConnection, this, &HoldingProxy::accept);
    m_server.listen(QHostAddress::LocalHost);
}

HoldingProxy::~HoldingProxy()
{
    for (const auto& pipe : m_pipes) {
        pipe->client->disconnect(this);
        pipe->upstream->disconnect(this);
        delete pipe->client;
        delete pipe->upstream;
    }
}

void HoldingProxy::accept()
{
    while (QTcpSocket* client = m_server.nextPendingConnection()) {
        client->setParent(nullptr);
        auto pipe = std::make_shared<Pipe>(Pipe{client, new QTcpSocket, false, {}, {}});
        m_pipes << pipe;
        connect(client, &QTcpSocket::readyRead, this, [this, pipe] {
            pipe->toUpstream += pipe->client->readAll();
            flush(pipe);
        });
        connect(pipe->upstream, &QTcpSocket::readyRead, this, [this, pipe] {
            pipe->toClient += pipe->upstream->readAll();
            flush(pipe);
        });
        connect(pipe->upstream, &QTcpSocket::connected, this, [this, pipe] { flush(pipe); });
        connect(client, &QTcpSocket::disconnected, pipe->upstream, &QTcpSocket::disconnectFromHost);
        connect(pipe->upstream, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
        pipe->upstream->connectToHost(QHostAddress::LocalHost, m_targetPort);
    }
}

void HoldingProxy::flush(const std::shared_ptr<Pipe>& pipe)
{
    if (pipe->held || pipe->upstream->state() != QAbstractSocket::ConnectedState) {
        return;
    }
    if (!pipe->toUpstream.isEmpty()) {
        pipe->upstream->write(pipe->toUpstream);
        pipe->toUpstream.clear();
    }
    if (!pipe->toClient.isEmpty()) {
        pipe->client->write(pipe->toClient);
        pipe->toClient.clear();
    }
}

void HoldingProxy::hold()
{
    for (const auto& pipe : m_pipes) {
        pipe->held = true;
    }
}

void HoldingProxy::release()
{
    for (const auto& pipe : m_pipes) {
        pipe->held = false;
        flush(pipe);
    }
}

} // namespace ondrix::test
