#include "transfer/SshKnownHosts.h"

#include "support/TestEnvironment.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMessageAuthenticationCode>
#include <QScopeGuard>

#include <gtest/gtest.h>
#include <unistd.h>

#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::test;
using Verdict = SshKnownHosts::Verdict;

namespace {

QByteArray keyBlob(const QByteArray& type, const QByteArray& body)
{
    return QByteArray(3, '\0') + char(type.size()) + type + body;
}

} // namespace

// Trusted on first use and said once with ssh-keygen's fingerprint, refused when changed, per port.
TEST(SshKnownHosts, TrustsOnFirstUseAndRefusesAChangedKeyPerPort)
{
    TestEnvironment env;
    const QString file = SshKnownHosts::defaultPath();
    EXPECT_EQ(file, env.dataHome() + u"/Ondrix/known_hosts"_s);
    QStringList notices;
    SshKnownHosts::setNoticeReporter([&](const QString& notice) { notices << notice; });
    const auto quiet = qScopeGuard([] { SshKnownHosts::setNoticeReporter({}); });
    const QByteArray first = keyBlob("ecdsa-sha2-nistp256", "first");
    const QByteArray second = keyBlob("ecdsa-sha2-nistp256", "second");
    {
        // Concurrent first connections add one line.
        std::vector<std::jthread> threads;
        for (int i = 0; i < 8; ++i) {
            threads.emplace_back([&] { SshKnownHosts::check(file, u" 127.0.0.1 "_s, 2222, first); });
        }
    }
    EXPECT_EQ(readFile(file), QByteArray("[127.0.0.1]:2222 ecdsa-sha2-nistp256 " + first.toBase64() + '\n'));
    const QString fingerprint =
        u"SHA256:"_s + QString::fromLatin1(QCryptographicHash::hash(first, QCryptographicHash::Sha256)
                                               .toBase64(QByteArray::OmitTrailingEquals));
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(u"[127.0.0.1]:2222"_s) &&
                notices[0].contains(u"ecdsa-sha2-nistp256 "_s + fingerprint))
        << notices[0].toStdString();
    EXPECT_EQ(SshKnownHosts::check(file, u"127.0.0.1"_s, 2222, first), Verdict::trusted);
    EXPECT_EQ(SshKnownHosts::check(file, u"127.0.0.1"_s, 2222, second), Verdict::changed);
    // The refusal says what changed and how to remove the line.
    const QString message = SshKnownHosts::changedKeyMessage(file, u"127.0.0.1"_s, 2222);
    EXPECT_TRUE(message.startsWith(u"The server's host key changed: [127.0.0.1]:2222"_s) &&
                message.contains(u"ssh-keygen -R \"[127.0.0.1]:2222\" -f \"%1\""_s.arg(file)))
        << message.toStdString();

    // Another port of the same host is another server; port 22 is written without brackets.
    EXPECT_EQ(SshKnownHosts::check(file, u"127.0.0.1"_s, 2223, second), Verdict::added);
    EXPECT_EQ(SshKnownHosts::check(file, u"127.0.0.1"_s, 22, second), Verdict::added);
    EXPECT_TRUE(
        readFile(file).endsWith(QByteArray("\n127.0.0.1 ecdsa-sha2-nistp256 " + second.toBase64() + '\n')));
    EXPECT_EQ(SshKnownHosts::check(file, u"127.0.0.1"_s, 2222, first), Verdict::trusted);

    // A folder in the file's place cannot be read even by root, whom a file's mode would not stop.
    ASSERT_TRUE(QFile::rename(file, file + u".saved"_s) && QDir().mkpath(file));
    EXPECT_EQ(SshKnownHosts::check(file, u"127.0.0.1"_s, 2222, first), Verdict::unusable);
    ASSERT_TRUE(QDir().rmdir(file) && QFile::rename(file + u".saved"_s, file));
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes files whatever their mode says";
    }
    QFile::setPermissions(file, QFileDevice::ReadOwner);
    EXPECT_EQ(SshKnownHosts::check(file, u"127.0.0.1"_s, 2222, first), Verdict::trusted);
    EXPECT_EQ(SshKnownHosts::check(file, u"127.0.0.1"_s, 2224, first), Verdict::unusable);
    EXPECT_EQ(notices.size(), 3);
}

TEST(SshKnownHosts, ReadsLinesWrittenByOpenSsh)
{
    TestEnvironment env;
    const QString file = env.root() + u"/known_hosts"_s;
    const QByteArray key = keyBlob("ssh-ed25519", "k");
    const QByteArray salt = "0123456789abcdefghij";
    const QByteArray hashed =
        "|1|" + salt.toBase64() + '|' +
        QMessageAuthenticationCode::hash("[localhost]:2200", salt, QCryptographicHash::Sha1).toBase64();
    // A comment, a marker line, a multi-host line and a hashed host; the last line has no newline.
    env.writeFile(u"known_hosts"_s,
                  "# comment\n@revoked * ssh-ed25519 AAAA\nother,[Host.Example]:2201 ssh-ed25519 " +
                      key.toBase64() + "\n" + hashed + " ssh-ed25519 " + key.toBase64());

    EXPECT_EQ((QList{SshKnownHosts::check(file, u"host.example"_s, 2201, key),
                     SshKnownHosts::check(file, u"localhost"_s, 2200, key),
                     SshKnownHosts::check(file, u"localhost"_s, 2200, keyBlob("ssh-ed25519", "x")),
                     SshKnownHosts::check(file, u"[::1]"_s, 2200, key)}),
              (QList{Verdict::trusted, Verdict::trusted, Verdict::changed, Verdict::added}));
    EXPECT_TRUE(readFile(file).endsWith(
        QByteArray(key.toBase64() + "\n[::1]:2200 ssh-ed25519 " + key.toBase64() + '\n')));
}
