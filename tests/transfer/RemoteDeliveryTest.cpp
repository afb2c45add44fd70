#include "transfer/RemoteDelivery.h"

#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

using namespace ondrix;
using ondrix::test::FtpServerOptions;
using ondrix::test::FtpTestServer;
using ondrix::test::readFile;
using ondrix::test::SftpTestServer;
using ondrix::test::TestEnvironment;
using Kind = RemoteDelivery::Outcome::Kind;

namespace {

class RemoteDeliveryTest : public ::testing::Test {
protected:
    QString localFile(const QString& name, const QByteArray& contents) const
    {
        return env.writeFile(QStringLiteral("local/") + name, contents);
    }

    // Runs `body` against a real FTP server and a real SFTP server (which, like OpenSSH's, refuses to
    // rename onto an existing name).
    static void onBothProtocols(const std::function<void(PushConnection, const QString& root)>& body)
    {
        {
            SCOPED_TRACE("FTP");
            FtpTestServer server;
            server.start();
            body(server.connection(), server.rootDir());
        }
        {
            SCOPED_TRACE("SFTP");
            SftpTestServer server;
            server.start();
            body(server.connection(), server.rootDir());
        }
    }

    TestEnvironment env;
};

QStringList hiddenNames(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
}

} // namespace

TEST_F(RemoteDeliveryTest, NumberedAndTemporaryNames)
{
    EXPECT_EQ(RemoteDelivery::numberedPath("/in/a.jpg", 2), "/in/a (2).jpg");
    EXPECT_EQ(RemoteDelivery::numberedPath("/in.d/README", 3), "/in.d/README (3)");
    EXPECT_EQ(RemoteDelivery::numberedPath("/.profile", 2), "/.profile (2)");
    EXPECT_EQ(RemoteDelivery::temporaryPath("/in/a.jpg"), "/in/.a.jpg.ondrix-part");
}

TEST_F(RemoteDeliveryTest, ConflictModesAskTheServerWhetherTheNameIsTaken)
{
    onBothProtocols([this](PushConnection connection, const QString& root) {
        const QString local = localFile(QStringLiteral("a.jpg"), "new bytes");
        QDir(root).mkpath(QStringLiteral("in"));
        QFile existing(root + QStringLiteral("/in/a.jpg"));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("server's own");
        existing.close();

        const FTPUploader probe(connection);
        EXPECT_EQ(std::get<std::optional<qint64>>(probe.remoteFileSize("/in/a.jpg")), 12);
        EXPECT_EQ(std::get<std::optional<qint64>>(probe.remoteFileSize("/in/b.jpg")), std::nullopt);
        EXPECT_EQ(std::get<std::optional<qint64>>(probe.remoteFileSize("/missing/b.jpg")), std::nullopt);

        connection.conflictResolution = ConflictMode::skip;
        FTPUploader skipping(connection);
        RemoteDelivery::Outcome outcome = RemoteDelivery(skipping).deliver(local, "/in/a.jpg", true);
        EXPECT_EQ(outcome.kind, Kind::skippedExisting);
        EXPECT_EQ(readFile(root + "/in/a.jpg"), "server's own");
        // A free name is sent as usual.
        outcome = RemoteDelivery(skipping).deliver(local, "/in/c.jpg", true);
        EXPECT_EQ(outcome.kind, Kind::sent);
        EXPECT_EQ(readFile(root + "/in/c.jpg"), "new bytes");

        connection.conflictResolution = ConflictMode::rename;
        FTPUploader renaming(connection);
        outcome = RemoteDelivery(renaming).deliver(local, "/in/a.jpg", true);
        EXPECT_EQ(outcome.kind, Kind::sent) << qPrintable(outcome.error->description());
        EXPECT_EQ(outcome.remotePath, "/in/a (2).jpg");
        outcome = RemoteDelivery(renaming).deliver(local, "/in/a.jpg", false);
        EXPECT_EQ(outcome.remotePath, "/in/a (3).jpg");
        EXPECT_EQ(readFile(root + "/in/a.jpg"), "server's own");
        EXPECT_EQ(readFile(root + "/in/a (2).jpg"), "new bytes");
        EXPECT_EQ(readFile(root + "/in/a (3).jpg"), "new bytes");

        // Overwrite through the temporary name replaces the file; nothing hidden stays behind.
        connection.conflictResolution = ConflictMode::overwrite;
        ASSERT_TRUE(connection.useTemporaryName);
        FTPUploader overwriting(connection);
        outcome = RemoteDelivery(overwriting).deliver(local, "/in/a.jpg", true);
        EXPECT_EQ(outcome.kind, Kind::sent) << qPrintable(outcome.error->description());
        EXPECT_EQ(outcome.opened.size, 9);
        EXPECT_EQ(readFile(root + "/in/a.jpg"), "new bytes");
        EXPECT_EQ(hiddenNames(root + "/in"), QStringList());
    });
}

TEST_F(RemoteDeliveryTest, TheRealNameAppearsOnlyWithTheWholeFile)
{
    FtpTestServer server;
    server.start();
    PushConnection connection = server.connection();
    // About half a second per file at this cap: long enough to be watched.
    connection.maxBandwidthKBps = 64;
    const QByteArray contents(40 * 1024, 'x');
    const QString local = localFile(QStringLiteral("big.raw"), contents);
    const QString real = server.rootDir() + QStringLiteral("/big.raw");
    const QString temporary = server.rootDir() + QStringLiteral("/.big.raw.ondrix-part");

    // A watcher on the server side, as a publishing script would poll the folder.
    std::atomic<bool> done{false};
    std::atomic<bool> sawTemporary{false};
    std::atomic<qint64> partialRealSize{-1};
    std::thread watcher([&] {
        while (!done) {
            sawTemporary = sawTemporary || QFileInfo::exists(temporary);
            const QFileInfo info(real);
            if (info.exists() && info.size() != contents.size()) {
                partialRealSize = info.size();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    const FTPUploader uploader(connection);
    const RemoteDelivery::Outcome outcome = RemoteDelivery(uploader).deliver(local, "/big.raw", true);
    done = true;
    watcher.join();
    EXPECT_EQ(outcome.kind, Kind::sent);
    EXPECT_TRUE(sawTemporary);
    EXPECT_EQ(partialRealSize, -1);
    EXPECT_EQ(readFile(real), contents);

    // An upload cut off by the server leaves its temporary file only; the next one replaces it. The file is
    // large enough that the cut always comes first.
    QFile::remove(real);
    const QString larger = localFile(QStringLiteral("big.raw"), QByteArray(1024 * 1024, 'y'));
    std::atomic<bool> delivering{true};
    std::thread cut([&] {
        while (delivering && QFileInfo(temporary).size() < 4096) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        server.stop();
    });
    const RemoteDelivery::Outcome interrupted = RemoteDelivery(uploader).deliver(larger, "/big.raw", true);
    delivering = false;
    cut.join();
    EXPECT_EQ(interrupted.kind, Kind::failed);
    EXPECT_FALSE(QFileInfo::exists(real));
    EXPECT_TRUE(QFileInfo::exists(temporary));
    server.restart();
    connection.maxBandwidthKBps = 0;
    const FTPUploader uncapped(connection);
    EXPECT_EQ(RemoteDelivery(uncapped).deliver(larger, "/big.raw", false).kind, Kind::sent);
    EXPECT_EQ(readFile(real), QByteArray(1024 * 1024, 'y'));
    EXPECT_EQ(hiddenNames(server.rootDir()), QStringList());
}

TEST_F(RemoteDeliveryTest, AServerThatStoresLessThanItAcknowledgedIsCaught)
{
    FtpTestServer server;
    server.start(FtpServerOptions{.truncateUploads = true});
    const QString local = localFile(QStringLiteral("a.jpg"), QByteArray(1000, 'a'));
    PushConnection connection = server.connection();
    for (const bool temporaryName : {true, false}) {
        connection.useTemporaryName = temporaryName;
        const FTPUploader uploader(connection);
        const RemoteDelivery::Outcome checked = RemoteDelivery(uploader).deliver(local, "/a.jpg", true);
        EXPECT_EQ(checked.kind, Kind::failed);
        ASSERT_TRUE(checked.error);
        EXPECT_TRUE(checked.error->description().contains("500")) << qPrintable(checked.error->description());
        // Under a temporary name the short file never gets the real one.
        EXPECT_EQ(QFileInfo::exists(server.rootDir() + "/a.jpg"), !temporaryName);
    }
    // Unchecked, the server's word is all there is.
    connection.useTemporaryName = false;
    const FTPUploader uploader(connection);
    EXPECT_EQ(RemoteDelivery(uploader).deliver(local, "/b.jpg", false).kind, Kind::sent);
}
