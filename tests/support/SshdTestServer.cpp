#include "support/SshdTestServer.h"

#include "support/ClosedPort.h"
#include "support/SftpTestServer.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace ondrix::test {

const QString kSshd = u"/usr/sbin/sshd"_s;

bool SshdTestServer::isAvailable()
{
    return QFileInfo(kSshd).isExecutable();
}

void SshdTestServer::start()
{
    if (getuid() == 0) {
        // sshd as root insists on its privilege separation folder, made only by the system's ssh service.
        QDir().mkpath(u"/run/sshd"_s);
    }
    // sshd refuses a host key that others may read; the checked-out copy is world-readable.
    const QString hostKey = m_process.filePath(u"host_key"_s);
    const QString authorizedKeys = m_process.filePath(u"authorized_keys"_s);
    for (const auto& [from, to] :
         {std::pair{m_hostKeyFile.isEmpty() ? testCertificatePath(u"ssh_host_key_a"_s) : m_hostKeyFile,
                    hostKey},
          {testCertificatePath(u"client_key.pub"_s), authorizedKeys}}) {
        QFile::setPermissions(writeFileAt(to, readFile(from)), QFile::ReadOwner | QFile::WriteOwner);
    }
    const QString config = writeFileAt(
        m_process.filePath(u"sshd_config"_s),
        QStringLiteral("ListenAddress 127.0.0.1\nHostKey %1\nAuthorizedKeysFile %2\nPidFile none\n"
                       "UsePAM no\nUseDNS no\nStrictModes no\nPubkeyAuthentication yes\n"
                       "PasswordAuthentication no\nKbdInteractiveAuthentication no\n"
                       "PermitRootLogin prohibit-password\nMaxStartups 100:30:200\nMaxSessions 100\n"
                       "Subsystem sftp internal-sftp\nLogLevel ERROR\n")
            .arg(hostKey, authorizedKeys)
            .toUtf8());
    // sshd cannot pick its own port: a port that was just free, another if it was grabbed in between.
    for (int attempt = 0;; ++attempt) {
        m_port = ClosedPort().port();
        try {
            m_process.startProgram(
                kSshd, {u"-D"_s, u"-e"_s, u"-f"_s, config, u"-p"_s, QString::number(m_port)}, m_port);
            return;
        } catch (const std::runtime_error&) {
            if (attempt == 2) {
                throw;
            }
        }
    }
}

PushConnection SshdTestServer::connection() const
{
    const passwd* user = getpwuid(getuid());
    PushConnection connection;
    connection.name = u"Test sshd"_s;
    connection.transferProtocol = TransferProtocol::sftp;
    connection.host = u"127.0.0.1"_s;
    connection.port = m_port;
    connection.username =
        QString::fromLocal8Bit(user != nullptr ? user->pw_name : qgetenv("USER").constData());
    connection.sshKeyPath = SftpTestServer::clientKeyFile();
    connection.remoteFolder = rootDir();
    return connection;
}

} // namespace ondrix::test
