#include "ConnectionsViewFixture.h"
#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "ui/browser/RemoteFolderPickerView.h"
#include "ui/connections/ConnectionTester.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::test;

namespace {

class ConnectionTestButtonTest : public ConnectionsViewFixture {
protected:
    QString testResult(const PushConnection& c)
    {
        view->selectConnection(c.id);
        ConnectionEditView* editor = view->editor();
        auto* button = find<QPushButton>(editor, u"testConnection"_s);
        QSignalSpy finished(editor, &ConnectionEditView::testFinished);
        button->click();
        EXPECT_TRUE(editor->isTesting() && !button->isEnabled()) << "one test at a time";
        EXPECT_TRUE(finished.wait(30000));
        EXPECT_TRUE(!editor->isTesting() && button->isEnabled());
        return editor->testResult();
    }

    PushConnection add(PushConnection c, const QString& password = {})
    {
        c.localFolder = env.makeDir(u"watched"_s);
        c.password = password.isEmpty() ? c.password : password;
        manager->addConnection(c);
        return c;
    }
};

TEST_F(ConnectionTestButtonTest, SuccessAndFailuresAreExplained)
{
    FtpTestServer server;
    server.start();
    SftpTestServer sftpServer;
    sftpServer.start();
    const PushConnection ok = add(server.connection());
    const PushConnection wrong = add(server.connection(), u"wrong"_s);
    const PushConnection sftp = add(sftpServer.connection());
    const PushConnection sftpWrong = add(sftpServer.connection(), u"wrong"_s);
    makeView();
    EXPECT_EQ(testResult(ok), u"✓ Connected successfully"_s);
    // One session for login and listing: no second request a user confined to a folder could be refused.
    const QString log = QString::fromUtf8(readFile(server.logFile()));
    EXPECT_EQ(log.count("FTP session opened"_L1), 1) << log.toStdString();

    // The browse button walks the same server and saves the folder chosen there.
    QDir(server.rootDir()).mkpath(u"drop/photos"_s);
    find<QPushButton>(view->editor(), u"browseRemoteFolder"_s)->click();
    auto* picker = view->editor()->findChild<RemoteFolderPickerView*>();
    picker->openFolder(u"/drop/photos"_s);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return picker->currentPath() == u"/drop/photos"_s && picker->isShowingListing(); }, 20000));
    picker->selectCurrentFolder();
    EXPECT_EQ(stored(ok.id).remoteFolder, u"/drop/photos"_s);

    // libcurl's own words follow the advice.
    for (const PushConnection& refused : {wrong, sftpWrong}) {
        const QString result = testResult(refused);
        EXPECT_TRUE(
            result.startsWith(u"✗ The server refused the login. Check the username and the password."_s) &&
            result.contains("curl error 67"_L1))
            << result.toStdString();
    }
    EXPECT_EQ(testResult(sftp), u"✓ Connected successfully"_s);
    sftpServer.replaceHostKey();
    const QString changed = testResult(sftp);
    EXPECT_TRUE(changed.startsWith(u"✗ "_s) && changed.contains("ssh-keygen -R"_L1)) << changed.toStdString();

    server.stop();
    const QString down = testResult(ok);
    EXPECT_TRUE(down.startsWith(u"✗ Nothing accepted a connection at 127.0.0.1 on port %1"_s.arg(ok.port)))
        << down.toStdString();
    picture(view->editor()->content(), u"connection-editor-test-failed"_s);
    // An error without advice is shown as libcurl says it.
    EXPECT_EQ(ConnectionTester::resultText(PushConnection{}, FTPError::curlExitCode(999, u"odd"_s)),
              u"✗ curl error 999: odd"_s);
}

} // namespace
