#include "support/SftpTestServer.h"

using namespace Qt::StringLiterals;

namespace ondrix::test {

const QString kUser = u"ondrix"_s;
const QString kPassword = u"secret"_s;

void SftpTestServer::launch(quint16 port)
{
    const QString hostKey = m_secondHostKey ? u"ssh_host_key_b"_s : u"ssh_host_key_a"_s;
    m_port = m_process.start(u"sftp_server.py"_s, port,
                             {u"--user"_s, kUser, u"--password"_s, kPassword, u"--host-key"_s,
                              testCertificatePath(hostKey), u"--authorized-key"_s,
                              testCertificatePath(u"client_key.pub"_s)});
}

PushConnection SftpTestServer::connection() const
{
    PushConnection connection;
    connection.name = u"Test SFTP"_s;
    connection.transferProtocol = TransferProtocol::sftp;
    connection.host = u"127.0.0.1"_s;
    connection.port = m_port;
    connection.username = kUser;
    connection.password = kPassword;
    return connection;
}

QString SftpTestServer::clientKeyFile()
{
    return testCertificatePath(u"client_key"_s);
}

} // namespace ondrix::test
