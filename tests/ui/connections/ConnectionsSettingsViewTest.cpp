// The connections tab as a person uses it: the sidebar, the editor's sections, the lock, the keyword presets
// file and the extension filter, over a real manager, with pictures of the editor.
#include "ConnectionsViewFixture.h"
#include "engine/ConnectionEngine.h"
#include "model/FilterPresets.h"
#include "ui/connections/ConnectionForm.h"
#include "ui/connections/ConnectionRowView.h"
#include "ui/connections/ExtensionFilterView.h"
#include "ui/connections/IptcPresetsFile.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QThread>
#include <QToolButton>

#include <gtest/gtest.h>

#include <atomic>

using namespace ondrix;
using namespace ondrix::test;

namespace {

class ConnectionsSettingsViewTest : public ConnectionsViewFixture {
protected:
    ConnectionRowView* row(int index) const
    {
        return static_cast<ConnectionRowView*>(view->list()->itemWidget(view->list()->item(index)));
    }

    static void choose(QComboBox* box, const QVariant& data)
    {
        const int index = box->findData(data);
        ASSERT_GE(index, 0) << data.toString().toStdString();
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }

    static void type(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClicks(field, text);
    }
};

TEST_F(ConnectionsSettingsViewTest, AddDuplicateAndDeleteFromTheSidebar)
{
    makeView();
    EXPECT_EQ(view->placeholderText(), QStringLiteral("Select a connection or add a new one."));

    find<QToolButton>(view.get(), QStringLiteral("addConnection"))->click();
    ASSERT_EQ(manager->connections().size(), 1);
    const PushConnection added = manager->connections().first();
    EXPECT_EQ(added.name, QStringLiteral("New Connection"));
    EXPECT_FALSE(added.isEnabled);
    EXPECT_EQ(view->selectedConnectionId(), added.id);
    ASSERT_NE(view->editor(), nullptr);
    type(find<QLineEdit>(view->editor(), QStringLiteral("name")), QStringLiteral("Studio"));
    choose(find<QComboBox>(view->editor(), QStringLiteral("protocol")), QStringLiteral("SFTP"));
    EXPECT_EQ(stored(added.id).name, QStringLiteral("Studio")) << "a switch saves the typing with it";
    EXPECT_EQ(row(0)->protocolText(), QStringLiteral("SFTP"));

    std::unique_ptr<QMenu> menu(view->contextMenuFor(added.id, nullptr));
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Duplicate"));
    menu->actions()[0]->trigger();
    ASSERT_EQ(manager->connections().size(), 2);
    PushConnection copy = manager->connections()[1];
    EXPECT_EQ(copy.name, QStringLiteral("Studio Copy"));
    EXPECT_NE(copy.id, added.id);
    copy.id = added.id;
    copy.name = QStringLiteral("Studio");
    EXPECT_EQ(copy, stored(added.id)) << "the same settings under a new id";
    const QUuid copyId = manager->connections()[1].id;

    view->selectConnection(copyId);
    auto* minus = find<QToolButton>(view.get(), QStringLiteral("removeConnection"));
    minus->click();
    ASSERT_EQ(dialogs.confirmations.size(), 1);
    EXPECT_EQ(dialogs.confirmations[0].title, QStringLiteral("Delete 'Studio Copy'?"));
    EXPECT_TRUE(dialogs.confirmations[0].destructive);
    EXPECT_EQ(manager->connections().size(), 2) << "cancelled";

    dialogs.confirmAnswers = {true};
    minus->click();
    ASSERT_EQ(manager->connections().size(), 1);
    EXPECT_EQ(view->selectedConnectionId(), added.id) << "the selection moves to a neighbour";

    dialogs.confirmAnswers = {true};
    std::unique_ptr<QMenu>(view->contextMenuFor(added.id, nullptr))->actions()[1]->trigger();
    EXPECT_TRUE(manager->connections().isEmpty());
    EXPECT_EQ(view->editor(), nullptr);
    EXPECT_EQ(view->placeholderText(), QStringLiteral("Select a connection or add a new one."));
}

TEST_F(ConnectionsSettingsViewTest, RowsSwitchAndLockAndTheSelectionFollowsNavigation)
{
    const PushConnection first = connection(QStringLiteral("First"));
    const PushConnection second = connection(QStringLiteral("Second"));
    manager->addConnection(first);
    manager->addConnection(second);
    makeView(false);
    EXPECT_EQ(view->selectedConnectionId(), std::nullopt) << "opened without a connection: none selected";
    EXPECT_EQ(view->placeholderText(), QStringLiteral("Select a connection or add a new one."));

    navigation.navigate(SettingsTab::connections, first.id);
    EXPECT_EQ(view->selectedConnectionId(), first.id);
    navigation.navigate(SettingsTab::connections, second.id);
    EXPECT_EQ(view->selectedConnectionId(), second.id);
    navigation.setConnectionId(QUuid::createUuid());
    EXPECT_EQ(view->selectedConnectionId(), second.id) << "an unknown id changes nothing";

    // The editor of Second has typing waiting when its row's power switch is used.
    type(find<QLineEdit>(view->editor(), QStringLiteral("host")), QStringLiteral("typed.example.com"));
    EXPECT_EQ(row(1)->powerButton()->toolTip(), QStringLiteral("Enable connection"));
    row(1)->powerButton()->click();
    EXPECT_TRUE(stored(second.id).isEnabled);
    EXPECT_EQ(row(1)->powerButton()->toolTip(), QStringLiteral("Disable connection"));
    view->editor()->saveNow();
    EXPECT_TRUE(stored(second.id).isEnabled) << "the editor took the switch";
    EXPECT_EQ(stored(second.id).host, QStringLiteral("typed.example.com")) << "and kept the typing";
    ASSERT_NE(manager->engine(second.id), nullptr);

    row(0)->lockButton()->click();
    EXPECT_TRUE(manager->lockedConnectionIds().contains(first.id));
    EXPECT_FALSE(view->editor()->isLocked()) << "the lock belongs to the other row";

    // The locked one cannot be edited, down to the extension boxes, until its editor's lock opens it.
    view->selectConnection(first.id);
    ConnectionEditView* editor = view->editor();
    auto* lock = find<QToolButton>(editor, QStringLiteral("lockButton"));
    EXPECT_TRUE(editor->isLocked());
    EXPECT_EQ(lock->text(), QStringLiteral("Unlock"));
    EXPECT_TRUE(lock->isEnabled());
    int controls = 0;
    for (QWidget* widget : editor->formArea()->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget)) {
            ++controls;
            EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();
        }
    }
    EXPECT_GT(controls, 90);
    const QList<QLabel*> labels = editor->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [editor](QLabel* label) {
        return label->text() == QStringLiteral("This connection is locked. Click the lock to edit.") &&
               label->isVisibleTo(editor);
    }));
    picture(view.get(), QStringLiteral("connections-tab-locked"));
    lock->click();
    EXPECT_FALSE(manager->lockedConnectionIds().contains(first.id));
    EXPECT_TRUE(find<QLineEdit>(editor, QStringLiteral("host"))->isEnabled());
    EXPECT_EQ(lock->text(), QStringLiteral("Lock"));
    lock->click();
    EXPECT_EQ(view->editor(), editor) << "locking keeps the editor";
    EXPECT_TRUE(editor->isLocked());
}

TEST_F(ConnectionsSettingsViewTest, AStalledFolderIsLookedAtOnceAndNeverOnTheMainThread)
{
    const PushConnection c = connection(QStringLiteral("Mount"));
    manager->addConnection(c);
    makeView();
    ConnectionEditView* editor = view->editor();
    const QString gone = env.root() + QStringLiteral("/mount/photos");
    QSemaphore mountAnswers;
    std::atomic<int> looks{0};
    std::atomic<bool> onMainThread{false};
    editor->setFolderCheckDelayMs(20);
    editor->setFolderCheck([&](const QString& path) {
        if (path != gone) {
            return ConnectionForm::localFolderProblem(path);
        }
        ++looks;
        onMainThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        mountAnswers.acquire(); // a network mount that does not answer
        return ConnectionForm::localFolderProblem(path);
    });
    editor->form().setLocalFolder(gone);
    auto* problem = find<QLabel>(editor, QStringLiteral("localFolderError"));
    // The form keeps answering every key while the look at the folder hangs.
    type(find<QLineEdit>(editor, QStringLiteral("name")), QStringLiteral("Mount of the studio"));
    QTest::qWait(100);
    EXPECT_EQ(find<QLineEdit>(editor, QStringLiteral("name"))->text(), QStringLiteral("Mount of the studio"));
    EXPECT_EQ(looks, 1) << "one look once edits pause, not one per key";
    EXPECT_FALSE(onMainThread);
    EXPECT_FALSE(problem->isVisibleTo(editor));
    mountAnswers.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return problem->isVisibleTo(editor); }));
    EXPECT_TRUE(problem->text().contains(QLatin1String("does not exist")));
}

TEST_F(ConnectionsSettingsViewTest, SectionsShowWhatTheChoicesNeed)
{
    const PushConnection c = connection(QStringLiteral("Rules"));
    manager->addConnection(c);
    makeView();
    ConnectionEditView* editor = view->editor();

    auto* passive = find<QRadioButton>(editor, QStringLiteral("ftpModePassive"));
    EXPECT_TRUE(passive->isVisibleTo(editor));
    choose(find<QComboBox>(editor, QStringLiteral("protocol")), QStringLiteral("SFTP"));
    EXPECT_FALSE(passive->isVisibleTo(editor)) << "SFTP has no FTP mode";
    {
        // The FTP mode's row leaves no gap: the box ends a margin below the last row, the private key's.
        settle();
        QWidget* keyRow = find<QPushButton>(editor, QStringLiteral("chooseSshKey"))->parentWidget();
        QWidget* box = keyRow->parentWidget();
        EXPECT_LE(box->height() - keyRow->geometry().bottom() - 1,
                  box->layout()->contentsMargins().bottom() + 4)
            << "empty space under the private key";
    }
    EXPECT_EQ(find<QLineEdit>(editor, QStringLiteral("port"))->text(), QStringLiteral("21"));
    EXPECT_EQ(stored(c.id).port, 21) << "the protocol does not move the port";
    auto* portHint = find<QLabel>(editor, QStringLiteral("portHint"));
    ASSERT_TRUE(portHint->isVisibleTo(editor));
    picture(editor->content(), QStringLiteral("connection-editor-port-hint"));
    find<QPushButton>(editor, QStringLiteral("useUsualPort"))->click();
    EXPECT_EQ(find<QLineEdit>(editor, QStringLiteral("port"))->text(), QStringLiteral("22"));
    EXPECT_EQ(stored(c.id).port, 22);
    EXPECT_FALSE(portHint->isVisibleTo(editor));

    type(find<QLineEdit>(editor, QStringLiteral("port")), QStringLiteral("70000"));
    EXPECT_TRUE(find<QLabel>(editor, QStringLiteral("portError"))->isVisibleTo(editor));

    choose(find<QComboBox>(editor, QStringLiteral("stabilityCheck")), qint64(5));
    EXPECT_EQ(stored(c.id).stabilityCheckSeconds, 5);

    auto* simultaneous = find<QSpinBox>(editor, QStringLiteral("simultaneousUploads"));
    simultaneous->setValue(9);
    EXPECT_EQ(stored(c.id).simultaneousUploads, 5);
    simultaneous->stepBy(-10);
    EXPECT_EQ(stored(c.id).simultaneousUploads, 1);

    auto* caption = find<QLabel>(editor, QStringLiteral("deleteModeCaption"));
    EXPECT_EQ(caption->text(), QStringLiteral("Copy mode: local files are kept after upload."));
    find<QCheckBox>(editor, QStringLiteral("deleteLocalAfterUpload"))->click();
    EXPECT_EQ(caption->text(), QStringLiteral("Move mode: local files are removed after upload."));
    EXPECT_TRUE(stored(c.id).deleteLocalAfterUpload);
    find<QCheckBox>(editor, QStringLiteral("useTemporaryName"))->click();
    EXPECT_EQ(stored(c.id).useTemporaryName, !c.useTemporaryName);

    auto* action = find<QComboBox>(editor, QStringLiteral("postUploadAction"));
    auto* path = find<QLabel>(editor, QStringLiteral("postUploadPath"));
    auto* chooser = find<QPushButton>(editor, QStringLiteral("choosePostUploadPath"));
    auto* scriptCaption = find<QLabel>(editor, QStringLiteral("postUploadCaption"));
    EXPECT_FALSE(chooser->isVisibleTo(editor));
    choose(action, int(PostUploadAction::Kind::moveToArchive));
    EXPECT_TRUE(chooser->isVisibleTo(editor));
    EXPECT_EQ(path->text(), QStringLiteral("Not selected"));
    const QString archive = env.makeDir(QStringLiteral("archive"));
    dialogs.folderAnswers = {archive};
    chooser->click();
    EXPECT_EQ(stored(c.id).postUploadAction, PostUploadAction::moveToArchive(archive));
    EXPECT_FALSE(scriptCaption->isVisibleTo(editor));
    choose(action, int(PostUploadAction::Kind::runScript));
    EXPECT_TRUE(scriptCaption->isVisibleTo(editor));
    const QString script = env.writeFile(QStringLiteral("bin/after.sh"), "#!/bin/sh\n");
    dialogs.openFileAnswers = {script};
    chooser->click();
    EXPECT_EQ(stored(c.id).postUploadAction, PostUploadAction::runScript(script))
        << "a file panel for a script";

    auto* start = find<QLabel>(editor, QStringLiteral("startHour"));
    find<QCheckBox>(editor, QStringLiteral("scheduleEnabled"))->click();
    find<QToolButton>(editor, QStringLiteral("startHourMinus"))->click();
    EXPECT_EQ(start->text(), QStringLiteral("8:00"));
    find<QToolButton>(editor, QStringLiteral("day1"))->click();
    EXPECT_EQ(stored(c.id).scheduleDays, (QList<qint64>{2, 3, 4, 5}));

    const QString watched = env.makeDir(QStringLiteral("chosen"));
    dialogs.folderAnswers = {watched};
    find<QPushButton>(editor, QStringLiteral("chooseLocalFolder"))->click();
    EXPECT_EQ(stored(c.id).localFolder, watched);
    EXPECT_TRUE(manager->activeBookmarks().contains(c.id)) << "the folder's bookmark is handed over";
}

TEST_F(ConnectionsSettingsViewTest, AnEditReachesTheStoreAndTheRunningEngineOnce)
{
    const PushConnection c = connection(QStringLiteral("Live"), true);
    manager->addConnection(c);
    manager->startAll();
    ASSERT_NE(manager->engine(c.id), nullptr);
    makeView();
    view->editor()->setSaveDelayMs(30);

    QSignalSpy saves(manager.get(), &ConnectionsManager::connectionsChanged);
    type(find<QLineEdit>(view->editor(), QStringLiteral("remoteFolder")), QStringLiteral("/photos/2026"));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        ConnectionEngine* engine = manager->engine(c.id);
        return engine && engine->connection().remoteFolder == QStringLiteral("/photos/2026");
    }));
    EXPECT_EQ(saves.count(), 1) << "typing is saved once, not once per key";
    const auto list = PushConnection::decodeList(store.dataValue(ConnectionsManager::kConnectionsKey));
    ASSERT_TRUE(list.has_value());
    ASSERT_EQ(list->size(), 1);
    EXPECT_EQ(list->first().remoteFolder, QStringLiteral("/photos/2026"));

    // Typing still waiting when the user moves on is saved, not lost.
    view->editor()->setSaveDelayMs(60000);
    type(find<QLineEdit>(view->editor(), QStringLiteral("username")), QStringLiteral("kim"));
    find<QToolButton>(view.get(), QStringLiteral("addConnection"))->click();
    EXPECT_EQ(stored(c.id).username, QStringLiteral("kim"));
}

TEST_F(ConnectionsSettingsViewTest, KeywordPresetsExportThenImport)
{
    PushConnection c = connection(QStringLiteral("Keywords"));
    c.iptcEnabled = true;
    c.iptcKeywords = {
        IPTCKeywordEntry{QUuid::createUuid(), QStringLiteral("Holiday"), QStringLiteral("beach, sea")},
        IPTCKeywordEntry{QUuid::createUuid(), QString(), QStringLiteral("city")}};
    manager->addConnection(c);
    makeView();
    ConnectionEditView* editor = view->editor();
    EXPECT_EQ(find<QComboBox>(editor, QStringLiteral("activeIptcPreset"))->itemText(2),
              QStringLiteral("city"));

    const QString exported = env.root() + QStringLiteral("/presets.ondrix-keywords");
    dialogs.saveFileAnswers = {exported};
    find<QPushButton>(editor, QStringLiteral("exportIptc"))->click();
    QFile file(exported);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(IptcPresetsFile::decode(file.readAll()), c.iptcKeywords);

    const QString malformed = env.writeFile(QStringLiteral("bad.json"), R"([{"name":"x","keyword":"y"}])");
    dialogs.openFileAnswers = {malformed};
    find<QPushButton>(editor, QStringLiteral("importIptc"))->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QLatin1String("not an IPTC presets file")))
        << dialogs.messages[0].toStdString();
    EXPECT_EQ(stored(c.id).iptcKeywords, c.iptcKeywords) << "a refused file changes nothing";

    editor->findChildren<QToolButton*>(QStringLiteral("removeIptcPreset")).first()->click();
    ASSERT_EQ(stored(c.id).iptcKeywords.size(), 1);
    dialogs.openFileAnswers = {exported};
    find<QPushButton>(editor, QStringLiteral("importIptc"))->click();
    const QList<IPTCKeywordEntry> merged = stored(c.id).iptcKeywords;
    ASSERT_EQ(merged.size(), 2) << "city was there already";
    EXPECT_EQ(merged[1].name, QStringLiteral("Holiday"));
    EXPECT_EQ(merged[1].keyword, QStringLiteral("beach, sea"));
    EXPECT_NE(merged[1].id, c.iptcKeywords[0].id);
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(ConnectionsSettingsViewTest, ExtensionCategoriesFollowThePresetAndReset)
{
    const PushConnection c = connection(QStringLiteral("Filter"));
    manager->addConnection(c);
    makeView();
    auto* filter = view->editor()->findChild<ExtensionFilterView*>();
    ASSERT_NE(filter, nullptr);
    // The rules themselves are ExtensionFilterRulesTest's; here, that the boxes edit the stored connection.
    choose(filter->presetPicker(), QStringLiteral("photos"));
    EXPECT_EQ(stored(c.id).extensionPreset, QStringLiteral("photos"));
    filter->categoryBox(QStringLiteral("raw"))->click();
    EXPECT_FALSE(
        FilterPresets::extensionSet(stored(c.id).includedExtensions).contains(QStringLiteral("dng")));
    ASSERT_TRUE(filter->resetButton()->isVisibleTo(filter));
    filter->resetButton()->click();
    EXPECT_EQ(FilterPresets::extensionSet(stored(c.id).includedExtensions),
              FilterPresets::extensionSet(FilterPresets::byId(QStringLiteral("photos"))->extensions));
}

TEST_F(ConnectionsSettingsViewTest, PicturesAndAccessibleNames)
{
    PushConnection ftp = connection(QStringLiteral("Studio FTP"), true);
    ftp.host = QStringLiteral("ftp.example.com");
    ftp.username = QStringLiteral("studio");
    ftp.remoteFolder = QStringLiteral("/uploads/photos");
    ftp.iptcEnabled = true;
    ftp.iptcKeywords = {
        IPTCKeywordEntry{QUuid::createUuid(), QStringLiteral("Holiday"), QStringLiteral("beach, sea")}};
    ftp.selectedIPTCKeywordID = ftp.iptcKeywords[0].id;
    ftp.postUploadAction = PostUploadAction::runScript(QStringLiteral("/usr/local/bin/after-upload"));
    ftp.scheduleEnabled = true;
    ftp.extensionPreset = QStringLiteral("photos");
    ftp.includedExtensions = FilterPresets::byId(QStringLiteral("photos"))->extensions;
    ftp.excludedExtensions = FilterPresets::tempList();
    PushConnection sftp = connection(QStringLiteral("Archive SFTP"));
    sftp.transferProtocol = TransferProtocol::sftp;
    sftp.port = 22;
    sftp.host.clear();
    // A folder inside the one the FTP connection watches: the editor says what waits for whom.
    sftp.localFolder = env.makeDir(QStringLiteral("folders/Studio FTP/raw"));
    sftp.deleteLocalAfterUpload = true;
    manager->addConnection(ftp);
    manager->addConnection(sftp);
    manager->toggleLock(sftp.id);
    makeView();

    picture(view.get(), QStringLiteral("connections-tab"));
    auto* scroll = view->editor()->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << "the form fits the settings window's width";
    picture(view->editor()->content(), QStringLiteral("connection-editor-ftp"));
    view->selectConnection(sftp.id);
    manager->toggleLock(sftp.id);
    picture(view->editor()->content(), QStringLiteral("connection-editor-sftp"));
    auto* shared = find<QLabel>(view->editor(), QStringLiteral("sharedFolderNote"));
    EXPECT_TRUE(shared->isVisibleTo(view->editor()));
    EXPECT_TRUE(
        shared->text().startsWith(QStringLiteral("Also watched by “Studio FTP”: a file is deleted only")))
        << shared->text().toStdString();
    view->selectConnection(ftp.id);
    EXPECT_FALSE(
        find<QLabel>(view->editor(), QStringLiteral("sharedFolderNote"))->isVisibleTo(view->editor()))
        << "the other one is disabled, so it watches nothing";

    EXPECT_EQ(controlsWithoutAccessibleName(view.get()).join(QLatin1Char('\n')), QString());
}

} // namespace
