#include "ui/connections/ConnectionForm.h"

#include "support/TestEnvironment.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;

TEST(ConnectionForm, RefusesWhatWouldBreakAConnectionSaysWhyAndKeepsThePortAcrossProtocols)
{
    test::TestEnvironment env;
    ConnectionForm form{PushConnection{}};
    EXPECT_EQ(form.requiredCaption(), u"Required: Host, Local Folder"_s);

    EXPECT_FALSE(form.hostError().isEmpty());
    form.setHost(u"ftp://example.com"_s);
    EXPECT_TRUE(form.hostError().contains("ftp://"_L1));
    form.setHost(u"example.com/photos"_s);
    EXPECT_FALSE(form.hostError().isEmpty());
    form.setHost(u" example.com "_s);
    EXPECT_TRUE(form.hostError().isEmpty());
    EXPECT_EQ(form.requiredCaption(), u"Required: Local Folder"_s);

    for (const char* bad : {"0", "65536", "21x", ""}) {
        form.setPortText(QString::fromLatin1(bad));
        EXPECT_FALSE(form.portError().isEmpty()) << bad;
        EXPECT_EQ(form.connection().port, 21) << "an invalid port is not stored: " << bad;
    }
    form.setPortText(u"65535"_s);
    EXPECT_TRUE(form.portError().isEmpty());
    EXPECT_EQ(form.connection().port, 65535);

    form.setRemoteFolder(u"/uploads"_s);
    form.setRemoteFolder(u"/uploads\nDELE x"_s);
    EXPECT_FALSE(form.remoteFolderError().isEmpty());
    EXPECT_EQ(form.connection().remoteFolder, u"/uploads"_s);

    EXPECT_TRUE(ConnectionForm::localFolderProblem(env.root() + u"/missing"_s).contains("does not exist"_L1));
    EXPECT_TRUE(
        ConnectionForm::localFolderProblem(env.writeFile(u"file.txt"_s, "x")).contains("not a folder"_L1));
    form.setLocalFolder(env.makeDir(u"watched"_s));
    EXPECT_TRUE(ConnectionForm::localFolderProblem(form.connection().localFolder).isEmpty());
    EXPECT_TRUE(form.requiredCaption().isEmpty());

    form.setProtocol(TransferProtocol::sftp);
    EXPECT_TRUE(!form.showsFtpMode() && form.showsSshKey());

    // Port typed, protocol chosen: the port stays; a hint only for the other protocol's usual port.
    const std::tuple<const char*, TransferProtocol, std::optional<qint64>> cases[] = {
        {"21", TransferProtocol::sftp, 22},
        {"22", TransferProtocol::ftp, 21},
        {"22", TransferProtocol::ftps, 21},
        {"21", TransferProtocol::ftps, std::nullopt},
        {"2121", TransferProtocol::sftp, std::nullopt},
        {"22", TransferProtocol::sftp, std::nullopt}};
    for (const auto& [port, protocol, suggested] : cases) {
        SCOPED_TRACE(port);
        form.setPortText(QString::fromLatin1(port));
        form.setProtocol(protocol);
        EXPECT_EQ(form.connection().port, QByteArray(port).toLongLong());
        EXPECT_EQ(form.portText(), QString::fromLatin1(port));
        EXPECT_EQ(form.suggestedPort(), suggested);
        EXPECT_EQ(form.portHint().isEmpty(), !suggested);
    }
}

// Steps stay in range, an action's path never becomes another kind's, presets keep the selection valid.
TEST(ConnectionForm, StepsPathsAndPresetsStayConsistent)
{
    ConnectionForm form{
        PushConnection{.stabilityCheckSeconds = 4, .scheduleStartHour = 0, .scheduleEndHour = 23}};
    EXPECT_TRUE(ConnectionForm::stabilityChoices(4).contains(4));
    form.stepScheduleStartHour(-1);
    form.stepScheduleEndHour(1);
    EXPECT_EQ(std::pair(form.connection().scheduleStartHour, form.connection().scheduleEndHour),
              (std::pair<qint64, qint64>(23, 0)));
    form.toggleScheduleDay(7);
    form.toggleScheduleDay(2);
    EXPECT_EQ(form.connection().scheduleDays, (QList<qint64>{1, 3, 4, 5, 7}));

    form.setPostUploadKind(PostUploadAction::Kind::moveToArchive);
    form.setPostUploadPath(u"/archive"_s);
    form.setPostUploadKind(PostUploadAction::Kind::runScript);
    EXPECT_EQ(form.connection().postUploadAction, PostUploadAction::runScript(QString()));
    form.setPostUploadKind(PostUploadAction::Kind::moveToArchive);
    EXPECT_EQ(form.connection().postUploadAction, PostUploadAction::moveToArchive(u"/archive"_s));
    form.setPostUploadKind(PostUploadAction::Kind::none);
    EXPECT_EQ(form.connection().postUploadAction, PostUploadAction::none());

    const QUuid first = form.addIptcPreset();
    const QUuid second = form.addIptcPreset();
    EXPECT_FALSE(form.showsIptcPicker()) << "only while injection is on";
    form.setIptcEnabled(true);
    EXPECT_TRUE(form.showsIptcPicker());
    form.setIptcPresetKeyword(first, u"beach, summer"_s);
    EXPECT_EQ(ConnectionForm::iptcPresetTitle(form.connection().iptcKeywords[0]), u"beach, summer"_s);
    form.setIptcPresetName(first, u"Holiday"_s);
    EXPECT_EQ(ConnectionForm::iptcPresetTitle(form.connection().iptcKeywords[0]), u"Holiday"_s);
    form.selectIptcPreset(first);
    form.removeIptcPreset(second);
    EXPECT_EQ(form.connection().selectedIPTCKeywordID, first);
    form.removeIptcPreset(first);
    EXPECT_FALSE(form.connection().selectedIPTCKeywordID.has_value() || form.showsIptcPicker());
}

TEST(ConnectionForm, AStoredChangeKeepsWhatIsBeingTyped)
{
    PushConnection stored{.host = u"old.example.com"_s};
    ConnectionForm form{stored};
    QSignalSpy changed(&form, &ConnectionForm::changed);
    form.setHost(u"new.example.com"_s);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_TRUE(changed.at(0).at(0).toBool() && form.hasPendingText()) << "typing waits for a pause";

    // The sidebar's power switch saved the stored record meanwhile.
    stored.isEnabled = true;
    form.rebase(stored);
    EXPECT_TRUE(form.connection().isEnabled);
    EXPECT_EQ(form.connection().host, u"new.example.com"_s);

    form.markSaved();
    stored.host = u"elsewhere.example.com"_s;
    stored.port = 2222;
    form.rebase(stored);
    EXPECT_EQ(form.connection(), stored);
    EXPECT_EQ(form.portText(), u"2222"_s);
}

// Another enabled connection that sees the same files is named, with what waits for it.
TEST(ConnectionForm, AFolderAnotherConnectionWatchesIsNamedWithWhatWaitsForIt)
{
    const auto other = [](const char* name, const char* folder, bool enabled = true, bool recursive = true) {
        return PushConnection{.name = QString::fromLatin1(name),
                              .isEnabled = enabled,
                              .localFolder = QString::fromLatin1(folder),
                              .monitorSubdirectories = recursive};
    };
    PushConnection mine = other("Mine", "/photos/event");
    const std::tuple<PushConnection, bool, bool> cases[] = {
        {other("Same", "/photos/event/"), true, true},
        {other("Outer", "/photos"), true, true},
        {other("Outer, not into subfolders", "/photos", true, false), true, false},
        {other("Inner", "/photos/event/raw"), true, true},
        {other("Inner, mine not into subfolders", "/photos/event/raw"), false, false},
        {other("Neighbour with the same start", "/photos/events"), true, false},
        {other("Disabled", "/photos/event", false), true, false},
        {other("No folder", ""), true, false},
    };
    for (const auto& [theirs, mineRecursive, shared] : cases) {
        SCOPED_TRACE(theirs.name.toStdString());
        mine.monitorSubdirectories = mineRecursive;
        ConnectionForm form{mine};
        form.setOtherConnections({mine, theirs});
        EXPECT_EQ(form.sharedFolderNote().contains(u"“%1”"_s.arg(theirs.name)), shared)
            << form.sharedFolderNote().toStdString();
    }

    // The note says what happens to this connection's files.
    ConnectionForm form{mine};
    form.setOtherConnections({other("Backup", "/photos/event")});
    const auto says = [&](const char* text) { return form.sharedFolderNote().contains(QLatin1String(text)); };
    EXPECT_TRUE(says("deleting, archiving or a script"));
    form.setPostUploadKind(PostUploadAction::Kind::runScript);
    EXPECT_TRUE(says("the script runs for a file only"));
    form.setPostUploadKind(PostUploadAction::Kind::moveToArchive);
    EXPECT_TRUE(says("moved to the archive only"));
    form.setDeleteLocalAfterUpload(true);
    EXPECT_TRUE(says("deleted only once every connection")) << form.sharedFolderNote().toStdString();
    form.setLocalFolder(u"/elsewhere"_s);
    EXPECT_TRUE(form.sharedFolderNote().isEmpty());
}
