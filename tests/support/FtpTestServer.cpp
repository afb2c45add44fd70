#include "support/FtpTestServer.h"

#include <QDir>

#include <stdexcept>

namespace ondrix::test {

FtpTestServer::FtpTestServer()
{
    if (!m_dir.isValid()) {
        throw std::runtime_error("cannot create a temporary directory for the FTP server");
    }
    QDir().mkpath(rootDir());
}

FtpTestServer::~FtpTestServer()
{
    stop();
}

void FtpTestServer::start(const FtpServerOptions& options)
{
    m_options = options;
    launch(0);
}

void FtpTestServer::stop()
{
    m_process.stop();
}

void FtpTestServer::restart()
{
    stop();
    launch(m_port);
}

void FtpTestServer::launch(quint16 port)
{
    QStringList arguments{QStringLiteral("--root"),         rootDir(),
                          QStringLiteral("--user"),         m_options.user,
                          QStringLiteral("--password"),     m_options.password,
                          QStringLiteral("--port"),         QString::number(port),
                          QStringLiteral("--log"),          logFile(),
                          QStringLiteral("--received-log"), m_dir.filePath(QStringLiteral("received.log"))};
    for (const auto& [on, flag] : {std::pair{!m_options.machineListings, "--no-mlsd"},
                                   {m_options.perLoginTlsSessions, "--per-login-tls-sessions"},
                                   {m_options.refuseFolders, "--refuse-folders"},
                                   {m_options.refuseResume, "--no-rest"},
                                   {m_options.wrongDigests, "--wrong-digests"},
                                   {m_options.floodingReplies, "--flood-replies"},
                                   {m_options.truncateUploads, "--truncate-uploads"}}) {
        if (on) {
            arguments << QString::fromLatin1(flag);
        }
    }
    if (!m_options.hashAlgorithms.isEmpty()) {
        arguments << QStringLiteral("--hash") << m_options.hashAlgorithms.join(QLatin1Char(','));
    }
    if (!m_options.singleChecksums.isEmpty()) {
        arguments << QStringLiteral("--single-checksums") << m_options.singleChecksums.join(QLatin1Char(','));
    }
    if (m_options.tls) {
        arguments << QStringLiteral("--tls") << QStringLiteral("--cert")
                  << testCertificatePath(QStringLiteral("server.pem")) << QStringLiteral("--key")
                  << testCertificatePath(QStringLiteral("server.key"));
    }
    m_port =
        m_process.start(QStringLiteral("ftp_server.py"), arguments, m_dir.filePath(QStringLiteral("stderr")));
}

QString FtpTestServer::rootDir() const
{
    return m_dir.filePath(QStringLiteral("root"));
}

QList<qint64> FtpTestServer::receivedUploads() const
{
    return receivedByteCounts(m_dir.filePath(QStringLiteral("received.log")));
}

QString FtpTestServer::logFile() const
{
    return m_dir.filePath(QStringLiteral("server.log"));
}

PushConnection FtpTestServer::connection() const
{
    PushConnection connection;
    connection.name = m_options.tls ? QStringLiteral("Test FTPS") : QStringLiteral("Test FTP");
    connection.transferProtocol = m_options.tls ? TransferProtocol::ftps : TransferProtocol::ftp;
    connection.host = QStringLiteral("127.0.0.1");
    connection.port = m_port;
    connection.username = m_options.user;
    connection.password = m_options.password;
    connection.ftpMode = FTPMode::passive;
    return connection;
}

QString FtpTestServer::caFile()
{
    return testCertificatePath(QStringLiteral("ca.pem"));
}

} // namespace ondrix::test
