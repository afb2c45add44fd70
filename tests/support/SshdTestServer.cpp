#include "support/SshdTestServer.h"

#include "support/SftpTestServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

#include <stdexcept>

namespace ondrix::test {

namespace {

const QString kSshd = QStringLiteral("/usr/sbin/sshd");

QString currentUser()
{
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr ? QString::fromLocal8Bit(entry->pw_name)
                            : QString::fromLocal8Bit(qgetenv("USER"));
}

void copyWithMode(const QString& from, const QString& to, QFile::Permissions mode)
{
    QFile::remove(to);
    if (!QFile::copy(from, to) || !QFile::setPermissions(to, mode)) {
        throw std::runtime_error("cannot copy " + from.toStdString());
    }
}

} // namespace

bool SshdTestServer::isAvailable()
{
    return QFileInfo(kSshd).isExecutable();
}

void SshdTestServer::start()
{
    if (getuid() == 0) {
        // sshd running as root insists on its privilege separation folder; Debian makes it only when the
        // system's ssh service starts.
        QDir().mkpath(QStringLiteral("/run/sshd"));
    }
    // sshd refuses a host key that others may read; the checked-out copy is world-readable.
    const QString hostKey = m_process.filePath(QStringLiteral("host_key"));
    copyWithMode(m_hostKeyFile.isEmpty() ? testCertificatePath(QStringLiteral("ssh_host_key_a"))
                                         : m_hostKeyFile,
                 hostKey, QFile::ReadOwner | QFile::WriteOwner);
    const QString authorizedKeys = m_process.filePath(QStringLiteral("authorized_keys"));
    copyWithMode(testCertificatePath(QStringLiteral("client_key.pub")), authorizedKeys,
                 QFile::ReadOwner | QFile::WriteOwner);

    const QString config = m_process.filePath(QStringLiteral("sshd_config"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(
            QStringLiteral("ListenAddress 127.0.0.1\nHostKey %1\nAuthorizedKeysFile %2\nPidFile none\n"
                           "UsePAM no\nUseDNS no\nStrictModes no\nPubkeyAuthentication yes\n"
                           "PasswordAuthentication no\nKbdInteractiveAuthentication no\n"
                           "PermitRootLogin prohibit-password\nMaxStartups 100:30:200\nMaxSessions 100\n"
                           "Subsystem sftp internal-sftp\nLogLevel ERROR\n")
                .arg(hostKey, authorizedKeys)
                .toUtf8()) < 0) {
        throw std::runtime_error("cannot write sshd_config");
    }
    file.close();
    // sshd cannot pick its own port; a port that was just free is taken, and another is tried if it was
    // grabbed in between.
    for (int attempt = 0;; ++attempt) {
        m_port = freeLoopbackPort();
        try {
            m_process.startProgram(kSshd,
                                   {QStringLiteral("-D"), QStringLiteral("-e"), QStringLiteral("-f"), config,
                                    QStringLiteral("-p"), QString::number(m_port)},
                                   m_port);
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
    PushConnection connection;
    connection.name = QStringLiteral("Test sshd");
    connection.transferProtocol = TransferProtocol::sftp;
    connection.host = QStringLiteral("127.0.0.1");
    connection.port = m_port;
    connection.username = currentUser();
    connection.sshKeyPath = SftpTestServer::clientKeyFile();
    connection.remoteFolder = rootDir();
    return connection;
}

} // namespace ondrix::test
