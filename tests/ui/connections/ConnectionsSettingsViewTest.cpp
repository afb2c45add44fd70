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

using namespace Qt::StringLiterals;

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

TEST_F(ConnectionsSettingsViewTest, AddDuplicateDeleteAndPictures)
{
    makeView();
    find<QToolButton>(view.get(), u"addConnection"_s)->click();
    ASSERT_EQ(manager->connections().size(), 1);
    const PushConnection added = manager->connections().first();
    EXPECT_EQ(added.name, u"New Connection"_s);
    EXPECT_FALSE(added.isEnabled);
    EXPECT_EQ(view->selectedConnectionId(), added.id);
    ASSERT_NE(view->editor(), nullptr);
    type(find<QLineEdit>(view->editor(), u"name"_s), u"Studio"_s);
    choose(find<QComboBox>(view->editor(), u"protocol"_s), u"SFTP"_s);
    EXPECT_EQ(stored(added.id).name, u"Studio"_s) << "a switch saves the typing with it";
    EXPECT_EQ(row(0)->protocolText(), u"SFTP"_s);

    std::unique_ptr<QMenu> menu(view->contextMenuFor(added.id, nullptr));
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), u"Duplicate"_s);
    menu->actions()[0]->trigger();
    ASSERT_EQ(manager->connections().size(), 2);
    const PushConnection copy = manager->connections()[1];
    EXPECT_EQ(copy.name, u"Studio Copy"_s);
    EXPECT_NE(copy.id, added.id);
    PushConnection original = stored(added.id);
    original.id = copy.id;
    original.name = copy.name;
    EXPECT_EQ(copy, original) << "the same settings under a new id";
    view->selectConnection(copy.id);
    auto* minus = find<QToolButton>(view.get(), u"removeConnection"_s);
    minus->click();
    ASSERT_EQ(dialogs.confirmations.size(), 1);
    EXPECT_EQ(dialogs.confirmations[0].title, u"Delete 'Studio Copy'?"_s);
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
    EXPECT_EQ(view->placeholderText(), u"Select a connection or add a new one."_s);

    // Pictures of the tab and both editors, the folder another connection watches named, every control named.
    PushConnection ftp = loopbackConnection(u"Studio FTP"_s);
    ftp.host = u"ftp.example.com"_s;
    ftp.port = 21;
    ftp.iptcEnabled = true;
    ftp.iptcKeywords = {IPTCKeywordEntry{QUuid::createUuid(), u"Holiday"_s, u"beach, sea"_s}};
    ftp.selectedIPTCKeywordID = ftp.iptcKeywords[0].id;
    ftp.postUploadAction = PostUploadAction::runScript(u"/usr/local/bin/after-upload"_s);
    ftp.extensionPreset = u"photos"_s;
    ftp.includedExtensions = FilterPresets::byId(u"photos"_s)->extensions;
    ftp.excludedExtensions = FilterPresets::tempList();
    PushConnection sftp = loopbackConnection(u"Archive SFTP"_s, false);
    sftp.transferProtocol = TransferProtocol::sftp;
    sftp.port = 22;
    sftp.host.clear();
    // A folder inside the one the FTP connection watches: the editor says what waits for whom.
    sftp.localFolder = env.makeDir(u"folders/Studio FTP/raw"_s);
    sftp.deleteLocalAfterUpload = true;
    manager->addConnection(ftp);
    manager->addConnection(sftp);
    manager->toggleLock(sftp.id);
    view->selectConnection(ftp.id);

    picture(view.get(), u"connections-tab"_s);
    EXPECT_FALSE(view->editor()->findChild<QScrollArea*>()->horizontalScrollBar()->isVisible());
    picture(view->editor()->content(), u"connection-editor-ftp"_s);
    view->selectConnection(sftp.id);
    manager->toggleLock(sftp.id);
    picture(view->editor()->content(), u"connection-editor-sftp"_s);
    auto* shared = find<QLabel>(view->editor(), u"sharedFolderNote"_s);
    EXPECT_TRUE(shared->isVisibleTo(view->editor()));
    EXPECT_TRUE(shared->text().startsWith(u"Also watched by “Studio FTP”: a file is deleted only"_s))
        << shared->text().toStdString();
    view->selectConnection(ftp.id);
    EXPECT_FALSE(find<QLabel>(view->editor(), u"sharedFolderNote"_s)->isVisibleTo(view->editor()));

    EXPECT_EQ(controlsWithoutAccessibleName(view.get()).join('\n'_L1), QString());
}

// A row's switch keeps the editor's typing; an edit reaches store and engine once; a lock blocks editing.
TEST_F(ConnectionsSettingsViewTest, RowsSwitchAndLockAndTheSelectionFollowsNavigation)
{
    const PushConnection first = loopbackConnection(u"First"_s, false);
    const PushConnection second = loopbackConnection(u"Second"_s, false);
    manager->addConnection(first);
    manager->addConnection(second);
    makeView(false);
    EXPECT_EQ(view->selectedConnectionId(), std::nullopt) << "opened without a connection: none selected";

    navigation.navigate(SettingsTab::connections, second.id);
    EXPECT_EQ(view->selectedConnectionId(), second.id);
    navigation.setConnectionId(QUuid::createUuid());
    EXPECT_EQ(view->selectedConnectionId(), second.id) << "an unknown id changes nothing";

    // The editor of Second has typing waiting when its row's power switch is used.
    type(find<QLineEdit>(view->editor(), u"host"_s), u"typed.example.com"_s);
    EXPECT_EQ(row(1)->powerButton()->toolTip(), u"Enable connection"_s);
    row(1)->powerButton()->click();
    EXPECT_EQ(row(1)->powerButton()->toolTip(), u"Disable connection"_s);
    view->editor()->saveNow();
    EXPECT_TRUE(stored(second.id).isEnabled) << "the editor took the switch";
    EXPECT_EQ(stored(second.id).host, u"typed.example.com"_s) << "and kept the typing";
    ASSERT_NE(manager->engine(second.id), nullptr);

    view->editor()->setSaveDelayMs(30);
    QSignalSpy saves(manager.get(), &ConnectionsManager::connectionsChanged);
    type(find<QLineEdit>(view->editor(), u"remoteFolder"_s), u"/photos/2026"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        ConnectionEngine* engine = manager->engine(second.id);
        return engine && engine->connection().remoteFolder == u"/photos/2026"_s;
    }));
    EXPECT_EQ(saves.count(), 1);
    EXPECT_TRUE(store.dataValue(ConnectionsManager::kConnectionsKey).contains("/photos/2026"));
    view->editor()->setSaveDelayMs(60000);
    type(find<QLineEdit>(view->editor(), u"username"_s), u"kim"_s);
    find<QToolButton>(view.get(), u"addConnection"_s)->click();
    EXPECT_EQ(stored(second.id).username, u"kim"_s);

    row(0)->lockButton()->click();

    EXPECT_TRUE(manager->lockedConnectionIds().contains(first.id));
    EXPECT_FALSE(view->editor()->isLocked()) << "the lock belongs to the other row";

    // The locked one cannot be edited, down to the extension boxes, until its editor's lock opens it.
    view->selectConnection(first.id);
    ConnectionEditView* editor = view->editor();
    auto* lock = find<QToolButton>(editor, u"lockButton"_s);
    EXPECT_TRUE(lock->isEnabled() && lock->text() == u"Unlock"_s);
    int controls = 0;
    for (QWidget* widget : editor->formArea()->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget)) {
            ++controls;
            EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();
        }
    }
    EXPECT_GT(controls, 90);
    EXPECT_TRUE(visibleTexts(editor).contains(u"This connection is locked. Click the lock to edit."_s));
    picture(view.get(), u"connections-tab-locked"_s);
    lock->click();
    EXPECT_FALSE(manager->lockedConnectionIds().contains(first.id));
    EXPECT_TRUE(find<QLineEdit>(editor, u"host"_s)->isEnabled());
    EXPECT_EQ(lock->text(), u"Lock"_s);
    lock->click();
    EXPECT_EQ(view->editor(), editor) << "locking keeps the editor";
    EXPECT_TRUE(editor->isLocked());
}

// Sections show what the choices need; presets export and import; a stalled folder is looked at off-thread.
TEST_F(ConnectionsSettingsViewTest, SectionsShowWhatTheChoicesNeed)
{
    PushConnection c = loopbackConnection(u"Rules"_s, false);
    c.port = 21;
    c.iptcEnabled = true;
    c.iptcKeywords = {IPTCKeywordEntry{QUuid::createUuid(), u"Holiday"_s, u"beach, sea"_s},
                      IPTCKeywordEntry{QUuid::createUuid(), QString(), u"city"_s}};
    manager->addConnection(c);
    makeView();
    ConnectionEditView* editor = view->editor();

    choose(find<QComboBox>(editor, u"protocol"_s), u"SFTP"_s);
    EXPECT_FALSE(find<QRadioButton>(editor, u"ftpModePassive"_s)->isVisibleTo(editor));
    // The FTP mode's row leaves no gap: the box ends a margin below the last row, the private key's.
    settle();
    QWidget* keyRow = find<QPushButton>(editor, u"chooseSshKey"_s)->parentWidget();
    QWidget* box = keyRow->parentWidget();
    EXPECT_LE(box->height() - keyRow->geometry().bottom() - 1, box->layout()->contentsMargins().bottom() + 4);
    auto* portHint = find<QLabel>(editor, u"portHint"_s);
    ASSERT_TRUE(portHint->isVisibleTo(editor));
    picture(editor->content(), u"connection-editor-port-hint"_s);
    find<QPushButton>(editor, u"useUsualPort"_s)->click();
    EXPECT_EQ(stored(c.id).port, 22);
    EXPECT_FALSE(portHint->isVisibleTo(editor));

    type(find<QLineEdit>(editor, u"port"_s), u"70000"_s);
    EXPECT_TRUE(find<QLabel>(editor, u"portError"_s)->isVisibleTo(editor));

    choose(find<QComboBox>(editor, u"stabilityCheck"_s), qint64(5));
    EXPECT_EQ(stored(c.id).stabilityCheckSeconds, 5);

    auto* simultaneous = find<QSpinBox>(editor, u"simultaneousUploads"_s);
    simultaneous->setValue(9);
    EXPECT_EQ(stored(c.id).simultaneousUploads, 5);
    simultaneous->stepBy(-10);
    EXPECT_EQ(stored(c.id).simultaneousUploads, 1);

    auto* caption = find<QLabel>(editor, u"deleteModeCaption"_s);
    EXPECT_EQ(caption->text(), u"Copy mode: local files are kept after upload."_s);
    find<QCheckBox>(editor, u"deleteLocalAfterUpload"_s)->click();
    EXPECT_EQ(caption->text(), u"Move mode: local files are removed after upload."_s);
    EXPECT_TRUE(stored(c.id).deleteLocalAfterUpload);
    find<QCheckBox>(editor, u"useTemporaryName"_s)->click();
    EXPECT_EQ(stored(c.id).useTemporaryName, !c.useTemporaryName);

    auto* action = find<QComboBox>(editor, u"postUploadAction"_s);
    auto* chooser = find<QPushButton>(editor, u"choosePostUploadPath"_s);
    EXPECT_FALSE(chooser->isVisibleTo(editor));
    choose(action, int(PostUploadAction::Kind::moveToArchive));
    EXPECT_TRUE(chooser->isVisibleTo(editor));
    EXPECT_EQ(find<QLabel>(editor, u"postUploadPath"_s)->text(), u"Not selected"_s);
    const QString archive = env.makeDir(u"archive"_s);
    dialogs.folderAnswers = {archive};
    chooser->click();
    EXPECT_EQ(stored(c.id).postUploadAction, PostUploadAction::moveToArchive(archive));
    choose(action, int(PostUploadAction::Kind::runScript));
    EXPECT_TRUE(find<QLabel>(editor, u"postUploadCaption"_s)->isVisibleTo(editor));
    const QString script = env.writeFile(u"bin/after.sh"_s, "#!/bin/sh\n");
    dialogs.openFileAnswers = {script};
    chooser->click();
    EXPECT_EQ(stored(c.id).postUploadAction, PostUploadAction::runScript(script));

    find<QCheckBox>(editor, u"scheduleEnabled"_s)->click();
    find<QToolButton>(editor, u"startHourMinus"_s)->click();
    EXPECT_EQ(find<QLabel>(editor, u"startHour"_s)->text(), u"8:00"_s);
    find<QToolButton>(editor, u"day1"_s)->click();
    EXPECT_EQ(stored(c.id).scheduleDays, (QList<qint64>{2, 3, 4, 5}));

    const QString watched = env.makeDir(u"chosen"_s);
    dialogs.folderAnswers = {watched};
    find<QPushButton>(editor, u"chooseLocalFolder"_s)->click();
    EXPECT_EQ(stored(c.id).localFolder, watched);
    EXPECT_TRUE(manager->activeBookmarks().contains(c.id)) << "the folder's bookmark is handed over";

    // The filter's boxes edit the stored connection (the rules are ExtensionFilterRulesTest's).
    auto* filter = editor->findChild<ExtensionFilterView*>();
    choose(filter->presetPicker(), u"photos"_s);
    EXPECT_EQ(stored(c.id).extensionPreset, u"photos"_s);
    filter->categoryBox(u"raw"_s)->click();
    EXPECT_FALSE(FilterPresets::extensionSet(stored(c.id).includedExtensions).contains(u"dng"_s));
    ASSERT_TRUE(filter->resetButton()->isVisibleTo(filter));
    filter->resetButton()->click();
    EXPECT_EQ(FilterPresets::extensionSet(stored(c.id).includedExtensions),
              FilterPresets::extensionSet(FilterPresets::byId(u"photos"_s)->extensions));

    const QString exported = env.root() + u"/presets.ondrix-keywords"_s;
    dialogs.saveFileAnswers = {exported};
    find<QPushButton>(editor, u"exportIptc"_s)->click();
    EXPECT_EQ(IptcPresetsFile::decode(readFile(exported)), c.iptcKeywords);

    const QString malformed = env.writeFile(u"bad.json"_s, R"([{"name":"x","keyword":"y"}])");
    dialogs.openFileAnswers = {malformed};
    find<QPushButton>(editor, u"importIptc"_s)->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("not an IPTC presets file"_L1))
        << dialogs.messages[0].toStdString();
    EXPECT_EQ(stored(c.id).iptcKeywords, c.iptcKeywords) << "a refused file changes nothing";

    editor->findChildren<QToolButton*>(u"removeIptcPreset"_s).first()->click();
    ASSERT_EQ(stored(c.id).iptcKeywords.size(), 1);
    dialogs.openFileAnswers = {exported};
    find<QPushButton>(editor, u"importIptc"_s)->click();
    const QList<IPTCKeywordEntry> merged = stored(c.id).iptcKeywords;
    ASSERT_EQ(merged.size(), 2) << "city was there already";
    EXPECT_EQ(dialogs.messages.size(), 1);

    const QString gone = env.root() + u"/mount/photos"_s;
    QSemaphore mountAnswers;
    std::atomic<int> looks{0};
    std::atomic<bool> onMainThread{false};
    editor->setFolderCheckDelayMs(20);
    editor->setFolderCheck([&](const QString& path) {
        if (path != gone)
            return ConnectionForm::localFolderProblem(path);
        ++looks;
        onMainThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        mountAnswers.acquire(); // a network mount that does not answer
        return ConnectionForm::localFolderProblem(path);
    });
    editor->form().setLocalFolder(gone);
    auto* problem = find<QLabel>(editor, u"localFolderError"_s);
    // The form keeps answering every key while the look at the folder hangs.
    type(find<QLineEdit>(editor, u"name"_s), u"Mount of the studio"_s);
    QTest::qWait(100);
    EXPECT_EQ(find<QLineEdit>(editor, u"name"_s)->text(), u"Mount of the studio"_s);
    EXPECT_EQ(looks, 1) << "one look once edits pause, not one per key";
    EXPECT_FALSE(onMainThread);
    EXPECT_FALSE(problem->isVisibleTo(editor));
    mountAnswers.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return problem->isVisibleTo(editor); }));
    EXPECT_TRUE(problem->text().contains("does not exist"_L1));
}

} // namespace
