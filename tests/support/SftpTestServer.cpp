#include "support/SftpTestServer.h"

namespace ondrix::test {

namespace {
const QString kUser = QStringLiteral("ondrix");
const QString kPassword = QStringLiteral("secret");
} // namespace

void SftpTestServer::replaceHostKey()
{
    m_secondHostKey = !m_secondHostKey;
    restart();
}

void SftpTestServer::launch(quint16 port)
{
    const QString hostKey =
        m_secondHostKey ? QStringLiteral("ssh_host_key_b") : QStringLiteral("ssh_host_key_a");
    m_port = m_process.start(QStringLiteral("sftp_server.py"), port,
                             {QStringLiteral("--user"), kUser, QStringLiteral("--password"), kPassword,
                              QStringLiteral("--host-key"), testCertificatePath(hostKey),
                              QStringLiteral("--authorized-key"),
                              testCertificatePath(QStringLiteral("client_key.pub"))});
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
