#include "engine/ConnectionEngine.h"

#include "engine/FolderDeliveries.h"
#include "engine/UploadedRecord.h"
#include "platform/InotifyFileEventSource.h"
#include "support/EngineTestServices.h"
#include "support/FtpTestServer.h"
#include "support/InotifyQueue.h"
#include "support/ScriptedUploader.h"
#include "support/SftpTestServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <curl/curl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::test;

namespace {

// Engines upload to `remote`, a server in memory, unless a test gives them a real one.
class ConnectionEngineTest : public EngineTestFixture {
protected:
    ConnectionEngineTest()
    {
        watched = env.makeDir(u"watched"_s);
        settings.setNotifyMinFileCount(1);
        settings.setNotifyErrorsAfterAttempts(1);
    }

    PushConnection connectionFor(PushConnection connection = {.host = u"127.0.0.1"_s}) const
    {
        connection.name = u"Office"_s;
        connection.isEnabled = true;
        connection.localFolder = watched;
        connection.remoteFolder = u"/incoming"_s;
        connection.stabilityCheckSeconds = 1;
        return connection;
    }

    static bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 20000); }
    // A file's user tags once the queued tag writes are done.
    QStringList tagsOf(const QString& path) { return tags.waitForTagWrites(), tags.readTags(path); }

    std::unique_ptr<ConnectionEngine> makeEngine(const PushConnection& connection, bool realServer = false)
    {
        auto engine = std::make_unique<ConnectionEngine>(connection, services);
        engine->setMinSpinnerVisibilityMs(0);
        engine->setStabilityIntervalSeconds(0.2);
        engine->setSafetyNetScanSeconds(0.2);
        engine->setNotificationFlushDelayMs(200);
        engine->setRetryBackOffMs(200, 1000);
        if (!realServer) {
            engine->setUploader(remote.reconnected(connection));
        }
        return engine;
    }

    QString write(const QString& relative, const QByteArray& contents)
    {
        return env.writeFile(u"watched/"_s + relative, contents);
    }

    // Whether the engine's next scan finds nothing to upload: no stability wait, nothing queued or running.
    static bool nextScanFindsNothing(ConnectionEngine& engine)
    {
        QSignalSpy scanned(&engine, &ConnectionEngine::scanFinished);
        return scanned.wait(5000) && !engine.isStabilityChecking() && engine.queuedCount() == 0 &&
               engine.activeJobs().isEmpty();
    }

    bool arrived(const QString& remotePath, const QByteArray& contents)
    {
        return waitFor([&] { return remote.file(remotePath) == contents; });
    }
    static bool waitForRemote(const QString& path, const QByteArray& contents)
    {
        return waitFor([&] { return readFile(path) == contents; });
    }
    QString logText() const { return logMessages().join(QLatin1Char('\n')); }

    QString watched;
    ScriptedUploader remote{PushConnection()};
};

} // namespace

TEST_F(ConnectionEngineTest, FilterAndRemotePathRulesAndStartNeedsAnEnabledConnectionAndAnExistingFolder)
{
    const QStringList files = {write(u"photo.jpg"_s, "x"), write(u"notes"_s, QByteArray(999, 'n')),
                               write(u"a.jpeg"_s, QByteArray(1000, 'j')), watched + u"/missing"_s};
    // Which of those pass ('1') each filter; a blank piece of a list is no extension, as the presets read it.
    for (const auto& [included, excluded, minimumSize, passes] :
         {std::tuple("", "JPG, png", 0, "0111"), std::tuple("", "jpg, ", 0, "0111"),
          std::tuple("jpg", "", 0, "1000"), std::tuple("", "", 1000, "0011")}) {
        const ConnectionEngine engine({.localFolder = watched,
                                       .includedExtensions = QString::fromLatin1(included),
                                       .excludedExtensions = QString::fromLatin1(excluded),
                                       .minFileSizeBytes = minimumSize},
                                      services);
        for (qsizetype i = 0; i < files.size(); ++i) {
            EXPECT_EQ(engine.passesFilter(files[i]), passes[i] == '1') << included << excluded << i;
        }
    }

    for (const bool keep : {true, false}) {
        const ConnectionEngine engine({.localFolder = u"/base"_s, .preserveSubdirectories = keep}, services);
        EXPECT_EQ(engine.remoteRelativePath(u"/base/sub/a.jpg"_s), keep ? u"sub/a.jpg"_s : u"a.jpg"_s);
    }

    // Start needs an enabled connection and an existing folder; one not there yet (a drive mounted later)
    // stays an error, across pause and resume, until it appears.
    const QString card = env.root() + u"/card"_s;
    const EngineState missing = EngineState::error(u"Local folder not found: "_s + card);
    for (const auto& [enabled, folder, state] :
         {std::tuple(false, watched, EngineState::idle()),
          std::tuple(true, QString(), EngineState::error(u"No local folder configured"_s)),
          std::tuple(true, watched, EngineState::watching()), std::tuple(true, card, missing)}) {
        PushConnection c = connectionFor();
        c.isEnabled = enabled;
        c.localFolder = folder;
        auto engine = makeEngine(c);
        engine->start();
        EXPECT_EQ(engine->state(), state) << folder.toStdString();
        if (enabled && !folder.isEmpty()) {
            engine->pause();
            engine->resume();
            EXPECT_EQ(engine->state(), state); // a missing folder does not say watching after a resume
        }
        if (folder == card) {
            env.writeFile(u"card/DSC_0001.JPG"_s, "shot");
            EXPECT_TRUE(arrived(u"/incoming/DSC_0001.JPG"_s, "shot"));
            EXPECT_TRUE(waitFor([&] { return engine->state() == EngineState::watching(); }));
        }
        engine->stop();
        EXPECT_EQ(engine->state(), EngineState::idle());
    }
    EXPECT_EQ(logMessages().filter(u"[Office] Watching "_s),
              (QStringList{u"[Office] Watching "_s + watched, u"[Office] Watching "_s + card}));
    EXPECT_EQ(logMessages().filter(u"[Office] Local folder not found: "_s + card).size(), 1);
}

TEST_F(ConnectionEngineTest, FilesArriveOnceOverFtpWithTheirRecords)
{
    FtpTestServer server;
    server.start();
    PushConnection c = connectionFor(server.connection());
    c.excludedExtensions = u"txt"_s;
    const QByteArray photo(16 * 1024 * 1024, 'p');
    write(u"before.jpg"_s, "already here");
    auto engine = makeEngine(c, true);
    QList<EngineState> states;
    QObject::connect(engine.get(), &ConnectionEngine::stateChanged,
                     [&](const EngineState& state) { states.append(state); });
    QSignalSpy updates(engine.get(), &ConnectionEngine::activeJobsChanged);
    engine->start();

    // Written aside and renamed into place, as a slow writer on a busy machine could be caught half way.
    const QString photoPath = watched + u"/sub/deeper/photo.jpg"_s;
    ASSERT_TRUE(QFile::rename(write(u"sub/deeper/.photo"_s, photo), photoPath));
    write(u"notes.txt"_s, "never leaves");
    write(u".hidden.jpg"_s, "never leaves");
    ASSERT_TRUE(QFile::rename(write(u"draft.jpg.part"_s, "final bytes"), watched + u"/draft.jpg"_s));

    const QString remote = server.rootDir() + u"/incoming"_s;
    EXPECT_TRUE(waitForRemote(remote + u"/sub/deeper/photo.jpg"_s, photo));
    EXPECT_TRUE(waitForRemote(remote + u"/before.jpg"_s, "already here"));
    EXPECT_TRUE(waitForRemote(remote + u"/draft.jpg"_s, "final bytes"));
    ASSERT_TRUE(waitFor([&] { return engine->completedCount() >= 3 && engine->queuedCount() == 0; }));
    EXPECT_TRUE(nextScanFindsNothing(*engine)) << "nothing is uploaded twice";
    EXPECT_LT(updates.size(), 100) << "repeated and rapid progress reports are coalesced";
    EXPECT_EQ(QDir(remote).entryList(QDir::Files | QDir::Hidden),
              (QStringList{u"before.jpg"_s, u"draft.jpg"_s}));

    EXPECT_EQ(tagsOf(photoPath), QStringList{u"Green\n2"_s});
    EXPECT_TRUE(logMessages().contains(u"[Office] ✓ photo.jpg (16.8 MB)"_s)) << logText().toStdString();
    EXPECT_EQ(std::tuple(engine->completedCount(), history.entries().size(), stats.todayFiles(),
                         center.requests.size(), sounds.played.value(0)),
              std::tuple(3, 3, 3, 3, u"Submarine"_s)); // threshold 1: every success is announced at once
    EXPECT_TRUE(states.contains(EngineState::uploading()) && !engine->lastUploadedFile().isEmpty());
    EXPECT_EQ(engine->state(), EngineState::watching());

    // After a restart only a changed file goes; a stop right after its upload leaves its record stored.
    engine.reset();
    QFile::remove(remote + u"/before.jpg"_s);
    const QString draft = write(u"draft.jpg"_s, "final bytes and more");
    auto again = makeEngine(c, true);
    again->start();
    EXPECT_TRUE(waitForRemote(remote + u"/draft.jpg"_s, "final bytes and more"));
    ASSERT_TRUE(waitFor([&] { return again->completedCount() == 1; }));
    again->stop();
    EXPECT_TRUE(makeEngine(c, true)->isAlreadyUploaded(draft));
    EXPECT_FALSE(QFile::exists(remote + u"/before.jpg"_s));
}

// Two connections deleting after upload: the file goes once both servers hold it, by checksum and by size.
TEST_F(ConnectionEngineTest, FtpsAndSftpUploadIntoNestedFoldersAndProveTheDelivery)
{
    FtpTestServer ftps;
    ftps.start(FtpServerOptions{.tls = true, .hashAlgorithms = {u"SHA-256"_s}});
    SftpTestServer sftp;
    sftp.start();
    services.tags = nullptr;
    FolderDeliveries deliveries;
    services.deliveries = &deliveries;
    std::vector<std::unique_ptr<ConnectionEngine>> engines;
    for (PushConnection c : {connectionFor(ftps.connection()), connectionFor(sftp.connection())}) {
        c.remoteFolder = c.transferProtocol == TransferProtocol::sftp ? u"/"_s : c.remoteFolder;
        c.deleteLocalAfterUpload = true;
        engines.push_back(makeEngine(c, true));
        engines.back()->start();
    }
    const QByteArray bytes(64 * 1024, 's');
    const QString local = write(u"a/b/c/deep.jpg"_s, bytes);
    EXPECT_TRUE(waitForRemote(ftps.rootDir() + u"/incoming/a/b/c/deep.jpg"_s, bytes));
    EXPECT_TRUE(waitForRemote(sftp.rootDir() + u"/a/b/c/deep.jpg"_s, bytes)) << logText().toStdString();
    EXPECT_TRUE(waitFor([&] { return !QFile::exists(local); }));
    QStringList proofs;
    for (const HistoryEntry& entry : history.entries()) {
        proofs.append(entry.verificationText());
    }
    proofs.sort();
    EXPECT_EQ(proofs, (QStringList{u"SHA-256 verified"_s, u"size verified"_s}));
}

// Files offered again (by scans, or by another spelling of the folder) are checked, queued, sent and counted
// once; scans move an earlier version's record and pass over recorded files, links and hidden folders.
TEST_F(ConnectionEngineTest, AFileOnItsWayIsOfferedOnceAndCountedOnceAndScansPassOverTheRest)
{
    const QString link = env.root() + u"/linked"_s;
    ASSERT_TRUE(QFile::link(watched, link));
    PushConnection c = connectionFor();
    c.localFolder = link + u"/"_s;
    QStringList paths = {write(u"old/kept.jpg"_s, "kept"), write(u"old/changed.jpg"_s, "changed"),
                         write(u"new/fresh.jpg"_s, "fresh")};
    write(u".cache/hidden.jpg"_s, "hidden");
    ASSERT_TRUE(QFile::link(paths[0], watched + u"/link.jpg"_s));
    ASSERT_TRUE(QFile::link(watched + u"/old"_s, watched + u"/linked-folder"_s));
    const auto date = [](const QString& path) {
        return double(QFileInfo(path).lastModified().toMSecsSinceEpoch()) / 1000.0;
    };
    store.setRealDictionary(UploadedRecord::legacyKeyFor(c),
                            {{paths[0], date(paths[0])}, {paths[1], date(paths[1]) - 60.0}});
    // An engine that goes while its first listing still runs on the pool drops the listing quietly.
    makeEngine(c)->start();

    auto engine = makeEngine(c);
    int mostQueued = 0;
    QObject::connect(engine.get(), &ConnectionEngine::queuedCountChanged,
                     [&](int count) { mostQueued = std::max(mostQueued, count); });
    remote.hold(true);
    engine->start();
    for (const QString& name : {u"day/1.jpg"_s, u"day/2.jpg"_s, u"day/3.jpg"_s}) {
        paths.append(write(name, name.toUtf8()));
    }
    ASSERT_TRUE(waitFor([&] { return engine->activeJobs().size() == 2 && engine->queuedCount() == 5; }));
    engine->handleFileEvent(link + u"//day/1.jpg"_s);
    QSignalSpy scans(engine.get(), &ConnectionEngine::scanFinished);
    ASSERT_TRUE(waitFor([&] { return scans.size() >= 2; }));
    remote.hold(false);
    ASSERT_TRUE(waitFor([&] { return engine->completedCount() == 5; })) << logText().toStdString();
    EXPECT_TRUE(nextScanFindsNothing(*engine));
    EXPECT_EQ(std::tuple(engine->completedCount(), mostQueued, remote.peak(),
                         remote.calls().filter(u"upload "_s).size()),
              std::tuple(5, 5, 2, 5));
    EXPECT_LE(remote.calls().filter(u"mkdir /incoming/day"_s).size(), c.simultaneousUploads);
    EXPECT_EQ(logMessages().filter(u"Queued: 1.jpg"_s).size(), 1);
    EXPECT_EQ(logMessages().filter(u"Stability check (1s): 1.jpg"_s).size(), 1);
    EXPECT_FALSE(store.contains(UploadedRecord::legacyKeyFor(c)));
    const QStringList recorded = engine->uploadedRecord().dates().keys();
    EXPECT_EQ(QSet(recorded.begin(), recorded.end()), QSet(paths.begin(), paths.end()));
}

TEST_F(ConnectionEngineTest, ConflictModesAndRefusedFoldersNeverCostALocalFileTheServerLacks)
{
    remote.put(u"/incoming/a.jpg"_s, "server's own");
    // Skip, on a connection that deletes after upload: nothing is sent and nothing is deleted.
    PushConnection c = connectionFor();
    c.conflictResolution = ConflictMode::skip;
    c.deleteLocalAfterUpload = true;
    auto engine = makeEngine(c);
    engine->start();
    const QString local = write(u"a.jpg"_s, "mine");
    ASSERT_TRUE(
        waitFor([&] { return logMessages().contains(u"[Office] Skipped (exists on server): a.jpg"_s); }));
    EXPECT_EQ(remote.file(u"/incoming/a.jpg"_s), "server's own");
    EXPECT_EQ(tagsOf(local), QStringList());
    EXPECT_TRUE(QFile::exists(local) && history.entries().isEmpty());
    EXPECT_TRUE(engine->isAlreadyUploaded(local)) << "the scans leave it alone while it is unchanged";
    engine.reset();

    // Rename keeps both under the first free name. A refused folder (a drop box) holds back only its files.
    remote.setScript([](const QString& path) -> std::optional<FTPError> {
        return path.startsWith(u"/incoming/sub/"_s)
                   ? std::optional(FTPError::curlExitCode(CURLE_REMOTE_ACCESS_DENIED, u"Access denied"_s))
                   : std::nullopt;
    });
    c.conflictResolution = ConflictMode::rename;
    c.deleteLocalAfterUpload = false;
    engine = makeEngine(c);
    engine->start();
    write(u"sub/deep/low.bin"_s, "low");
    write(u"a.jpg"_s, "mine, saved again");
    EXPECT_TRUE(arrived(u"/incoming/a (2).jpg"_s, "mine, saved again"));
    ASSERT_TRUE(waitFor([&] {
        return history.entries().size() == 1 &&
               !logMessages().filter(u"[Office] ✓ a.jpg → a (2).jpg ("_s).isEmpty();
    }));
    EXPECT_EQ(history.entries().constFirst().filename, u"a (2).jpg"_s);
    EXPECT_EQ(remote.file(u"/incoming/a.jpg"_s), "server's own");
    ASSERT_TRUE(waitFor([&] { return engine->consecutiveErrors() >= 2; }));
    const QRegularExpression refused(
        u"✗ low.bin: .*the server refused to make or open the folder /incoming/sub/deep"_s);
    EXPECT_FALSE(logMessages().filter(refused).isEmpty()) << logText().toStdString();
}

// A failure is logged, coloured, announced from the set count in a row; the file waits its back-off. Only the
// version sent is deleted; a held file goes up whole when let go.
TEST_F(ConnectionEngineTest, FailedFilesWaitTheirBackOffAndOnlyTheVersionSentIsDeleted)
{
    std::atomic_bool down = true;
    std::atomic<int> transfers = 0;
    const QString edited = watched + u"/edit.psd"_s;
    remote.setScript([&](const QString& path) -> std::optional<FTPError> {
        if (!down && path.endsWith(u"edit.psd.ondrix-part"_s) && transfers++ == 0) {
            const QString saving = env.writeFile(u"watched/.edit.psd.saving"_s, "second version");
            EXPECT_EQ(
                std::rename(QFile::encodeName(saving).constData(), QFile::encodeName(edited).constData()), 0);
        }
        return down ? std::optional(FTPError::curlExitCode(7, u"Couldn't connect to server"_s))
                    : std::nullopt;
    });
    PushConnection c = connectionFor();
    c.deleteLocalAfterUpload = true;
    settings.setNotifyErrorsAfterAttempts(2);
    auto engine = makeEngine(c);
    engine->setRetryBackOffMs(600000, 600000);
    engine->start();
    const QString path = write(u"report.pdf"_s, "keep me");

    ASSERT_TRUE(waitFor([&] { return engine->consecutiveErrors() == 1; }));
    EXPECT_TRUE(engine->state().isError() && QFile::exists(path));
    EXPECT_EQ(tagsOf(path), QStringList{u"Red\n6"_s});
    QSignalSpy scans(engine.get(), &ConnectionEngine::scanFinished);
    ASSERT_TRUE(waitFor([&] { return scans.size() >= 3; })) << "scans go on in error";
    EXPECT_EQ(engine->consecutiveErrors(), 1) << "held back, not tried at every scan";
    write(u"report.pdf"_s, "keep me and me");
    ASSERT_TRUE(waitFor([&] { return engine->consecutiveErrors() == 2; }));
    QStringList failures;
    EXPECT_TRUE(waitFor([&] {
        failures = logMessages().filter(u"[Office] ✗ report.pdf: curl error 7"_s);
        return failures.size() == 2;
    }));
    // The log says what to check, not only libcurl's words; the second failure in a row is announced.
    EXPECT_TRUE(failures.first().contains(u"— Nothing accepted a connection at 127.0.0.1"_s));
    ASSERT_EQ(center.requests.size(), 1);
    EXPECT_EQ(center.requests[0].identifier, u"err-Office-report.pdf"_s);
    EXPECT_EQ(history.entries().size() + stats.totalFiles(), 0);
    engine->scanNow();
    ASSERT_TRUE(waitFor([&] { return engine->consecutiveErrors() == 3; }));

    down = false;
    engine->setRetryBackOffMs(100, 100);
    engine->pause();
    engine->resume();
    EXPECT_TRUE(arrived(u"/incoming/report.pdf"_s, "keep me and me"));
    EXPECT_TRUE(waitFor([&] { return !QFile::exists(path); }));
    EXPECT_TRUE(waitFor([&] { return engine->state() == EngineState::watching(); }));

    QFile writer(watched + u"/clip.mov"_s);
    ASSERT_TRUE(writer.open(QIODevice::WriteOnly));
    QByteArray all;
    for (const char piece : {'a', 'b', 'c'}) {
        all += QByteArray(300000, piece);
        writer.write(all.right(300000));
        writer.flush();
        QTest::qWait(500); // more than two stability intervals
    }
    EXPECT_EQ(remote.calls().filter(u"clip.mov"_s), QStringList()) << "nothing is sent while held";
    write(u"edit.psd"_s, "first version");
    EXPECT_TRUE(arrived(u"/incoming/edit.psd"_s, "second version"));
    EXPECT_TRUE(
        logMessages().contains(u"[Office] Changed during the upload, kept to go up again: edit.psd"_s));
    writer.close();
    EXPECT_TRUE(arrived(u"/incoming/clip.mov"_s, all)) << logText().toStdString();
    EXPECT_TRUE(waitFor([&] { return !QFile::exists(edited) && !writer.exists(); }));
    EXPECT_EQ(std::tuple(transfers.load(), engine->completedCount(), engine->consecutiveErrors()),
              std::tuple(2, 4, 0));
}

TEST_F(ConnectionEngineTest, SuccessesAreAnnouncedInBatches)
{
    settings.setNotifyMinFileCount(3);
    settings.setGroupNotifications(false);
    auto engine = makeEngine(connectionFor());
    engine->setNotificationFlushDelayMs(60000);
    engine->start();
    QStringList names = u"1.jpg 2.jpg 3.jpg 4.jpg"_s.split(u' ');
    for (const QString& name : names) {
        write(name, name.toUtf8());
    }
    // The third success is the threshold; the fourth waits for the delayed flush, which stop brings forward.
    ASSERT_TRUE(waitFor([&] { return engine->completedCount() == 4 && center.requests.size() == 1; }));
    EXPECT_EQ(std::tuple(center.requests[0].title, center.requests[0].body.count(u'\n')),
              std::tuple(u"Ondrix: 3 files uploaded"_s, 2)); // one name a line

    engine->stop(); // two uploads run at once: the last to finish is the one the first batch left out
    ASSERT_TRUE(waitFor([&] { return center.requests.size() == 2; }));
    EXPECT_EQ(center.requests[1].title, u"Ondrix: 1 file uploaded"_s);
    for (const QString& name : center.requests[0].body.mid(9).split(QLatin1Char('\n'))) {
        names.removeOne(name);
    }
    EXPECT_EQ(center.requests[1].body, u"[Office] "_s + names.value(0));

    // Below the threshold, the flush comes after the quiet delay, and each success restarts it.
    settings.setGroupNotifications(true);
    auto delayed = makeEngine(connectionFor());
    delayed->setNotificationFlushDelayMs(1500);
    delayed->start();
    write(u"5.jpg"_s, "5");
    ASSERT_TRUE(waitFor([&] { return delayed->completedCount() == 1; }));
    write(u"6.jpg"_s, "6");
    ASSERT_TRUE(waitFor([&] { return delayed->completedCount() == 2; }));
    EXPECT_EQ(center.requests.size(), 2);
    ASSERT_TRUE(waitFor([&] { return center.requests.size() == 3; }));
    EXPECT_EQ(
        std::tuple(center.requests[2].title, center.requests[2].body.startsWith(u"[Office] 2 files ("_s)),
        std::tuple(u"Ondrix: 2 files uploaded"_s, true)); // grouped
    delayed->stop();
    EXPECT_EQ(center.requests.size(), 3) << "nothing left to announce";
}

// A server that stops answering (mid-data, or at a file's open on a logged-in connection), over FTP and SFTP,
// also after a bandwidth edit: the upload is cut short, unrecorded and unannounced; the file stays.
TEST_F(ConnectionEngineTest, AStalledServerHoldsNoStopUpBeyondTheGrace)
{
    const QString cutShort = u"Upload cut short by the stop; it goes up at the next start: big.bin"_s;
    int cuts = 0;
    for (const bool sftp : {false, true}) {
        for (const bool midTransfer : {true, false}) {
            SCOPED_TRACE(std::string(sftp ? "sftp" : "ftp") + (midTransfer ? ", mid-transfer" : ", at open"));
            FtpTestServer ftp;
            SftpTestServer sftpServer;
            sftp ? sftpServer.start() : ftp.start();
            const auto freeze = [&](bool frozen) {
                sftp ? sftpServer.setFrozen(frozen) : ftp.setFrozen(frozen);
            };
            PushConnection c = connectionFor(sftp ? sftpServer.connection() : ftp.connection());
            const QString folder = u"stall-%1-%2/"_s.arg(sftp).arg(midTransfer);
            c.localFolder = env.makeDir(folder);
            c.maxBandwidthKBps = 64;
            auto engine = makeEngine(c, true);
            engine->setStopGraceMs(300);
            engine->start();
            env.writeFile(folder + u"first.txt"_s, "first");
            ASSERT_TRUE(waitFor([&] { return engine->completedCount() == 1; }));
            freeze(!midTransfer);
            const QString path = env.writeFile(folder + u"big.bin"_s, QByteArray(4 * 1024 * 1024, 'b'));
            ASSERT_TRUE(waitFor([&] {
                return !engine->activeJobs().isEmpty() &&
                       (!midTransfer || engine->activeJobs().first().bytesUploaded > 0);
            }));
            freeze(true);
            // A new cap gives the engine a new uploader; the transfer goes on with the one it began on.
            c.maxBandwidthKBps = 128;
            engine->applyLiveEdit(c);
            QSignalSpy finished(engine.get(), &ConnectionEngine::transfersFinished);
            engine->stop();
            EXPECT_TRUE(finished.wait(10000));
            EXPECT_TRUE(!engine->uploadedRecord().dates().contains(path) && QFile::exists(path));
            ++cuts;
            EXPECT_TRUE(waitFor([&] { return logMessages().filter(cutShort).size() == cuts; }));
            EXPECT_EQ(center.requests.size(), cuts) << "the first file's success alone: a stop is no failure";
            freeze(false);
        }
    }
}

// A queued file's folder, or the watched folder's parent, swapped for a link to a private folder holding a
// file of the same name: the private file is neither sent nor deleted nor archived.
TEST_F(ConnectionEngineTest, AFolderSwappedForALinkLeadsNowhere)
{
    FtpTestServer ftp;
    ftp.start();
    for (const bool archiving : {false, true}) {
        for (const bool swapParent : {false, true}) {
            const QString round = u"swap%1%2"_s.arg(archiving).arg(swapParent);
            SCOPED_TRACE(round.toStdString());
            const QString base = QFileInfo(env.makeDir(round)).canonicalFilePath();
            const QString folder = base + u"/drop/watched"_s;
            QDir().mkpath(folder + u"/sub"_s);
            env.writeFile(round + u"/private/b.jpg"_s, "secret");
            env.writeFile(round + u"/private/watched/sub/b.jpg"_s, "secret");
            PushConnection c = connectionFor(ftp.connection());
            c.localFolder = folder;
            c.remoteFolder = QLatin1Char('/') + round;
            c.deleteLocalAfterUpload = !archiving;
            if (archiving) {
                c.postUploadAction = PostUploadAction::moveToArchive(env.makeDir(round + u"/archive"_s));
            }
            auto engine = makeEngine(c, true);
            engine->start();
            engine->pause();
            engine->handleFileEvent(env.writeFile(round + u"/drop/watched/sub/b.jpg"_s, "shared"));
            ASSERT_TRUE(waitFor([&] { return engine->queuedCount() == 1; })) << logText().toStdString();
            const QString swapped = swapParent ? base + u"/drop"_s : folder + u"/sub"_s;
            ASSERT_TRUE(QDir().rename(swapped, base + u"/drop.old"_s));
            ASSERT_TRUE(QFile::link(base + u"/private"_s, swapped));
            engine->resume();
            ASSERT_TRUE(waitFor([&] { return engine->completedCount() + engine->consecutiveErrors() > 0; }));
            // The folder that was opened keeps its file until the action has run on it.
            EXPECT_TRUE(!swapParent ||
                        waitFor([&] { return !QFile::exists(base + u"/drop.old/watched/sub/b.jpg"_s); }));
            engine->stop();
            EXPECT_EQ(readFile(ftp.rootDir() + c.remoteFolder + u"/sub/b.jpg"_s),
                      swapParent ? "shared" : "<missing>");
            EXPECT_EQ(readFile(base + u"/private/b.jpg"_s), "secret");
            EXPECT_EQ(tagsOf(base + u"/private/b.jpg"_s), QStringList());
            EXPECT_EQ(readFile(base + u"/private/watched/sub/b.jpg"_s), "secret");
            EXPECT_EQ(readFile(base + u"/archive/b.jpg"_s), archiving && swapParent ? "shared" : "<missing>");
        }
    }
}

// Scans run seldom while the watcher is trusted; an overflowed event queue brings one at once and frequent
// ones after. A watched folder deleted or renamed away and made anew is watched again, and the log says both.
TEST_F(ConnectionEngineTest, TheWatcherLosesNothing)
{
    PushConnection c = connectionFor();
    c.excludedExtensions = u"bin"_s;
    InotifyFileEventSource* source = nullptr;
    services.makeFileEventSource = [&source] {
        auto made = std::make_unique<InotifyFileEventSource>();
        source = made.get();
        return made;
    };
    auto engine = makeEngine(c);
    engine->setSafetyNetScanSeconds(3600);
    QSignalSpy scans(engine.get(), &ConnectionEngine::scanFinished);
    engine->start();
    ASSERT_TRUE(scans.wait(10000));
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(engine->scanIntervalMs(), 3600000);
    source->setReadingSuspended(true);
    ASSERT_TRUE(InotifyQueue::fill(watched));
    write(u"lost.jpg"_s, "found by the scan");
    source->setReadingSuspended(false);
    EXPECT_TRUE(arrived(u"/incoming/lost.jpg"_s, "found by the scan")) << logText().toStdString();
    EXPECT_EQ(engine->scanIntervalMs(), 200) << "frequent scans for a while after the loss";
    EXPECT_FALSE(logMessages().filter(u"fs.inotify.max_queued_events"_s).isEmpty());

    engine->setSafetyNetScanSeconds(3600);
    for (const bool renamed : {false, true}) {
        SCOPED_TRACE(renamed ? "renamed away" : "deleted");
        const QString name = renamed ? u"b.txt"_s : u"a.txt"_s;
        ASSERT_TRUE(waitFor([&] { return engine->state() == EngineState::watching(); }));
        ASSERT_TRUE(renamed ? QDir().rename(watched, watched + u"-old"_s)
                            : QDir(watched).removeRecursively());
        ASSERT_TRUE(waitFor([&] { return engine->state().kind() == EngineState::Kind::error; }));
        QDir().mkpath(watched);
        write(name, "after");
        EXPECT_TRUE(arrived(u"/incoming/"_s + name, "after"));
    }
    // Whichever saw it first, the watcher or a scan, says so once per disappearance.
    EXPECT_EQ(logMessages().filter(watched + u" — Ondrix looks for it again"_s).size(), 2);

    EXPECT_EQ(logMessages().filter(u"[Office] Watching "_s + watched).size(), 3);
}
