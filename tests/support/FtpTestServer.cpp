#include "support/FtpTestServer.h"

using namespace Qt::StringLiterals;

namespace ondrix::test {

void FtpTestServer::start(const FtpServerOptions& options)
{
    m_options = options;
    launch(0);
}

void FtpTestServer::launch(quint16 port)
{
    QStringList arguments{u"--user"_s,        m_options.user, u"--password"_s,
                          m_options.password, u"--log"_s,     logFile()};
    for (const auto& [on, flag] : {std::pair{!m_options.machineListings, "--no-mlsd"},
                                   {m_options.perLoginTlsSessions, "--per-login-tls-sessions"},
                                   {m_options.refuseResume, "--no-rest"},
                                   {m_options.wrongDigests, "--wrong-digests"},
                                   {m_options.floodingReplies, "--flood-replies"},
                                   {m_options.truncateUploads, "--truncate-uploads"}}) {
        if (on) {
            arguments << QString::fromLatin1(flag);
        }
    }
    for (const auto& [names, flag] : {std::pair{m_options.hashAlgorithms, u"--hash"_s},
                                      {m_options.singleChecksums, u"--single-checksums"_s}}) {
        if (!names.isEmpty()) {
            arguments << flag << names.join(u',');
        }
    }
    if (m_options.tls) {
        arguments << u"--tls"_s << u"--cert"_s << testCertificatePath(u"server.pem"_s) << u"--key"_s
                  << testCertificatePath(u"server.key"_s);
    }
    m_port = m_process.start(u"ftp_server.py"_s, port, arguments);
}

PushConnection FtpTestServer::connection() const
{
    PushConnection connection;
    connection.name = m_options.tls ? u"Test FTPS"_s : u"Test FTP"_s;
    connection.transferProtocol = m_options.tls ? TransferProtocol::ftps : TransferProtocol::ftp;
    connection.host = u"127.0.0.1"_s;
    connection.port = m_port;
    connection.username = m_options.user;
    connection.password = m_options.password;
    return connection;
}

QString FtpTestServer::caFile()
{
    return testCertificatePath(u"ca.pem"_s);
}

} // namespace ondrix::test
