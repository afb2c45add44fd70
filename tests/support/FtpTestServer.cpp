#include "support/FtpTestServer.h"

namespace ondrix::test {

void FtpTestServer::start(const FtpServerOptions& options)
{
    m_options = options;
    launch(0);
}

void FtpTestServer::launch(quint16 port)
{
    QStringList arguments{QStringLiteral("--user"), m_options.user,          QStringLiteral("--password"),
                          m_options.password,       QStringLiteral("--log"), logFile()};
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
    m_port = m_process.start(QStringLiteral("ftp_server.py"), port, arguments);
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
