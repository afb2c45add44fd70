#include "transfer/FTPUploader.h"

#include "support/ClosedPort.h"
#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "support/TestEnvironment.h"
#include "transfer/CurlHandle.h"
#include "transfer/SshKnownHosts.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;
using namespace ondrix;
using namespace ondrix::test;

namespace {

QByteArray randomBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

FTPError curlError(int code)
{
    return FTPError::curlExitCode(code, QString::fromUtf8(curl_easy_strerror(static_cast<CURLcode>(code))));
}

// Servers for the whole suite; the FTP login holds colons, and each part must reach the server whole.
struct FTPUploaderTest : ::testing::Test {
    static void SetUpTestSuite()
    {
        s_ftp = new FtpTestServer;
        s_ftp->start(FtpServerOptions{.user = u"studio:main"_s, .password = u"pass:word"_s});
        s_sftp = new SftpTestServer;
        s_sftp->start();
    }
    static void TearDownTestSuite()
    {
        delete s_ftp;
        delete s_sftp;
    }

    TestEnvironment env;
    static inline FtpTestServer* s_ftp = nullptr;
    static inline SftpTestServer* s_sftp = nullptr;
};

} // namespace

TEST_F(FTPUploaderTest, FtpsVerifiesTheServerCertificateAndRefusesActiveModeClearly)
{
    FtpTestServer server;
    server.start(FtpServerOptions{.tls = true});
    const QByteArray contents = randomBytes(200 * 1024);
    const QString local = env.writeFile(u"a.bin"_s, contents);
    PushConnection connection = server.connection();
    for (const QString& host : {u"127.0.0.1"_s, u"localhost"_s}) {
        connection.host = host;
        FTPUploader uploader(connection);
        // Only one CA file and no CA folder keeps libcurl from parsing the bundle per data connection.
        uploader.setHandleInspector([](const CurlHandle& handle) {
            EXPECT_EQ(handle.textOption(CURLOPT_CAINFO), FtpTestServer::caFile().toUtf8());
            EXPECT_EQ(handle.textOption(CURLOPT_CAPATH), QByteArray());
        });
        EXPECT_EQ(uploader.upload(local, u"/a.bin"_s), std::nullopt);
        EXPECT_EQ(readFile(server.rootDir() + u"/a.bin"_s), contents);
    }
    // Active FTPS fails with a clear error instead of hanging on the data connection; a failure before any
    // data connection keeps libcurl's own words.
    connection.ftpMode = FTPMode::active;
    const auto active = FTPUploader(connection).upload(local, u"/c.bin"_s);
    EXPECT_EQ(active.value().kind(), FTPError::Kind::curlExitCode);
    EXPECT_TRUE(active->description().contains(u"use passive mode"_s)) << qPrintable(active->description());
    connection.password = u"wrong"_s;
    EXPECT_EQ(FTPUploader(connection).upload(local, u"/b.bin"_s), curlError(CURLE_LOGIN_DENIED));
    // Without the test CA the certificate is not trusted and nothing is sent.
    env.setVariable("SSL_CERT_FILE", u"/nonexistent/ca.pem"_s);
    EXPECT_EQ(FTPUploader(connection).upload(local, u"/b.bin"_s).value().code(),
              CURLE_PEER_FAILED_VERIFICATION);
    EXPECT_FALSE(QFile::exists(server.rootDir() + u"/b.bin"_s));
}

TEST_F(FTPUploaderTest, SftpWithPasswordAndWithKeyFile)
{
    SftpTestServer& server = *s_sftp;
    // More than one of the largest reads libcurl makes for an SFTP upload.
    const QByteArray contents = randomBytes(5 * 1024 * 1024 / 2 + 7);
    const QString local = env.writeFile(u"raw.cr2"_s, contents);
    PushConnection byKey = server.connection();
    byKey.password.clear();
    byKey.sshKeyPath = SftpTestServer::clientKeyFile();
    for (const auto& [connection, remote] :
         {std::pair{server.connection(), u"/p/raw.cr2"_s}, {byKey, u"/k/raw.cr2"_s}}) {
        EXPECT_EQ(FTPUploader(connection).upload(local, remote), std::nullopt);
        EXPECT_EQ(readFile(server.rootDir() + remote), contents);
    }
    // No limit would make libcurl busy-wait for SFTP replies; the stand-in must be one libcurl takes.
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> probe(curl_easy_init(), &curl_easy_cleanup);
    EXPECT_EQ(curl_easy_setopt(probe.get(), CURLOPT_TIMEOUT, CurlHandle::kUnlimitedSftpTimeoutSeconds),
              CURLE_OK);
    // The host key was trusted on first use, under its port.
    EXPECT_TRUE(readFile(SshKnownHosts::defaultPath())
                    .startsWith(u"[127.0.0.1]:%1 ecdsa-sha2-nistp256 "_s.arg(server.port()).toUtf8()));

    PushConnection wrong = server.connection();
    wrong.password = u"wrong"_s;
    EXPECT_EQ(FTPUploader(wrong).upload(local, u"/w.cr2"_s).value().code(), CURLE_LOGIN_DENIED);

    // A changed host key is refused, with instructions, by uploads and by the connection test alike.
    server.replaceHostKey();
    const FTPUploader changed(server.connection());
    for (const auto& error : {changed.upload(local, u"/changed.cr2"_s), changed.testConnection()}) {
        EXPECT_EQ(error.value().code(), CURLE_PEER_FAILED_VERIFICATION);
        EXPECT_EQ(error->text(), SshKnownHosts::changedKeyMessage(SshKnownHosts::defaultPath(),
                                                                  u"127.0.0.1"_s, server.port()));
    }
    EXPECT_FALSE(QFile::exists(server.rootDir() + u"/changed.cr2"_s));
}

TEST_F(FTPUploaderTest, RemotePathsArriveExactlyFoldersAreCreatedAndFilesReplaced)
{
    PushConnection active = s_ftp->connection();
    active.ftpMode = FTPMode::active;
    for (const auto& [connection, root] :
         {std::pair{s_ftp->connection(), s_ftp->rootDir()}, std::pair{active, s_ftp->rootDir()},
          std::pair{s_sftp->connection(), s_sftp->rootDir()}}) {
        SCOPED_TRACE(
            QString(rawValue(connection.transferProtocol) + rawValue(connection.ftpMode)).toStdString());
        const FTPUploader uploader(connection);
        QDir(root).removeRecursively();
        QDir().mkpath(root);
        for (const QString& name : {u"/with space/a b.txt"_s, u"/hash#and%25percent%.txt"_s,
                                    u"/Zürich/čšž ü.txt"_s, u"/semi;colon?.txt"_s, u"/empty"_s}) {
            const QByteArray contents = name == u"/empty" ? QByteArray() : name.toUtf8();
            EXPECT_EQ(uploader.upload(env.writeFile(u"n"_s, contents), name), std::nullopt);
            EXPECT_EQ(readFile(root + name), contents);
        }

        // Creating a folder is quiet, also when the server refuses, and a refusal keeps the logged-in
        // connection for what follows.
        EXPECT_EQ(uploader.createDirectory(u"/New Folder"_s), std::nullopt);
        EXPECT_TRUE(QFileInfo(root + u"/New Folder"_s).isDir());
        const qsizetype logins = readFile(s_ftp->logFile()).count("FTP session opened");
        EXPECT_EQ(uploader.createDirectory(u"/New Folder"_s), std::nullopt);
        EXPECT_EQ(uploader.upload(env.writeFile(u"n"_s, "n"), u"/New Folder/n"_s), std::nullopt);
        EXPECT_EQ(readFile(s_ftp->logFile()).count("FTP session opened"), logins);

        // One command creates only the last level; the upload creates the missing ones.
        EXPECT_EQ(uploader.createDirectory(u"/a/b/c"_s), std::nullopt);
        EXPECT_FALSE(QFile::exists(root + u"/a"_s));
        EXPECT_EQ(uploader.upload(env.writeFile(u"x"_s, "x"), u"/a/b/c/x.txt"_s), std::nullopt);
        EXPECT_EQ(readFile(root + u"/a/b/c/x.txt"_s), "x");

        // A folder that cannot exist (its parent is a file) fails the upload with libcurl's code and text.
        QFile(root + u"/blocker"_s).open(QIODevice::WriteOnly);
        const auto blocked = uploader.upload(env.writeFile(u"x"_s, "x"), u"/blocker/d/x.txt"_s);
        EXPECT_EQ(blocked.value(), curlError(blocked->code()));

        // A second version replaces the first. The cached connection dies with a restarted server; the next
        // upload must notice and connect again.
        for (const char* version : {"a longer first version", "second", "third"}) {
            if (QByteArray(version) == "third") {
                connection.transferProtocol == TransferProtocol::sftp ? s_sftp->restart() : s_ftp->restart();
            }
            EXPECT_EQ(uploader.upload(env.writeFile(u"v"_s, version), u"/doc.txt"_s), std::nullopt);
            EXPECT_EQ(readFile(root + u"/doc.txt"_s), version);
        }
    }
}

TEST_F(FTPUploaderTest, ProgressTotalsAreTheFileSizeAndBytesAppendedMeanwhileStayHome)
{
    const qint64 size = 3 * 1024 * 1024 + 11;
    const QByteArray contents = randomBytes(size);
    const QString local = env.writeFile(u"big.bin"_s, contents);
    QList<std::pair<qint64, qint64>> reports;
    const auto error =
        FTPUploader(s_ftp->connection()).upload(local, u"/big.bin"_s, [&](qint64 sent, qint64 total) {
            if (reports.empty()) {
                // Appended during the first read: the server gets the size announced, the version opened.
                QFile file(local);
                ASSERT_TRUE(file.open(QIODevice::Append));
                file.write(randomBytes(700 * 1024));
            }
            reports.emplace_back(sent, total);
        });
    EXPECT_EQ(error, std::nullopt);
    EXPECT_TRUE(std::ranges::all_of(
        reports, [&](auto report) { return report.second == size && report.first <= size; }));
    EXPECT_EQ(reports.value(reports.size() - 1).first, size);
    EXPECT_EQ(readFile(s_ftp->rootDir() + u"/big.bin"_s), contents);
}

TEST_F(FTPUploaderTest, BadInputAndUnreachableServersFailCleanlyAndHandlesCarryTheLimits)
{
    const ClosedPort closed;
    for (const PushConnection& server : {s_ftp->connection(), s_sftp->connection()}) {
        // A refused login still proves the server is there; the empty label fails without sending a query.
        PushConnection wrongPassword = server, unknownHost = server, closedPort = server;
        wrongPassword.password = u"wrong"_s;
        unknownHost.host = u"no-such-host..invalid"_s;
        closedPort.port = closed.port();
        for (const auto& [connection, code] : {std::pair{server, CURLE_OK},
                                               {wrongPassword, CURLE_OK},
                                               {unknownHost, CURLE_COULDNT_RESOLVE_HOST},
                                               {closedPort, CURLE_COULDNT_CONNECT}}) {
            EXPECT_EQ(FTPUploader(connection).testConnection(),
                      code == CURLE_OK ? std::nullopt : std::optional(curlError(code)))
                << qPrintable(rawValue(server.transferProtocol) + connection.host);
        }
    }
    const FTPUploader uploader(s_ftp->connection());
    const QString vanished = env.root() + u"/gone.jpg"_s;
    EXPECT_EQ(uploader.upload(vanished, u"/gone.jpg"_s), FTPError::localFileNotReadable(vanished));
    const QString folder = env.makeDir(u"a folder"_s);
    EXPECT_EQ(uploader.upload(folder, u"/f"_s).value().description(),
              u"Cannot read file: %1 (it is a folder)"_s.arg(folder));
    if (geteuid() != 0) {
        // Root reads files whatever their mode says.
        const QString locked = env.writeFile(u"locked.jpg"_s, "x");
        QFile::setPermissions(locked, {});
        EXPECT_EQ(uploader.upload(locked, u"/l.jpg"_s), FTPError::localFileNotReadable(locked));
    }

    const QString local = env.writeFile(u"a"_s, "a");
    for (const auto& [host, port] : {std::pair{QString(), qint64(21)}, std::pair{u"127.0.0.1"_s, qint64(0)},
                                     std::pair{u" \n"_s, qint64(-1)}}) {
        for (const TransferProtocol protocol : allTransferProtocols()) {
            const FTPUploader broken(
                PushConnection{.transferProtocol = protocol, .host = host, .port = port});
            EXPECT_EQ(broken.upload(local, u"/a"_s).value().kind(), FTPError::Kind::curlExitCode);
            EXPECT_TRUE(broken.testConnection());
            EXPECT_FALSE(broken.createDirectory(u"/d"_s));
        }
    }
    // The cap is in KiB/s (none for 0 or less, no overflow) with libcurl's small steps kept so it holds
    // closely; commands end within the command limit, not the days an SFTP upload may take.
    for (const auto& [kbps, expected] : {std::pair<qint64, std::optional<qint64>>{500, 512000},
                                         {0, std::nullopt},
                                         {-5, std::nullopt},
                                         {qint64(9e18), std::numeric_limits<qint64>::max()}}) {
        FTPUploader capped(
            PushConnection{.host = u"127.0.0.1"_s, .port = closed.port(), .maxBandwidthKBps = kbps});
        std::optional<qint64> cap, buffer;
        capped.setHandleInspector([&](const CurlHandle& handle) {
            cap = handle.numberOption(CURLOPT_MAX_SEND_SPEED_LARGE);
            buffer = handle.numberOption(CURLOPT_UPLOAD_BUFFERSIZE);
        });
        EXPECT_TRUE(capped.upload(local, u"/a"_s));
        EXPECT_EQ(std::pair(cap, buffer.has_value()), std::pair(expected, !expected.has_value())) << kbps;
    }
    for (const TransferProtocol protocol : allTransferProtocols()) {
        FTPUploader commands(
            PushConnection{.transferProtocol = protocol, .host = u"127.0.0.1"_s, .port = closed.port()});
        std::vector<std::optional<qint64>> limits;
        commands.setHandleInspector(
            [&](const CurlHandle& handle) { limits.push_back(handle.numberOption(CURLOPT_TIMEOUT)); });
        (void)commands.createDirectory(u"/d"_s);
        (void)commands.renameReplacing(u"/a"_s, u"/b"_s);
        (void)commands.remoteFileSize(u"/a"_s);
        ASSERT_FALSE(limits.empty());
        EXPECT_THAT(limits, ::testing::Each(std::optional<qint64>(FTPUploader::kCommandTimeoutSeconds)));
    }
}

// Over FTPS a data connection must resume a TLS session of its own control connection, not a parallel one's.
TEST_F(FTPUploaderTest, ParallelUploadsOfOneUploaderShareConnections)
{
    for (const FtpServerOptions& options :
         {FtpServerOptions{}, FtpServerOptions{.tls = true, .perLoginTlsSessions = true}}) {
        SCOPED_TRACE(options.tls ? "FTPS" : "FTP");
        FtpTestServer server;
        server.start(options);
        PushConnection connection = server.connection();
        connection.host = u"localhost"_s;
        const FTPUploader uploader(connection);
        QStringList failures(4);
        {
            std::vector<std::jthread> threads;
            for (int t = 0; t < 4; ++t) {
                threads.emplace_back([&, t] {
                    for (int i = 0; i < 12; ++i) {
                        const QString name = u"t%1-%2.txt"_s.arg(t).arg(i);
                        if (const auto error =
                                uploader.upload(env.writeFile(name, name.toUtf8()), "/par/" + name)) {
                            failures[t] += error->description();
                        }
                    }
                });
            }
        }
        EXPECT_EQ(failures.join(QString()).toStdString(), "");
        EXPECT_EQ(QDir(server.rootDir() + u"/par"_s).entryList(QDir::Files).size(), 48);
        EXPECT_LE(readFile(server.logFile()).count("FTP session opened"), 8) << "connections were not reused";
    }
}
