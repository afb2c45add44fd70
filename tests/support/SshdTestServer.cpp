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

SshdTestServer::SshdTestServer()
{
    if (!m_dir.isValid()) {
        throw std::runtime_error("cannot create a temporary directory for sshd");
    }
    QDir().mkpath(rootDir());
}

SshdTestServer::~SshdTestServer()
{
    stop();
}

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
    const QString hostKey = m_dir.filePath(QStringLiteral("host_key"));
    copyWithMode(m_hostKeyFile.isEmpty() ? testCertificatePath(QStringLiteral("ssh_host_key_a"))
                                         : m_hostKeyFile,
                 hostKey, QFile::ReadOwner | QFile::WriteOwner);
    const QString authorizedKeys = m_dir.filePath(QStringLiteral("authorized_keys"));
    copyWithMode(testCertificatePath(QStringLiteral("client_key.pub")), authorizedKeys,
                 QFile::ReadOwner | QFile::WriteOwner);

    // sshd cannot pick its own port; a port that was just free is taken, and another is tried if it was
    // grabbed in between.
    for (int attempt = 0;; ++attempt) {
        m_port = freeLoopbackPort();
        const QString config = m_dir.filePath(QStringLiteral("sshd_config"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            throw std::runtime_error("cannot write sshd_config");
        }
        file.write(QStringLiteral("Port %1\n"
                                  "ListenAddress 127.0.0.1\n"
                                  "HostKey %2\n"
                                  "AuthorizedKeysFile %3\n"
                                  "PidFile none\n"
                                  "UsePAM no\n"
                                  "UseDNS no\n"
                                  "StrictModes no\n"
                                  "PubkeyAuthentication yes\n"
                                  "PasswordAuthentication no\n"
                                  "KbdInteractiveAuthentication no\n"
                                  "PermitRootLogin prohibit-password\n"
                                  "MaxStartups 100:30:200\n"
                                  "MaxSessions 100\n"
                                  "Subsystem sftp internal-sftp\n"
                                  "LogLevel ERROR\n")
                       .arg(m_port)
                       .arg(hostKey, authorizedKeys)
                       .toUtf8());
        file.close();
        try {
            m_process.startProgram(kSshd,
                                   {QStringLiteral("-D"), QStringLiteral("-e"), QStringLiteral("-f"), config},
                                   m_dir.filePath(QStringLiteral("stderr")), m_port);
            return;
        } catch (const std::runtime_error&) {
            if (attempt == 2) {
                throw;
            }
        }
    }
}

void SshdTestServer::stop()
{
    m_process.stop();
}

QString SshdTestServer::rootDir() const
{
    return m_dir.filePath(QStringLiteral("root"));
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
