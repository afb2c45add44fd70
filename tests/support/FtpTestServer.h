#pragma once

#include "model/PushConnection.h"
#include "support/TestServerProcess.h"

#include <QString>
#include <QStringList>

namespace ondrix::test {

struct FtpServerOptions {
    // Explicit FTPS on control and data connections; the certificate names localhost and 127.0.0.1.
    bool tls = false;
    // A faulty server: every stored file is cut to half its size after its transfer was acknowledged.
    bool truncateUploads = false;
    // With tls: TLS sessions are kept per login, as by a server that runs each login in its own process, and
    // a data connection that does not resume one of its own control connection's sessions is refused (522).
    bool perLoginTlsSessions = false;
    // No REST (and no "REST STREAM" in FEAT): a server that cannot resume uploads.
    bool refuseResume = false;
    // HASH (with OPTS HASH, the first selected at login) for these algorithms, and XSHA256/XSHA1/XMD5/XCRC
    // for those in singleChecksums; each listed in FEAT.
    QStringList hashAlgorithms{};
    QStringList singleChecksums{};
    // Hostile servers: every checksum answered is that of other bytes, or 2 MiB of reply lines.
    bool wrongDigests = false;
    bool floodingReplies = false;
    QString user = QStringLiteral("ondrix");
    QString password = QStringLiteral("secret");
    // MLSD; without it the server answers the command as unknown, as some servers do.
    bool machineListings = true;
};

// A real FTP or explicit FTPS server (pyftpdlib) on a free loopback port, serving a fresh temporary folder
// as the user's "/". Passive and active data connections work; each passive listener gets any free port.
class FtpTestServer {
public:
    void start(const FtpServerOptions& options = {});
    void stop() { m_process.stop(); }
    void restart() { launch(m_port); }
    void setFrozen(bool frozen) { m_process.setFrozen(frozen); }

    quint16 port() const { return m_port; }
    QString rootDir() const { return m_process.rootDir(); }
    QString logFile() const { return m_process.filePath(QStringLiteral("server.log")); }
    // The bytes each upload that ended brought over its data connection, oldest first (all runs).
    QList<qint64> receivedUploads() const { return m_process.receivedByteCounts(); }

    PushConnection connection() const;
    static QString caFile();

private:
    void launch(quint16 port);

    FtpServerOptions m_options;
    TestServerProcess m_process;
    quint16 m_port = 0;
};

} // namespace ondrix::test
