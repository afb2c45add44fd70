#include "transfer/FTPUploader.h"

#include "ClosedPort.h"
#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "support/TestEnvironment.h"
#include "transfer/CurlHandle.h"
#include "transfer/SshKnownHosts.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <limits>
#include <thread>
#include <tuple>
#include <vector>

using namespace ondrix;

namespace ondrix {
void PrintTo(const FTPError& error, std::ostream* out)
{
    *out << error.description().toStdString();
}
} // namespace ondrix
using ondrix::test::ClosedPort;
using ondrix::test::FtpServerOptions;
using ondrix::test::FtpTestServer;
using ondrix::test::readFile;
using ondrix::test::SftpTestServer;
using ondrix::test::TestEnvironment;

namespace {

QByteArray randomBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

QString curlText(int code)
{
    return QString::fromUtf8(curl_easy_strerror(static_cast<CURLcode>(code)));
}

// One FTP server (whose login holds colons: user "studio:main", each part must reach it whole) and one SFTP
// server for the whole suite; tests that need a server of their own start it.
class FTPUploaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_ftp = new FtpTestServer;
        s_ftp->start(
            FtpServerOptions{.user = QStringLiteral("studio:main"), .password = QStringLiteral("pass:word")});
        s_sftp = new SftpTestServer;
        s_sftp->start();
    }
    static void TearDownTestSuite()
    {
        delete s_ftp;
        delete s_sftp;
    }

    FTPUploaderTest()
    {
        // The FTPS test server's certificate is signed by the test CA, trusted the way a company CA is.
        env.setVariable("SSL_CERT_FILE", FtpTestServer::caFile());
        env.setVariable("CURL_CA_BUNDLE", QString());
    }

    QString localFile(const QString& name, const QByteArray& contents) const
    {
        return env.writeFile(QStringLiteral("local/") + name, contents);
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
    const QString local = localFile(QStringLiteral("a.bin"), contents);
    PushConnection connection = server.connection();
    for (const QString& host : {QStringLiteral("127.0.0.1"), QStringLiteral("localhost")}) {
        connection.host = host;
        FTPUploader uploader(connection);
        // One CA file and no CA folder: only then does libcurl keep the parsed store instead of parsing
        // the bundle again for every data connection.
        uploader.setHandleInspector([](const CurlHandle& handle) {
            EXPECT_EQ(handle.textOption(CURLOPT_CAINFO), FtpTestServer::caFile().toUtf8());
            EXPECT_EQ(handle.textOption(CURLOPT_CAPATH), QByteArray());
        });
        const auto error = uploader.upload(local, QStringLiteral("/a.bin"));
        EXPECT_FALSE(error) << qPrintable(error->description());
        EXPECT_EQ(readFile(server.rootDir() + QStringLiteral("/a.bin")), contents);
    }

    {
        // Without the test CA the certificate is not trusted and nothing is sent.
        TestEnvironment untrusting;
        untrusting.setVariable("SSL_CERT_FILE", QStringLiteral("/nonexistent/ca.pem"));
        const auto error = FTPUploader(connection).upload(local, QStringLiteral("/b.bin"));
        ASSERT_TRUE(error);
        EXPECT_EQ(error->code(), CURLE_PEER_FAILED_VERIFICATION);
        EXPECT_FALSE(QFile::exists(server.rootDir() + QStringLiteral("/b.bin")));
    }

    // Active FTPS fails with a clear error instead of hanging on the data connection.
    connection.ftpMode = FTPMode::active;
    const auto active =
        FTPUploader(connection).upload(localFile(QStringLiteral("c.bin"), contents), "/c.bin");
    ASSERT_TRUE(active);
    EXPECT_EQ(active->kind(), FTPError::Kind::curlExitCode);
    EXPECT_TRUE(active->description().contains(QStringLiteral("use passive mode")))
        << qPrintable(active->description());

    // A failure before any data connection keeps libcurl's own words.
    connection.password = QStringLiteral("wrong");
    const auto denied = FTPUploader(connection).upload(localFile(QStringLiteral("b.bin"), "b"), "/b.bin");
    ASSERT_TRUE(denied);
    EXPECT_EQ(*denied, FTPError::curlExitCode(CURLE_LOGIN_DENIED, curlText(CURLE_LOGIN_DENIED)));
}

TEST_F(FTPUploaderTest, SftpWithPasswordAndWithKeyFile)
{
    SftpTestServer server;
    server.start();
    // More than one of the largest reads libcurl makes for an SFTP upload.
    const QByteArray contents = randomBytes(5 * 1024 * 1024 / 2 + 7);
    const QString local = localFile(QStringLiteral("raw.cr2"), contents);

    const auto byPassword = FTPUploader(server.connection()).upload(local, QStringLiteral("/p/raw.cr2"));
    EXPECT_FALSE(byPassword) << qPrintable(byPassword->description());
    // No limit would make libcurl busy-wait for SFTP replies; the stand-in must be one libcurl takes.
    CURL* probe = curl_easy_init();
    EXPECT_EQ(curl_easy_setopt(probe, CURLOPT_TIMEOUT, CurlHandle::kUnlimitedSftpTimeoutSeconds), CURLE_OK);
    curl_easy_cleanup(probe);
    EXPECT_EQ(readFile(server.rootDir() + QStringLiteral("/p/raw.cr2")), contents);

    PushConnection byKey = server.connection();
    byKey.password.clear();
    byKey.sshKeyPath = SftpTestServer::clientKeyFile();
    const auto keyError = FTPUploader(byKey).upload(local, QStringLiteral("/k/raw.cr2"));
    EXPECT_FALSE(keyError) << qPrintable(keyError->description());
    EXPECT_EQ(readFile(server.rootDir() + QStringLiteral("/k/raw.cr2")), contents);

    // The host key was trusted on first use, under its port.
    EXPECT_TRUE(
        readFile(SshKnownHosts::defaultPath())
            .startsWith(QStringLiteral("[127.0.0.1]:%1 ecdsa-sha2-nistp256 ").arg(server.port()).toUtf8()));

    PushConnection wrong = server.connection();
    wrong.password = QStringLiteral("wrong");
    const auto denied = FTPUploader(wrong).upload(local, QStringLiteral("/w.cr2"));
    ASSERT_TRUE(denied);
    EXPECT_EQ(denied->code(), CURLE_LOGIN_DENIED);

    // A changed host key is refused, with instructions, by uploads and by the connection test alike.
    server.replaceHostKey();
    const auto upload = FTPUploader(server.connection()).upload(local, QStringLiteral("/changed.cr2"));
    const auto test = FTPUploader(server.connection()).testConnection();
    for (const auto& error : {upload, test}) {
        ASSERT_TRUE(error);
        EXPECT_EQ(error->code(), CURLE_PEER_FAILED_VERIFICATION);
        EXPECT_EQ(error->text(),
                  SshKnownHosts::changedKeyMessage(SshKnownHosts::defaultPath(), QStringLiteral("127.0.0.1"),
                                                   server.port()));
    }
    EXPECT_FALSE(QFile::exists(server.rootDir() + QStringLiteral("/changed.cr2")));
}

TEST_F(FTPUploaderTest, RemotePathsArriveExactlyFoldersAreCreatedAndFilesReplaced)
{
    FtpTestServer& ftp = *s_ftp;
    SftpTestServer& sftp = *s_sftp;
    const QStringList names = {QStringLiteral("/with space/a b.txt"),
                               QStringLiteral("/hash#and%25percent%.txt"),
                               QStringLiteral("/Zürich/čšž ü.txt"), QStringLiteral("/semi;colon?.txt")};
    const QString empty = localFile(QStringLiteral("empty"), {});
    PushConnection active = ftp.connection();
    active.ftpMode = FTPMode::active;
    for (const auto& [connection, root] :
         {std::pair{ftp.connection(), ftp.rootDir()}, std::pair{active, ftp.rootDir()},
          std::pair{sftp.connection(), sftp.rootDir()}}) {
        const FTPUploader uploader(connection);
        const QString protocol = rawValue(connection.transferProtocol) + rawValue(connection.ftpMode);
        QDir(root).removeRecursively();
        QDir().mkpath(root);
        for (const QString& name : names) {
            const QByteArray contents = name.toUtf8();
            const auto error = uploader.upload(localFile(QStringLiteral("n"), contents), name);
            EXPECT_FALSE(error) << qPrintable(error->description());
            EXPECT_EQ(readFile(root + name), contents) << qPrintable(protocol + name);
        }
        const auto error = uploader.upload(empty, QStringLiteral("/empty.bin"));
        EXPECT_FALSE(error) << qPrintable(error->description());
        EXPECT_TRUE(QFile::exists(root + QStringLiteral("/empty.bin")));
        EXPECT_EQ(QFile(root + QStringLiteral("/empty.bin")).size(), 0);

        // Creating a folder is quiet, also when the server refuses, and a refusal keeps the logged-in
        // connection for what follows.
        EXPECT_FALSE(uploader.createDirectory(QStringLiteral("/New Folder")));
        EXPECT_TRUE(QFileInfo(root + QStringLiteral("/New Folder")).isDir()) << qPrintable(protocol);
        const qsizetype logins = readFile(ftp.logFile()).count("FTP session opened");
        EXPECT_FALSE(uploader.createDirectory(QStringLiteral("/New Folder")));
        EXPECT_FALSE(uploader.upload(localFile(QStringLiteral("n"), "n"), QStringLiteral("/New Folder/n")));
        EXPECT_EQ(readFile(ftp.logFile()).count("FTP session opened"), logins) << qPrintable(protocol);

        // One command creates only the last level; the upload creates the missing ones.
        EXPECT_FALSE(uploader.createDirectory(QStringLiteral("/a/b/c")));
        EXPECT_FALSE(QFile::exists(root + QStringLiteral("/a"))) << qPrintable(protocol);
        const auto nested =
            uploader.upload(localFile(QStringLiteral("x"), "x"), QStringLiteral("/a/b/c/x.txt"));
        EXPECT_FALSE(nested) << qPrintable(nested->description());
        EXPECT_EQ(readFile(root + QStringLiteral("/a/b/c/x.txt")), "x");

        // A folder that cannot exist (its parent is a file) fails the upload with libcurl's code and text.
        QFile(root + QStringLiteral("/blocker")).open(QIODevice::WriteOnly);
        const auto blocked =
            uploader.upload(localFile(QStringLiteral("x"), "x"), QStringLiteral("/blocker/d/x.txt"));
        ASSERT_TRUE(blocked) << qPrintable(protocol);
        EXPECT_EQ(blocked->kind(), FTPError::Kind::curlExitCode);
        EXPECT_GT(blocked->code(), 0);
        EXPECT_EQ(blocked->text(), curlText(blocked->code()));

        // A second version replaces the first. The cached connection dies with a restarted server; the next
        // upload must notice and connect again.
        EXPECT_FALSE(
            uploader.upload(localFile(QStringLiteral("long"), "a longer first version"), "/doc.txt"));
        EXPECT_FALSE(uploader.upload(localFile(QStringLiteral("short"), "second"), "/doc.txt"));
        EXPECT_EQ(readFile(root + QStringLiteral("/doc.txt")), "second") << qPrintable(protocol);
        connection.transferProtocol == TransferProtocol::sftp ? sftp.restart() : ftp.restart();
        const auto replaced = uploader.upload(localFile(QStringLiteral("third"), "third"), "/doc.txt");
        EXPECT_FALSE(replaced) << qPrintable(protocol + replaced->description());
        EXPECT_EQ(readFile(root + QStringLiteral("/doc.txt")), "third") << qPrintable(protocol);
    }
}

TEST_F(FTPUploaderTest, TestConnectionReportsReachabilityAndLibcurlCodes)
{
    const ClosedPort closed;
    for (const PushConnection& server : {s_ftp->connection(), s_sftp->connection()}) {
        // A refused login still proves the server is there; the empty label makes the resolver fail without
        // sending a query anywhere.
        for (const auto& [host, port, password, code] :
             {std::tuple{server.host, server.port, server.password, CURLE_OK},
              {server.host, server.port, QStringLiteral("wrong"), CURLE_OK},
              {QStringLiteral("no-such-host..invalid"), server.port, server.password,
               CURLE_COULDNT_RESOLVE_HOST},
              {server.host, qint64(closed.port()), server.password, CURLE_COULDNT_CONNECT}}) {
            PushConnection connection = server;
            connection.host = host;
            connection.port = port;
            connection.password = password;
            const auto error = FTPUploader(connection).testConnection();
            EXPECT_EQ(error, code == CURLE_OK ? std::nullopt
                                              : std::optional(FTPError::curlExitCode(code, curlText(code))))
                << qPrintable(rawValue(server.transferProtocol) + host);
        }
    }
}

TEST_F(FTPUploaderTest, ProgressTotalsAreTheFileSizeAndBytesAppendedMeanwhileStayHome)
{
    const FtpTestServer& server = *s_ftp;
    const qint64 size = 3 * 1024 * 1024 + 11;
    const QByteArray contents = randomBytes(size);
    const QString local = localFile(QStringLiteral("big.bin"), contents);
    FTPUploader uploader(server.connection());
    std::vector<std::pair<qint64, qint64>> reports;
    const auto error = uploader.upload(local, QStringLiteral("/big.bin"), [&](qint64 sent, qint64 total) {
        if (reports.empty()) {
            // A writer appends while the first of several reads is under way: the server gets the size
            // the upload announced, and the version sent is the one opened.
            QFile file(local);
            ASSERT_TRUE(file.open(QIODevice::Append));
            file.write(randomBytes(700 * 1024));
        }
        reports.emplace_back(sent, total);
    });
    EXPECT_FALSE(error) << qPrintable(error->description());
    ASSERT_FALSE(reports.empty());
    for (const auto& [sent, total] : reports) {
        EXPECT_EQ(total, size);
        EXPECT_LE(sent, size);
    }
    EXPECT_EQ(reports.back().first, size);
    EXPECT_EQ(readFile(server.rootDir() + QStringLiteral("/big.bin")), contents);
}

TEST_F(FTPUploaderTest, BandwidthCapIsKiBPerSecond)
{
    PushConnection connection;
    connection.host = QStringLiteral("127.0.0.1");
    const ClosedPort closed;
    connection.port = closed.port();
    const QString local = localFile(QStringLiteral("a"), "a");
    for (const auto& [kbps, expected] :
         {std::pair<qint64, std::optional<qint64>>{500, 512000},
          {0, std::nullopt},
          {-5, std::nullopt},
          // As much as the store can hold: no overflow, simply no limit that matters.
          {qint64(9e18), std::numeric_limits<qint64>::max()}}) {
        connection.maxBandwidthKBps = kbps;
        FTPUploader uploader(connection);
        std::optional<qint64> cap;
        std::optional<qint64> buffer;
        uploader.setHandleInspector([&](const CurlHandle& handle) {
            cap = handle.numberOption(CURLOPT_MAX_SEND_SPEED_LARGE);
            buffer = handle.numberOption(CURLOPT_UPLOAD_BUFFERSIZE);
        });
        EXPECT_TRUE(uploader.upload(local, QStringLiteral("/a")));
        EXPECT_EQ(cap, expected) << kbps;
        // A capped upload keeps libcurl's small steps, so the cap holds closely; others read in large blocks.
        EXPECT_EQ(buffer.has_value(), !expected.has_value()) << kbps;
    }
}

TEST_F(FTPUploaderTest, BadInputFailsCleanly)
{
    const FTPUploader uploader(s_ftp->connection());
    const QString vanished = env.root() + QStringLiteral("/gone.jpg");
    EXPECT_EQ(uploader.upload(vanished, QStringLiteral("/gone.jpg")),
              FTPError::localFileNotReadable(vanished));
    const QString folder = env.makeDir(QStringLiteral("a folder"));
    const auto notAFile = uploader.upload(folder, QStringLiteral("/f"));
    ASSERT_TRUE(notAFile);
    EXPECT_EQ(notAFile->description(), QStringLiteral("Cannot read file: %1 (it is a folder)").arg(folder));
    if (geteuid() != 0) {
        // Root reads files whatever their mode says.
        const QString locked = localFile(QStringLiteral("locked.jpg"), "x");
        QFile::setPermissions(locked, {});
        EXPECT_EQ(uploader.upload(locked, QStringLiteral("/l.jpg")), FTPError::localFileNotReadable(locked));
    }

    const QString local = localFile(QStringLiteral("a"), "a");
    for (const auto& [host, port] :
         {std::pair{QString(), qint64(21)}, std::pair{QStringLiteral("127.0.0.1"), qint64(0)},
          std::pair{QStringLiteral(" \n"), qint64(-1)}}) {
        for (const TransferProtocol protocol : allTransferProtocols()) {
            PushConnection connection;
            connection.transferProtocol = protocol;
            connection.host = host;
            connection.port = port;
            const FTPUploader broken(connection);
            const auto uploadError = broken.upload(local, QStringLiteral("/a"));
            ASSERT_TRUE(uploadError);
            EXPECT_EQ(uploadError->kind(), FTPError::Kind::curlExitCode);
            EXPECT_TRUE(broken.testConnection());
            EXPECT_FALSE(broken.createDirectory(QStringLiteral("/d")));
        }
    }

    // Commands without a transfer end within the command limit: a stalled server does not hold them for
    // the days an SFTP upload may take.
    const ClosedPort closed;
    for (const TransferProtocol protocol : allTransferProtocols()) {
        PushConnection connection;
        connection.transferProtocol = protocol;
        connection.host = QStringLiteral("127.0.0.1");
        connection.port = closed.port();
        FTPUploader commands(connection);
        std::vector<std::optional<qint64>> limits;
        commands.setHandleInspector(
            [&](const CurlHandle& handle) { limits.push_back(handle.numberOption(CURLOPT_TIMEOUT)); });
        (void)commands.createDirectory(QStringLiteral("/d"));
        (void)commands.renameReplacing(QStringLiteral("/a"), QStringLiteral("/b"));
        (void)commands.remoteFileSize(QStringLiteral("/a"));
        ASSERT_FALSE(limits.empty());
        for (const std::optional<qint64>& limit : limits) {
            EXPECT_EQ(limit, FTPUploader::kCommandTimeoutSeconds) << int(protocol);
        }
    }
}

TEST_F(FTPUploaderTest, ParallelUploadsOfOneUploaderShareConnections)
{
    // Over FTPS every data connection must resume a TLS session of its own control connection, as servers
    // that keep sessions per login demand: the session of a parallel upload's login is refused there, and so
    // is a TLS 1.3 ticket that was already spent. The server is named, so that every new control connection
    // looks its name up while data connections of other threads come and go.
    for (const FtpServerOptions& options :
         {FtpServerOptions{}, FtpServerOptions{.tls = true, .perLoginTlsSessions = true}}) {
        FtpTestServer server;
        server.start(options);
        PushConnection connection = server.connection();
        connection.host = QStringLiteral("localhost");
        const FTPUploader uploader(connection);
        constexpr int kThreads = 4;
        constexpr int kFilesEach = 12;
        std::vector<std::thread> threads;
        std::vector<QString> failures(kThreads);
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&, t] {
                for (int i = 0; i < kFilesEach; ++i) {
                    const QString name = QStringLiteral("t%1-%2.txt").arg(t).arg(i);
                    if (const auto error = uploader.upload(localFile(name, name.toUtf8()), "/par/" + name)) {
                        failures[std::size_t(t)] += error->description();
                    }
                }
            });
        }
        for (auto& thread : threads) {
            thread.join();
        }
        const char* protocol = options.tls ? "FTPS" : "FTP";
        for (const QString& failure : failures) {
            EXPECT_TRUE(failure.isEmpty()) << protocol << ": " << qPrintable(failure);
        }
        EXPECT_EQ(QDir(server.rootDir() + QStringLiteral("/par")).entryList(QDir::Files).size(),
                  kThreads * kFilesEach)
            << protocol;
        const qsizetype sessions = readFile(server.logFile()).count("FTP session opened");
        EXPECT_LE(sessions, kThreads * 2) << protocol << ": connections were not reused";
    }
}
