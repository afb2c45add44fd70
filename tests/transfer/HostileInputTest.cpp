#include "platform/FileName.h"
#include "platform/InotifyFileEventSource.h"
#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "support/SshdTestServer.h"
#include "support/TestEnvironment.h"
#include "transfer/FTPUploader.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <future>
#include <optional>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::test;

namespace {

struct HostileInputTest : ::testing::Test {
    TestEnvironment env;
};

std::optional<QByteArray> contentsAt(const QByteArray& path)
{
    std::ifstream in(path.constData(), std::ios::binary);
    return in ? std::optional(QByteArray::fromStdString({std::istreambuf_iterator<char>(in), {}}))
              : std::nullopt;
}

} // namespace

// A shared drop folder: someone swaps a queued file for a link to a file of the user's, or for a named pipe.
TEST_F(HostileInputTest, OnlyRegularFilesAreSentAndNothingWaitsOnAPipe)
{
    SftpTestServer server;
    server.start();
    const FTPUploader uploader(server.connection());
    const QString secret = env.writeFile(u"home/.ssh/id_ed25519"_s, "PRIVATE KEY");
    const QString watched = env.makeDir(u"watched"_s);

    const QString link = watched + u"/a.jpg"_s;
    ASSERT_EQ(::symlink(QFile::encodeName(secret).constData(), QFile::encodeName(link).constData()), 0);
    const QString linked = uploader.upload(link, u"/a.jpg"_s).value().description();
    EXPECT_TRUE(linked.startsWith(u"Cannot read file: "_s + link) && linked.contains(u"symbolic link"_s))
        << qPrintable(linked);
    EXPECT_FALSE(QFile::exists(server.rootDir() + u"/a.jpg"_s));

    const QString pipe = watched + u"/b.jpg"_s;
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    auto pending = std::async(std::launch::async, [&] { return uploader.upload(pipe, u"/b.jpg"_s); });
    if (pending.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        ADD_FAILURE() << "the upload waits for a writer on the pipe";
        // Let the stuck open return so the test can end.
        ::close(::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_CLOEXEC));
    }
    const QString piped = pending.get().value().description();
    EXPECT_TRUE(piped.contains(u"named pipe"_s)) << qPrintable(piped);
    EXPECT_FALSE(QFile::exists(server.rootDir() + u"/b.jpg"_s));

    // A regular file is sent, and the version reported is the one of the descriptor that was read.
    const QString photo = env.writeFile(u"watched/c.jpg"_s, "0123456789");
    FileVersion opened;
    EXPECT_FALSE(uploader.upload(photo, u"/c.jpg"_s, {}, &opened));
    EXPECT_EQ(opened, FileVersion::read(photo));
    EXPECT_EQ(readFile(server.rootDir() + u"/c.jpg"_s), "0123456789");
}

// An RSA host key signed with SHA-2 only, which libssh2 cannot check: the error says why and what to change.
TEST_F(HostileInputTest, AServerWithOnlyAnRsaHostKeyFailsWithTheReason)
{
    if (!SshdTestServer::isAvailable()) {
        GTEST_SKIP() << "OpenSSH server not installed";
    }
    const QString key = env.root() + u"/host_rsa"_s;
    ASSERT_EQ(QProcess::execute(u"ssh-keygen"_s, u"-q -t rsa -b 2048 -f"_s.split(u' ')
                                                     << key << u"-N"_s << QString()),
              0);
    SshdTestServer server;
    server.setHostKeyFile(key);
    server.start();
    const auto error = FTPUploader(server.connection()).testConnection();
    if (!error) {
        GTEST_SKIP() << "this libssh2 verifies RSA host keys";
    }
    EXPECT_EQ(error->code(), CURLE_FAILED_INIT);
    EXPECT_TRUE(error->description().contains(u"only an RSA host key"_s) &&
                error->description().contains(u"Ed25519"_s))
        << qPrintable(error->description());
}

// A name that is not UTF-8 is found, opened and sent as its bytes; a tab or line break goes over SFTP and is
// refused over FTP with the reason.
TEST_F(HostileInputTest, NamesAreSentAsTheirBytesOrRefusedWithTheReason)
{
    if (!SshdTestServer::isAvailable()) {
        GTEST_SKIP() << "OpenSSH server not installed";
    }
    const QString watched = env.makeDir(u"watched"_s);
    InotifyFileEventSource source;
    QStringList reported;
    QObject::connect(&source, &FileEventSource::eventsArrived, [&](const QList<FileEvent>& events) {
        for (const FileEvent& event : events) {
            if (event.flags & FileEvent::WriteClosed) {
                reported << event.path;
            }
        }
    });
    ASSERT_TRUE(source.start(watched));
    const QList<QByteArray> names = {"caf\xE9.txt", "tab\there.txt", "line\nbreak.txt"};
    for (const QByteArray& name : names) {
        std::ofstream(QByteArray(QFile::encodeName(watched) + '/' + name).constData()) << name.toStdString();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return reported.size() == names.size(); }, 5000));

    SshdTestServer sftp;
    sftp.start();
    FtpTestServer ftp;
    ftp.start();
    const FTPUploader overSftp(sftp.connection());
    const FTPUploader overFtp(ftp.connection());
    // OpenSSH's own server: a connection test and a folder with spaces and a hash.
    EXPECT_FALSE(overSftp.testConnection());
    const QString folder = sftp.rootDir() + u"/Shoot 2024 #1"_s;
    EXPECT_FALSE(overSftp.createDirectory(folder));
    for (const QString& path : reported) {
        const QByteArray name = FileName::encode(path).mid(QFile::encodeName(watched).size() + 1);
        const QString remoteName = path.mid(watched.size() + 1);

        EXPECT_EQ(overSftp.upload(path, folder + u'/' + remoteName), std::nullopt);
        EXPECT_EQ(contentsAt(QFile::encodeName(folder) + '/' + name), name) << name.constData();

        const auto overFtpResult = overFtp.upload(path, u'/' + remoteName);
        if (name.startsWith("caf")) {
            EXPECT_FALSE(overFtpResult) << qPrintable(overFtpResult->description());
            EXPECT_EQ(contentsAt(QFile::encodeName(ftp.rootDir()) + '/' + name), name);
        } else {
            ASSERT_TRUE(overFtpResult) << name.constData();
            EXPECT_TRUE(overFtpResult->description().contains(u"FTP cannot carry a name"_s) &&
                        overFtpResult->description().contains(u"over SFTP"_s))
                << qPrintable(overFtpResult->description());
            EXPECT_FALSE(contentsAt(QFile::encodeName(ftp.rootDir()) + '/' + name));
        }
    }

    // A file that is gone is named in the error with its odd byte shown, not as a replacement character.
    const auto missing =
        overSftp.upload(watched + u"/gone"_s + QChar(char16_t(0xDCE9)), sftp.rootDir() + u"/gone"_s);
    EXPECT_TRUE(missing.value().description().endsWith(u"/gone\\xE9"_s))
        << qPrintable(missing->description());
}
