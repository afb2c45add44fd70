#include "transfer/RemoteDelivery.h"

#include "platform/PreferencesStore.h"
#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "support/TestEnvironment.h"
#include "transfer/FTPUploader.h"
#include "transfer/FailureAdvice.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <thread>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::test;
using Kind = RemoteDelivery::Outcome::Kind;

namespace {

struct RemoteDeliveryTest : ::testing::Test {
    TestEnvironment env;
};

// Bytes that differ from block to block, so a part sent twice or left out shows.
QByteArray patterned(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        bytes[i] = char((i * 31 + i / 977) & 0xff);
    }
    return bytes;
}

} // namespace

TEST_F(RemoteDeliveryTest, ConflictModesAskTheServerWhetherTheNameIsTaken)
{
    EXPECT_EQ(RemoteDelivery::numberedPath("/in/a.jpg", 2), "/in/a (2).jpg");
    EXPECT_EQ(RemoteDelivery::numberedPath("/in.d/README", 3), "/in.d/README (3)");
    EXPECT_EQ(RemoteDelivery::numberedPath("/.profile", 2), "/.profile (2)");
    EXPECT_EQ(RemoteDelivery::temporaryPath("/in/a.jpg"), "/in/.a.jpg.ondrix-part");
    // The SFTP server, like OpenSSH's, refuses to rename onto an existing name.
    FtpTestServer ftp;
    ftp.start();
    SftpTestServer sftp;
    sftp.start();
    for (auto [connection, root] :
         {std::pair{ftp.connection(), ftp.rootDir()}, {sftp.connection(), sftp.rootDir()}}) {
        SCOPED_TRACE(rawValue(connection.transferProtocol).toStdString());
        const QString local = env.writeFile(u"a.jpg"_s, "new bytes");
        const FTPUploader probe(connection);
        ASSERT_EQ(probe.upload(env.writeFile(u"own"_s, "server's own"), "/in/a.jpg"), std::nullopt);
        EXPECT_EQ(std::get<std::optional<qint64>>(probe.remoteFileSize("/in/a.jpg")), 12);
        EXPECT_EQ(std::get<std::optional<qint64>>(probe.remoteFileSize("/in/b.jpg")), std::nullopt);
        EXPECT_EQ(std::get<std::optional<qint64>>(probe.remoteFileSize("/missing/b.jpg")), std::nullopt);
        const auto deliver = [&](ConflictMode mode, const QString& path, bool verifySize) {
            connection.conflictResolution = mode;
            return RemoteDelivery(FTPUploader(connection)).deliver(local, path, verifySize);
        };

        // Skip keeps the server's file and sends to a free name as usual; rename numbers the new one.
        EXPECT_EQ(deliver(ConflictMode::skip, "/in/a.jpg", true).kind, Kind::skippedExisting);
        EXPECT_EQ(deliver(ConflictMode::skip, "/in/c.jpg", true).kind, Kind::sent);
        EXPECT_EQ(readFile(root + "/in/c.jpg"), "new bytes");
        EXPECT_EQ(deliver(ConflictMode::rename, "/in/a.jpg", true).remotePath, "/in/a (2).jpg");
        EXPECT_EQ(deliver(ConflictMode::rename, "/in/a.jpg", false).remotePath, "/in/a (3).jpg");
        EXPECT_EQ(readFile(root + "/in/a.jpg"), "server's own");
        EXPECT_EQ(readFile(root + "/in/a (2).jpg"), "new bytes");
        EXPECT_EQ(readFile(root + "/in/a (3).jpg"), "new bytes");

        // Overwrite through the temporary name replaces the file; nothing hidden stays behind.
        const RemoteDelivery::Outcome outcome = deliver(ConflictMode::overwrite, "/in/a.jpg", true);
        EXPECT_EQ(outcome.kind, Kind::sent) << qPrintable(outcome.error->description());
        EXPECT_EQ(outcome.opened.size, 9);
        EXPECT_EQ(readFile(root + "/in/a.jpg"), "new bytes");
        EXPECT_EQ(QDir(root + "/in").entryList({u".*"_s}, QDir::Files | QDir::Hidden), QStringList());
    }
}

// A cut upload goes on from the bytes the server holds, unless it cannot resume or the file was rewritten.
TEST_F(RemoteDeliveryTest, ACutUploadGoesOnFromTheBytesTheServerHolds)
{
    // The size and the cap make the cut come at about half; bench/engine_bench.py runs a gigabyte.
    constexpr qint64 kSize = 20 * 1024 * 1024;
    enum class Server { ftp, ftps, sftp, ftpWithoutRest };
    struct Case {
        const char* name;
        Server server;
        bool temporaryName, rewritten = false;
    };
    for (const Case& c :
         {Case{"FTP", Server::ftp, true}, Case{"FTPS", Server::ftps, false}, Case{"SFTP", Server::sftp, true},
          Case{"FTP without REST", Server::ftpWithoutRest, true},
          Case{"SFTP, rewritten", Server::sftp, false, true}}) {
        SCOPED_TRACE(c.name);
        const bool overSftp = c.server == Server::sftp;
        FtpTestServer ftp;
        SftpTestServer sftp;
        // The resumed file is proven whole by the server's checksum, its head included.
        overSftp ? sftp.start()
                 : ftp.start(FtpServerOptions{.tls = c.server == Server::ftps,
                                              .refuseResume = c.server == Server::ftpWithoutRest,
                                              .hashAlgorithms = {"SHA-256"}});
        PushConnection connection = overSftp ? sftp.connection() : ftp.connection();
        const QString root = overSftp ? sftp.rootDir() : ftp.rootDir();
        connection.maxBandwidthKBps = 4096;
        connection.useTemporaryName = c.temporaryName;
        QByteArray contents = patterned(kSize);
        const QString local = env.writeFile(u"clip.mov"_s, contents);
        const QString sentTo = root + (c.temporaryName ? "/in/.clip.mov.ondrix-part" : "/in/clip.mov");
        PreferencesStore store(env.root() + u"/%1.sqlite"_s.arg(int(c.server)));
        PartialUploads partials(&store, connection.id);

        // The server goes away at about half (its process belongs to this thread).
        RemoteDelivery::Outcome cutShort;
        std::thread upload([&] {
            cutShort = RemoteDelivery(FTPUploader(connection))
                           .deliver(local, "/in/clip.mov", false, {}, nullptr, &partials);
        });
        (void)QTest::qWaitFor([&] { return QFileInfo(sentTo).size() >= kSize / 2; }, 60000);
        overSftp ? sftp.restart() : ftp.restart();
        upload.join();
        ASSERT_EQ(cutShort.kind, Kind::failed);
        // A connection that worked and then broke is no protocol to check, in the log nor in the popover.
        for (const QString& advice :
             {FailureAdvice::explained(connection, *cutShort.error),
              FailureAdvice::forDescription(connection, cutShort.error->description())}) {
            EXPECT_FALSE(advice.contains(u"protocol"_s, Qt::CaseInsensitive)) << advice.toStdString();
        }
        const qint64 held = QFileInfo(sentTo).size();
        ASSERT_GE(held, kSize / 2) << qPrintable(cutShort.error->description());
        ASSERT_LT(held, kSize);
        // Under a temporary name, a script polling the folder never sees a part under the real one.
        EXPECT_EQ(QFileInfo::exists(root + "/in/clip.mov"), !c.temporaryName);
        if (c.rewritten) {
            contents.fill('n');
            env.writeFile(u"clip.mov"_s, contents);
        }

        qint64 firstProgress = -1;
        const RemoteDelivery::Outcome outcome =
            RemoteDelivery(FTPUploader(connection))
                .deliver(
                    local, "/in/clip.mov", true,
                    [&](qint64 sent, qint64) { firstProgress = firstProgress < 0 ? sent : firstProgress; },
                    nullptr, &partials);
        ASSERT_EQ(outcome.kind, Kind::sent) << qPrintable(outcome.error->description());
        EXPECT_TRUE(readFile(root + "/in/clip.mov") == contents);
        EXPECT_EQ(outcome.verifiedBy, overSftp ? "size" : "SHA-256");
        EXPECT_EQ(QDir(root + "/in").entryList({u".*"_s}, QDir::Files | QDir::Hidden), QStringList());
        EXPECT_FALSE(partials.find(local)) << "a delivered file leaves nothing to resume";
        const qint64 secondAttempt = (overSftp ? sftp.receivedUploads() : ftp.receivedUploads()).constLast();
        if (c.server == Server::ftpWithoutRest || c.rewritten) {
            EXPECT_EQ(outcome.resumedFrom, 0);
            EXPECT_EQ(secondAttempt, kSize);
            EXPECT_EQ(outcome.resumeRefused.isEmpty(), c.rewritten) << qPrintable(outcome.resumeRefused);
        } else {
            EXPECT_EQ(outcome.resumedFrom, held);
            EXPECT_EQ(secondAttempt, kSize - held);
            EXPECT_GE(firstProgress, held) << "the bytes the server held count as sent";
        }
    }
}

// The strongest checksum offered must match the bytes sent, before the rename; else the size is the proof.
TEST_F(RemoteDeliveryTest, TheServersChecksumMustBeThatOfTheBytesSent)
{
    // Several reads of the upload buffer.
    const QByteArray contents = patterned(3 * 1024 * 1024 + 17);
    const QString local = env.writeFile(u"pic.jpg"_s, contents);
    const auto hexOf = [](const QByteArray& bytes, QCryptographicHash::Algorithm algorithm) {
        return QString::fromLatin1(QCryptographicHash::hash(bytes, algorithm).toHex());
    };
    // The proof of a delivery, or what a failure names: the algorithm whose digests differ, or its words.
    struct Case {
        FtpServerOptions options;
        bool verifySize;
        QString proof;
        bool fails, temporaryName = true;
    };
    const QStringList all{"MD5", "SHA-256", "CRC32", "SHA-1"};
    const QString shortBy =
        u"holds %1 bytes where %2 bytes were sent"_s.arg(contents.size() / 2).arg(contents.size());
    const Case cases[] = {
        {{.hashAlgorithms = all}, true, "SHA-256", false}, // another algorithm selected first
        {{.hashAlgorithms = {"CRC32"}}, true, "CRC32", false},
        {{.singleChecksums = {"MD5", "SHA-1"}}, true, "SHA-1", false},
        {{.hashAlgorithms = {"MD5"}, .singleChecksums = {"SHA-256"}}, true, "SHA-256", false},
        {{}, true, "size", false},
        {{.hashAlgorithms = all, .wrongDigests = true}, false, "", false},
        {{.hashAlgorithms = all, .wrongDigests = true}, true, "SHA-256", true},
        {{.singleChecksums = {"SHA-256"}, .wrongDigests = true}, true, "SHA-256", true},
        {{.singleChecksums = {"MD5"}, .wrongDigests = true}, true, "MD5", true},
        {{.hashAlgorithms = all, .floodingReplies = true}, true, "reply was longer than 65536 bytes", true},
        {{.truncateUploads = true}, true, shortBy, true},
        {{.truncateUploads = true}, true, shortBy, true, false},
        {{.truncateUploads = true}, false, "", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        FtpTestServer server;
        server.start(c.options);
        PushConnection connection = server.connection();
        connection.useTemporaryName = c.temporaryName;
        const RemoteDelivery::Outcome outcome =
            RemoteDelivery(FTPUploader(connection)).deliver(local, "/pic.jpg", c.verifySize);
        ASSERT_EQ(outcome.kind, c.fails ? Kind::failed : Kind::sent);
        EXPECT_EQ(outcome.verifiedBy, c.fails ? QString() : c.proof);
        if (!c.fails) {
            EXPECT_EQ(outcome.sentSha256,
                      all.contains(c.proof) ? hexOf(contents, QCryptographicHash::Sha256) : QString());
            continue;
        }
        const QString error = outcome.error->description();
        EXPECT_EQ(QFileInfo::exists(server.rootDir() + "/pic.jpg"), !c.temporaryName);
        if (!all.contains(c.proof)) {
            EXPECT_TRUE(error.contains(c.proof)) << qPrintable(error);
            continue;
        }
        const auto algorithm = c.proof == "MD5" ? QCryptographicHash::Md5 : QCryptographicHash::Sha256;
        // The text names the algorithm and both digests: the server's (of the bytes and one more) and ours.
        EXPECT_TRUE(error.contains(u"its %1 is %2, the file sent has %3"_s.arg(
            c.proof, hexOf(contents + '\0', algorithm), hexOf(contents, algorithm))))
            << qPrintable(error);
    }
}
