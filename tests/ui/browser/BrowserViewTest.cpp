#include "ui/browser/BrowserView.h"

#include "BrowserTestSupport.h"
#include "supervision/ConnectionsManager.h"
#include "support/EngineTestServices.h"
#include "support/ui/UiTestSupport.h"
#include "ui/browser/BrowserFolderView.h"
#include "ui/browser/BrowserStatePage.h"
#include "ui/browser/NamePromptBar.h"
#include "ui/browser/RemoteItemModel.h"
#include "ui/browser/RemoteListingLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace ondrix::test;

namespace {

class BrowserViewTest : public EngineTestFixture {
protected:
    BrowserViewTest() { pool.setMaxThreadCount(4); }
    ~BrowserViewTest() override { pool.waitForDone(); }

    std::unique_ptr<BrowserView> makeView()
    {
        auto view = std::make_unique<BrowserView>(manager, store, pool, dialogs, &log);
        view->resize(780, 540);
        view->show();
        return view;
    }

    // Waits until the folder on top of the stack is listed and nothing else is on its way.
    static void waitForListing(BrowserFolderView* folder)
    {
        ASSERT_TRUE(QTest::qWaitFor(
            [folder] { return folder->isShowingListing() && !folder->loader()->isLoading(); }, kServerWaitMs))
            << folder->currentPath().toStdString() << ": " << folder->statePage()->text().toStdString();
    }

    static QStringList shownNames(BrowserFolderView* folder)
    {
        QStringList names;
        QAbstractItemModel* model = folder->table()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, RemoteItemModel::NameColumn).data().toString();
        return names;
    }

    static void answerPrompt(BrowserFolderView* folder, const QString& text)
    {
        ASSERT_TRUE(folder->prompt()->isVisible());
        folder->prompt()->field()->setText(text);
        folder->prompt()->acceptButton()->click();
    }

    static void waitForCommand(BrowserFolderView* folder, QSignalSpy& commands, qsizetype count)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return commands.size() >= count; }, kServerWaitMs));
        EXPECT_EQ(commands.last().first().toString(), QString()) << "the command failed";
        waitForListing(folder);
    }

    static QColor tagColourOf(BrowserFolderView* folder, const QString& name)
    {
        const QModelIndex index = folder->table()->model()->index(shownNames(folder).indexOf(name), 0);
        return index.data(RemoteItemModel::TagColourRole).value<QColor>();
    }

    ConnectionsManager manager{services, nullptr, nullptr};
    FakeDialogs dialogs;
};

class BrowserProtocolTest : public BrowserViewTest, public ::testing::WithParamInterface<TransferProtocol> {};

} // namespace

TEST_P(BrowserProtocolTest, ListsCreatesRenamesAndDeletes)
{
    BrowserTestServer server(GetParam());
    server.makeFile("/a/one.jpg", 1234);
    server.makeFile("/b.txt");
    server.makeFile("/C.txt");
    server.makeFile("/d.txt");
    manager.setConnections({server.connection()});
    auto view = makeView();

    view->sidebar()->setCurrentRow(0);
    BrowserFolderView* folder = view->folderView();
    ASSERT_NE(folder, nullptr);
    waitForListing(folder);
    EXPECT_EQ(shownNames(folder), QStringList({"a", "b.txt", "C.txt", "d.txt"}));
    EXPECT_EQ(folder->summaryText(), "1 folder, 3 files");
    QSignalSpy commands(folder, &BrowserFolderView::commandFinished);

    // A new folder at the top, its name typed with spaces and a newline around it.
    folder->startNewFolder();
    answerPrompt(folder, "  Photos \n");
    waitForCommand(folder, commands, 1);
    EXPECT_TRUE(QFileInfo(server.rootDir() + "/Photos").isDir());
    EXPECT_EQ(shownNames(folder), QStringList({"a", "Photos", "b.txt", "C.txt", "d.txt"}));
    ASSERT_EQ(folder->selectedItems().size(), 1);
    EXPECT_EQ(folder->selectedItems().first().id, "/Photos");

    folder->selectPaths({"/a"});
    folder->openSelected();
    waitForListing(folder);
    EXPECT_EQ(folder->navStack(), QStringList({"/", "/a"}));
    EXPECT_EQ(shownNames(folder), QStringList({"one.jpg"}));
    EXPECT_EQ(folder->table()->model()->index(0, RemoteItemModel::SizeColumn).data().toString(), "1.2 kB");
    // Every server's listing carries the date the file was last changed.
    EXPECT_FALSE(
        folder->table()->model()->index(0, RemoteItemModel::ModifiedColumn).data().toString().isEmpty());

    // Rename, in the same folder; the tag follows the entry.
    folder->selectPaths({"/a/one.jpg"});
    folder->tagSelected(BrowserTag::orange);
    folder->startRename();
    EXPECT_EQ(folder->prompt()->field()->text(), "one.jpg");
    answerPrompt(folder, " two.jpg ");
    waitForCommand(folder, commands, 2);
    EXPECT_TRUE(server.exists("/a/two.jpg") && !server.exists("/a/one.jpg"));
    EXPECT_EQ(tagColourOf(folder, "two.jpg"), colour(BrowserTag::orange));

    // Back to the top; three files deleted at once after a confirmation that counts them.
    folder->navigateBack();
    waitForListing(folder);
    folder->selectPaths({"/b.txt", "/C.txt", "/d.txt"});
    dialogs.confirmAnswers = {true};
    folder->deleteSelected();
    ASSERT_EQ(dialogs.confirmations.size(), 1);
    EXPECT_EQ(dialogs.confirmations.first().title + '|' + dialogs.confirmations.first().acceptLabel,
              "Delete 3 items?|Delete");
    EXPECT_TRUE(dialogs.confirmations.first().destructive);
    waitForCommand(folder, commands, 3);
    EXPECT_FALSE(server.exists("/b.txt") || server.exists("/C.txt") || server.exists("/d.txt"));
    EXPECT_EQ(shownNames(folder), QStringList({"a", "Photos"}));
    EXPECT_TRUE(folder->selectedItems().isEmpty());

    // A folder that is not empty cannot go: the server's refusal is shown and logged, the listing stays.
    folder->selectPaths({"/a"});
    dialogs.confirmAnswers = {true};
    folder->deleteSelected();
    EXPECT_EQ(dialogs.confirmations.last().title, "Delete 'a'?");
    ASSERT_TRUE(QTest::qWaitFor([&] { return commands.size() == 4; }, kServerWaitMs));
    waitForListing(folder);
    EXPECT_TRUE(folder->operationError().startsWith("Could not delete “a”: "))
        << folder->operationError().toStdString();
    EXPECT_TRUE(server.exists("/a/two.jpg"));
    EXPECT_EQ(shownNames(folder), QStringList({"a", "Photos"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return logMessages().filter("Could not delete “a”").size() == 1; }))
        << logMessages().join('\n').toStdString();

    if (GetParam() == TransferProtocol::ftp) {
        folder->selectPaths({"/Photos"});
        folder->tagSelected(BrowserTag::green);
        saveScreenshot(view.get(), "browser");
        EXPECT_EQ(controlsWithoutAccessibleName(view.get()).join('\n').toStdString(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Servers, BrowserProtocolTest,
                         ::testing::Values(TransferProtocol::ftp, TransferProtocol::ftps,
                                           TransferProtocol::sftp),
                         [](const auto& info) { return rawValue(info.param).toStdString(); });

// Names the server sends are shown but never acted on; a late answer never replaces the folder opened since.
TEST_F(BrowserViewTest, NamesTheServerSendsAreNeverActedOnAndLateAnswersAreDropped)
{
    // Listed with LIST, where a link shows its target (MLSD describes what the link points to).
    BrowserTestServer server(TransferProtocol::ftp, false);
    server.makeFile("/plain.txt");
    server.makeFile("/line\nbreak.txt");
    server.makeFile("/slow/left.txt");
    server.makeFile("/fast/right.txt");
    ASSERT_TRUE(QFile::link("../outside", server.rootDir() + "/link"));
    HoldingProxy proxy(server.connection().port);
    PushConnection connection = server.connection();
    connection.port = proxy.port();
    manager.setConnections({connection});
    auto view = makeView();
    view->selectConnection(connection.id);
    BrowserFolderView* folder = view->folderView();
    waitForListing(folder);

    // The symbolic link is listed as the server writes it, "link -> ../outside": shown, never used.
    const QStringList names = shownNames(folder);
    ASSERT_TRUE(names.contains("link -> ../outside")) << names.join('|').toStdString();
    folder->selectPaths({"/link -> ../outside"});
    ASSERT_EQ(folder->selectedItems().size(), 1);
    folder->deleteSelected();
    folder->startRename();
    folder->tagSelected(BrowserTag::red);
    EXPECT_TRUE(dialogs.confirmations.isEmpty() && !folder->prompt()->isVisible());
    ASSERT_EQ(dialogs.messages.size(), 3);
    EXPECT_TRUE(dialogs.messages[0].startsWith(
        "Cannot Delete: The server lists an entry named “link -> ../outside”"));
    EXPECT_FALSE(tagColourOf(folder, "link -> ../outside").isValid());
    EXPECT_TRUE(QFileInfo(server.rootDir() + "/link").isSymLink());

    // A typed name that would leave the folder is refused too.
    folder->startNewFolder();
    answerPrompt(folder, "../escape");
    EXPECT_EQ(dialogs.messages.size(), 4);
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(server.rootDir()).path() + "/escape"));

    QSignalSpy dropped(folder->loader(), &RemoteListingLoader::answerDropped);

    // The server stops answering the connection the listing of "/slow" goes out on: the view says it loads.
    proxy.hold();
    folder->navigateInto("/slow");
    QTest::qWait(100);
    EXPECT_TRUE(folder->loader()->isLoading());
    EXPECT_TRUE(folder->statePage()->isVisible());
    EXPECT_EQ(folder->statePage()->title(), "Loading…");

    // The user goes elsewhere; that listing does not wait for the stuck one.
    folder->navigateBack();
    folder->navigateInto("/fast");
    waitForListing(folder);
    EXPECT_EQ(shownNames(folder), QStringList({"right.txt"}));

    proxy.release();
    const auto droppedSlow = [&] {
        return std::any_of(dropped.begin(), dropped.end(),
                           [](const QList<QVariant>& arguments) { return arguments.first() == "/slow"; });
    };
    ASSERT_TRUE(QTest::qWaitFor(droppedSlow, kServerWaitMs));
    QTest::qWait(50);
    EXPECT_EQ(folder->currentPath(), "/fast");
    EXPECT_EQ(shownNames(folder), QStringList({"right.txt"}));
    EXPECT_TRUE(folder->isShowingListing());
}

// Empty states follow the connection list; a stopped server shows its error and the view recovers on retry.
TEST_F(BrowserViewTest, EmptyAndFailureStatesFollowTheConnectionsAndTheServer)
{
    auto view = makeView();
    EXPECT_EQ(view->placeholder()->title(), "No connections");
    EXPECT_EQ(view->placeholder()->text(), "Add a connection in the Connections tab first.");
    saveScreenshot(view.get(), "browser-no-connections");

    BrowserTestServer server(TransferProtocol::ftp);
    server.makeFolder("/empty");
    PushConnection connection = server.connection();
    manager.addConnection(connection);
    EXPECT_EQ(view->placeholder()->title(), "Select a connection");
    ASSERT_EQ(view->sidebar()->count(), 1);
    EXPECT_EQ(view->sidebar()->item(0)->text(), "Test FTP");
    view->sidebar()->setCurrentRow(0);
    BrowserFolderView* folder = view->folderView();
    waitForListing(folder);

    server.stop();
    QSignalSpy failures(folder, &BrowserFolderView::listingFailed);
    folder->refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !failures.isEmpty(); }, kServerWaitMs));
    EXPECT_TRUE(folder->statePage()->isVisible());
    EXPECT_TRUE(folder->statePage()->text().startsWith("Nothing accepted a connection"))
        << folder->statePage()->text().toStdString();
    EXPECT_EQ(folder->statePage()->button()->text(), "Retry");
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return logMessages().filter("[Test FTP] Cannot list /:").size() == 1;
    })) << logMessages().join('\n').toStdString();
    saveScreenshot(view.get(), "browser-error");
    EXPECT_EQ(controlsWithoutAccessibleName(view.get()).join('\n').toStdString(), "");
    server.restart();
    folder->statePage()->button()->click();
    waitForListing(folder);
    EXPECT_EQ(shownNames(folder), QStringList({"empty"}));
    folder->navigateInto("/empty");
    waitForListing(folder);
    EXPECT_EQ(folder->summaryText(), "Empty folder");

    // Renaming the connection keeps the sidebar current; deleting it closes its folders.
    connection.name = "Renamed";
    manager.updateConnection(connection);
    EXPECT_EQ(view->sidebar()->item(0)->text(), "Renamed");
    manager.deleteConnection(connection.id);
    EXPECT_EQ(view->folderView(), nullptr);
    EXPECT_EQ(view->placeholder()->title(), "No connections");
}
