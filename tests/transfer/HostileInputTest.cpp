#include "platform/FileName.h"
#include "platform/InotifyFileEventSource.h"
#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "support/SshdTestServer.h"
#include "support/TestEnvironment.h"
#include "transfer/CurlHandle.h"
#include "transfer/FTPUploader.h"
#include "transfer/SshKnownHosts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <optional>

using namespace Qt::StringLiterals;

using namespace ondrix;
using ondrix::test::FtpTestServer;
using ondrix::test::readFile;
using ondrix::test::SftpTestServer;
using ondrix::test::SshdTestServer;
using ondrix::test::TestEnvironment;

namespace {

class HostileInputTest : public ::testing::Test {
protected:
    TestEnvironment env;
};

// The contents of the file named by these exact bytes, or nothing when there is none.
std::optional<QByteArray> contentsAt(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    QByteArray contents(64, Qt::Uninitialized);
    const ssize_t read = ::read(fd, contents.data(), size_t(contents.size()));
    ::close(fd);
    return contents.left(qMax<ssize_t>(read, 0));
}

} // namespace

// A local folder name is part of the remote directory the engine asks the uploader to create. With a line
// break in it, the rest of the name would reach an FTP server as a command of its own.
TEST_F(HostileInputTest, AFolderNameCannotSmuggleAServerCommand)
{
    FtpTestServer server;
    server.start();
    QFile victim(server.rootDir() + u"/victim.txt"_s);
    ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
    victim.write("keep me");
    victim.close();
    QDir(server.rootDir()).mkpath(u"keep"_s);

    const FTPUploader uploader(server.connection());
    int handles = 0;
    FTPUploader inspected = uploader;
    inspected.setHandleInspector([&](const CurlHandle&) { ++handles; });
    for (const QString& folder :
         QStringList{u"/in/x\r\nDELE /victim.txt"_s, u"/in/x\nDELE /victim.txt"_s, u"/in/x\rRMD /keep"_s,
                     QString(u"/in/x"_s + QChar(u'\0') + u"y"_s)}) {
        const auto refused = inspected.createDirectory(folder);
        EXPECT_TRUE(refused && refused->description().contains(u"line break or NUL"_s))
            << "sent: " << qPrintable(folder);
    }
    EXPECT_EQ(handles, 0) << "nothing may be sent for a refused path";
    EXPECT_EQ(readFile(server.rootDir() + u"/victim.txt"_s), "keep me");
    EXPECT_TRUE(QFileInfo(server.rootDir() + u"/keep"_s).isDir());
    EXPECT_FALSE(readFile(server.logFile()).contains("DELE"));
    EXPECT_FALSE(uploader.createDirectory(u"/in"_s));
    EXPECT_TRUE(QFileInfo(server.rootDir() + u"/in"_s).isDir());
}

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
    const auto linked = uploader.upload(link, u"/a.jpg"_s);
    EXPECT_TRUE(linked && linked->description().startsWith(u"Cannot read file: "_s + link) &&
                linked->description().contains(u"symbolic link"_s))
        << (linked ? qPrintable(linked->description()) : "uploaded");
    EXPECT_FALSE(QFile::exists(server.rootDir() + u"/a.jpg"_s));

    const QString pipe = watched + u"/b.jpg"_s;
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    auto pending = std::async(std::launch::async, [&] { return uploader.upload(pipe, u"/b.jpg"_s); });
    if (pending.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        ADD_FAILURE() << "the upload waits for a writer on the pipe";
        // Let the stuck open return so the test can end.
        const int writer = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_CLOEXEC);
        ::close(writer);
    }
    const auto piped = pending.get();
    ASSERT_TRUE(piped);
    EXPECT_TRUE(piped->description().contains(u"named pipe"_s)) << qPrintable(piped->description());
    EXPECT_FALSE(QFile::exists(server.rootDir() + u"/b.jpg"_s));

    // A regular file is sent, and the version reported is the one of the descriptor that was read.
    const QString photo = env.writeFile(u"watched/c.jpg"_s, "0123456789");
    FileVersion opened;
    EXPECT_FALSE(uploader.upload(photo, u"/c.jpg"_s, {}, &opened));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(photo).constData(), &info), 0);
    EXPECT_EQ(opened.size, 10);
    EXPECT_EQ(opened.inode, quint64(info.st_ino));
    EXPECT_EQ(opened.device, quint64(info.st_dev));
    EXPECT_EQ(opened.modifiedNs, qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec);
    EXPECT_EQ(readFile(server.rootDir() + u"/c.jpg"_s), "0123456789");
}

// OpenSSH signs an RSA host key with SHA-2 only, which the system's libssh2 cannot check: such a server is
// out of reach, and the error must say why and what to change instead of libcurl's "Failed initialization".
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
    EXPECT_TRUE(error->description().contains(u"only an RSA host key"_s)) << qPrintable(error->description());
    EXPECT_TRUE(error->description().contains(u"Ed25519"_s)) << qPrintable(error->description());
}

// Linux names are bytes. A name that is not UTF-8 (Latin-1 "café") must still be found, opened and sent as
// the same bytes; a name FTP cannot put on a command line (tab, line break) goes over SFTP and is refused
// over FTP with a reason a person can act on.
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
    const QList<QByteArray> names = {QByteArrayLiteral("caf\xE9.txt"), QByteArrayLiteral("tab\there.txt"),
                                     QByteArrayLiteral("line\nbreak.txt")};
    for (const QByteArray& name : names) {
        const QByteArray path = QFile::encodeName(watched) + '/' + name;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, name.constData(), size_t(name.size())), name.size());
        ::close(fd);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return reported.size() == names.size(); }, 5000));

    SshdTestServer sftp;
    sftp.start();
    FtpTestServer ftp;
    ftp.start();
    const FTPUploader overSftp(sftp.connection());
    const FTPUploader overFtp(ftp.connection());
    // OpenSSH's own server: a connection test, a folder with spaces and a hash, its key trusted under its
    // port.
    EXPECT_FALSE(overSftp.testConnection());
    EXPECT_TRUE(
        readFile(SshKnownHosts::defaultPath()).startsWith(u"[127.0.0.1]:%1 "_s.arg(sftp.port()).toUtf8()));
    const QString folder = sftp.rootDir() + u"/Shoot 2024 #1"_s;
    EXPECT_FALSE(overSftp.createDirectory(folder));
    for (const QString& path : reported) {
        const QByteArray name = FileName::encode(path).mid(QFile::encodeName(watched).size() + 1);
        const QString remoteName = path.mid(watched.size() + 1);

        const auto sent = overSftp.upload(path, folder + u'/' + remoteName);
        EXPECT_FALSE(sent) << qPrintable(sent->description());
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
    ASSERT_TRUE(missing);
    EXPECT_TRUE(missing->description().endsWith(u"/gone\\xE9"_s)) << qPrintable(missing->description());
}
