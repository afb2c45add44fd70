// "Test Connection" against the real loopback servers: success, and failures worded so a person knows what
// to change.
#include "ConnectionsViewFixture.h"
#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "transfer/FailureAdvice.h"
#include "ui/browser/RemoteFolderPickerView.h"
#include "ui/connections/ConnectionTester.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace ondrix::test;

namespace {

class ConnectionTestButtonTest : public ConnectionsViewFixture {
protected:
    // Selects the connection, presses "Test Connection" and returns the result line.
    QString testResult(const PushConnection& c)
    {
        view->selectConnection(c.id);
        ConnectionEditView* editor = view->editor();
        auto* button = find<QPushButton>(editor, QStringLiteral("testConnection"));
        QSignalSpy finished(editor, &ConnectionEditView::testFinished);
        button->click();
        EXPECT_TRUE(editor->isTesting());
        EXPECT_FALSE(button->isEnabled()) << "one test at a time";
        EXPECT_TRUE(finished.wait(30000));
        EXPECT_FALSE(editor->isTesting());
        EXPECT_TRUE(button->isEnabled());
        return editor->testResult();
    }

    PushConnection add(PushConnection c)
    {
        c.localFolder = env.makeDir(QStringLiteral("watched"));
        manager->addConnection(c);
        return c;
    }
};

TEST_F(ConnectionTestButtonTest, FtpSucceedsAndAStoppedServerIsExplained)
{
    FtpTestServer server;
    server.start();
    const PushConnection ok = add(server.connection());
    makeView();
    EXPECT_EQ(testResult(ok), QStringLiteral("✓ Connected successfully"));
    // One session with its login and listing: no second request that a user confined to a folder could be
    // refused.
    const QString log = QString::fromUtf8(readFile(server.logFile()));
    EXPECT_EQ(log.count(QLatin1String("FTP session opened")), 1) << log.toStdString();

    // The browse button walks the same server and saves the folder chosen there.
    QDir(server.rootDir()).mkpath(QStringLiteral("drop/photos"));
    find<QPushButton>(view->editor(), QStringLiteral("browseRemoteFolder"))->click();
    auto* picker = view->editor()->findChild<RemoteFolderPickerView*>();
    ASSERT_NE(picker, nullptr);
    picker->openFolder(QStringLiteral("/drop/photos"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return picker->currentPath() == QStringLiteral("/drop/photos") && picker->isShowingListing(); },
        20000));
    picker->selectCurrentFolder();
    EXPECT_EQ(stored(ok.id).remoteFolder, QStringLiteral("/drop/photos"));
    EXPECT_EQ(find<QLineEdit>(view->editor(), QStringLiteral("remoteFolder"))->text(),
              QStringLiteral("/drop/photos"));

    PushConnection wrong = server.connection();
    wrong.password = QStringLiteral("wrong");
    wrong = add(wrong);
    const QString refused = testResult(wrong);
    EXPECT_TRUE(refused.startsWith(
        QStringLiteral("✗ The server refused the login. Check the username and the password.")))
        << refused.toStdString();
    EXPECT_TRUE(refused.contains(QLatin1String("curl error 67"))) << "libcurl's own words follow";

    server.stop();
    const QString down = testResult(ok);
    EXPECT_TRUE(down.startsWith(
        QStringLiteral("✗ Nothing accepted a connection at 127.0.0.1 on port %1").arg(ok.port)))
        << down.toStdString();
    picture(view->editor()->content(), QStringLiteral("connection-editor-test-failed"));
}

TEST_F(ConnectionTestButtonTest, SftpRefusedLoginAndChangedHostKey)
{
    SftpTestServer server;
    server.start();
    PushConnection wrong = server.connection();
    wrong.password = QStringLiteral("wrong");
    wrong = add(wrong);
    const PushConnection ok = add(server.connection());
    makeView();

    const QString refused = testResult(wrong);
    EXPECT_TRUE(refused.startsWith(QStringLiteral("✗ The server refused the login.")))
        << refused.toStdString();
    EXPECT_EQ(testResult(ok), QStringLiteral("✓ Connected successfully"));

    server.replaceHostKey();
    const QString changed = testResult(ok);
    EXPECT_TRUE(changed.startsWith(QStringLiteral("✗ "))) << changed.toStdString();
    EXPECT_TRUE(changed.contains(QLatin1String("ssh-keygen -R"))) << changed.toStdString();
}

TEST(FailureAdvice, NamesTheFixForCommonFailures)
{
    PushConnection c;
    c.host = QStringLiteral(" nas.local ");
    EXPECT_TRUE(
        FailureAdvice::forError(c, FTPError::curlExitCode(6, QStringLiteral("Couldn't resolve host name")))
            .contains(QLatin1String("\"nas.local\" was not found")));
    EXPECT_TRUE(FailureAdvice::forError(c, FTPError::curlExitCode(60, QStringLiteral("SSL peer certificate")))
                    .contains(QLatin1String("certificate")));
    EXPECT_TRUE(
        FailureAdvice::forError(c, FTPError::curlExitCode(64, QStringLiteral("Requested SSL level failed")))
            .contains(QLatin1String("does not offer TLS")));
    EXPECT_TRUE(FailureAdvice::forError(c, FTPError::curlExitCode(999, QStringLiteral("?"))).isEmpty());
    // Advice follows what happened: an answer in the wrong protocol is a protocol to check, an SSH session
    // that broke off after working is not.
    const struct {
        TransferProtocol protocol;
        int code;
        const char* advice;
    } advice[] = {
        {TransferProtocol::ftp, 8, "Check that the protocol matches"},
        {TransferProtocol::sftp, 79, "The SSH connection broke off"},
        {TransferProtocol::sftp, 2, ""},
    };
    for (const auto& a : advice) {
        PushConnection p = c;
        p.transferProtocol = a.protocol;
        const QString text = FailureAdvice::forError(p, FTPError::curlExitCode(a.code, QStringLiteral("x")));
        EXPECT_TRUE(QLatin1String(a.advice).isEmpty() ? text.isEmpty()
                                                      : text.contains(QLatin1String(a.advice)))
            << a.code << ": " << text.toStdString();
    }
    // libcurl's "Login denied" over SFTP with a key: a key file that is gone is named as the cause.
    c.transferProtocol = TransferProtocol::sftp;
    c.sshKeyPath = QStringLiteral("/nonexistent/id_ed25519");
    EXPECT_TRUE(
        FailureAdvice::forError(c, FTPError::curlExitCode(67, QStringLiteral("Login denied")))
            .startsWith(QLatin1String("The private key file /nonexistent/id_ed25519 cannot be read")));
    EXPECT_EQ(ConnectionTester::resultText(c, FTPError::curlExitCode(999, QStringLiteral("odd"))),
              QStringLiteral("✗ curl error 999: odd"));
}

} // namespace
