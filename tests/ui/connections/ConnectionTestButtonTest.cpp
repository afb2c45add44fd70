// "Test Connection" against the real loopback servers: success, and failures worded so a person knows what
// to change.
#include "ConnectionsViewFixture.h"
#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
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
    // An error without advice is shown as libcurl says it.
    EXPECT_EQ(
        ConnectionTester::resultText(PushConnection{}, FTPError::curlExitCode(999, QStringLiteral("odd"))),
        QStringLiteral("✗ curl error 999: odd"));
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

} // namespace
