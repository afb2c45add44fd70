#include "support/SftpTestServer.h"

#include <QDir>

#include <stdexcept>

namespace ondrix::test {

namespace {
const QString kUser = QStringLiteral("ondrix");
const QString kPassword = QStringLiteral("secret");
} // namespace

SftpTestServer::SftpTestServer()
{
    if (!m_dir.isValid()) {
        throw std::runtime_error("cannot create a temporary directory for the SFTP server");
    }
    QDir().mkpath(rootDir());
}

SftpTestServer::~SftpTestServer()
{
    stop();
}

void SftpTestServer::start()
{
    launch(0);
}

void SftpTestServer::stop()
{
    m_process.stop();
}

void SftpTestServer::restart()
{
    stop();
    launch(m_port);
}

void SftpTestServer::replaceHostKey()
{
    m_secondHostKey = !m_secondHostKey;
    restart();
}

void SftpTestServer::launch(quint16 port)
{
    const QStringList arguments{QStringLiteral("--root"),
                                rootDir(),
                                QStringLiteral("--user"),
                                kUser,
                                QStringLiteral("--password"),
                                kPassword,
                                QStringLiteral("--port"),
                                QString::number(port),
                                QStringLiteral("--host-key"),
                                testCertificatePath(m_secondHostKey ? QStringLiteral("ssh_host_key_b")
                                                                    : QStringLiteral("ssh_host_key_a")),
                                QStringLiteral("--authorized-key"),
                                testCertificatePath(QStringLiteral("client_key.pub")),
                                QStringLiteral("--received-log"),
                                m_dir.filePath(QStringLiteral("received.log"))};
    m_port = m_process.start(QStringLiteral("sftp_server.py"), arguments,
                             m_dir.filePath(QStringLiteral("stderr")));
}

QList<qint64> SftpTestServer::receivedUploads() const
{
    return receivedByteCounts(m_dir.filePath(QStringLiteral("received.log")));
}

QString SftpTestServer::rootDir() const
{
    return m_dir.filePath(QStringLiteral("root"));
}

PushConnection SftpTestServer::connection() const
{
    PushConnection connection;
    connection.name = QStringLiteral("Test SFTP");
    connection.transferProtocol = TransferProtocol::sftp;
    connection.host = QStringLiteral("127.0.0.1");
    connection.port = m_port;
    connection.username = kUser;
    connection.password = kPassword;
    return connection;
}

QString SftpTestServer::clientKeyFile()
{
    return testCertificatePath(QStringLiteral("client_key"));
}

} // namespace ondrix::test
