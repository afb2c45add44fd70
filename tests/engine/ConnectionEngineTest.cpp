#include "engine/ConnectionEngine.h"

#include "engine/UploadedRecord.h"
#include "model/RemotePath.h"
#include "platform/FdoNotificationCenter.h"
#include "platform/InotifyFileEventSource.h"
#include "support/DBusMockSession.h"
#include "support/EngineTestServices.h"
#include "support/FtpTestServer.h"
#include "support/InotifyQueue.h"
#include "support/SftpTestServer.h"
#include "transfer/CurlHandle.h"
#include "transfer/FTPUploader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>

using namespace ondrix;
using ondrix::test::DBusMockSession;
using ondrix::test::EngineTestFixture;
using ondrix::test::FtpServerOptions;
using ondrix::test::FtpTestServer;
using ondrix::test::InotifyQueue;
using ondrix::test::readFile;
using ondrix::test::SftpTestServer;

namespace {

// The colour part of a file's tags ("Green", ...), or empty, once the queued tag writes are done.
QString colourOf(FinderTagService& tags, const QString& path)
{
    tags.waitForTagWrites();
    for (const QString& tag : tags.readTags(path)) {
        if (FinderTagService::isOwnColourTag(tag)) {
            return tag.section(QLatin1Char('\n'), 0, 0);
        }
    }
    return {};
}

class ConnectionEngineTest : public EngineTestFixture {
protected:
    ConnectionEngineTest()
    {
        watched = env.makeDir(QStringLiteral("watched"));
        settings.setNotifyMinFileCount(1);
        settings.setNotifyErrorsAfterAttempts(1);
    }

    PushConnection connectionFor(PushConnection connection) const
    {
        connection.name = QStringLiteral("Office");
        connection.isEnabled = true;
        connection.localFolder = watched;
        connection.remoteFolder = QStringLiteral("/incoming");
        connection.stabilityCheckSeconds = 1;
        return connection;
    }

    std::unique_ptr<ConnectionEngine> makeEngine(const PushConnection& connection)
    {
        auto engine = std::make_unique<ConnectionEngine>(connection, services);
        engine->setMinSpinnerVisibilityMs(0);
        engine->setStabilityIntervalSeconds(0.2);
        // Frequent scans in every test but the one about the scan's pace.
        engine->setSafetyNetScanSeconds(0.2);
        engine->setNotificationFlushDelayMs(200);
        engine->setRetryBackOffMs(200, 1000);
        return engine;
    }

    QString write(const QString& relative, const QByteArray& contents)
    {
        return env.writeFile(QStringLiteral("watched/") + relative, contents);
    }

    // Whether the engine's next scan finds nothing to upload: no stability wait, nothing queued or running.
    static bool nextScanFindsNothing(ConnectionEngine& engine)
    {
        QSignalSpy scanned(&engine, &ConnectionEngine::scanFinished);
        return scanned.wait(5000) && !engine.isStabilityChecking() && engine.queuedCount() == 0 &&
               engine.activeJobs().isEmpty();
    }

    bool waitForRemote(const QString& path, const QByteArray& contents, int timeoutMs = 20000)
    {
        return QTest::qWaitFor([&] { return readFile(path) == contents; }, timeoutMs);
    }

    QString watched;
};

} // namespace

TEST_F(ConnectionEngineTest, RecordKeyFilterAndPathRules)
{
    PushConnection c;
    c.host = QStringLiteral("h");
    c.localFolder = QStringLiteral("/a");
    c.remoteFolder = QStringLiteral("/");
    c.localFolder = watched;
    c.excludedExtensions = QStringLiteral("JPG, png");
    const QString photo = write(QStringLiteral("photo.jpg"), "x");
    const QString notes = write(QStringLiteral("notes"), QByteArray(999, 'n'));
    const QString jpeg = write(QStringLiteral("a.jpeg"), QByteArray(1000, 'j'));
    EXPECT_FALSE(ConnectionEngine(c, services).passesFilter(photo));
    EXPECT_TRUE(ConnectionEngine(c, services).passesFilter(notes));
    c.excludedExtensions = QStringLiteral("jpg, ");
    EXPECT_TRUE(ConnectionEngine(c, services).passesFilter(notes))
        << "a blank piece is no extension, as the presets read it";
    c.excludedExtensions.clear();
    c.includedExtensions = QStringLiteral("jpg");
    EXPECT_FALSE(ConnectionEngine(c, services).passesFilter(notes));
    EXPECT_FALSE(ConnectionEngine(c, services).passesFilter(jpeg));
    EXPECT_TRUE(ConnectionEngine(c, services).passesFilter(photo));
    c.includedExtensions.clear();
    c.minFileSizeBytes = 1000;
    EXPECT_FALSE(ConnectionEngine(c, services).passesFilter(notes));
    EXPECT_TRUE(ConnectionEngine(c, services).passesFilter(jpeg));
    EXPECT_TRUE(ConnectionEngine(c, services).passesFilter(watched + QStringLiteral("/missing")));

    c.localFolder = QStringLiteral("/base");
    const QString nested = QStringLiteral("/base/sub/a.jpg");
    EXPECT_EQ(ConnectionEngine(c, services).remoteRelativePath(nested), QStringLiteral("sub/a.jpg"));
    c.preserveSubdirectories = false;
    EXPECT_EQ(ConnectionEngine(c, services).remoteRelativePath(nested), QStringLiteral("a.jpg"));

    EXPECT_EQ(RemotePath::join(QStringLiteral("/incoming"), QStringLiteral("a/b.jpg")),
              QStringLiteral("/incoming/a/b.jpg"));
    EXPECT_EQ(RemotePath::join(QStringLiteral("/"), QStringLiteral("b.jpg")), QStringLiteral("/b.jpg"));
    EXPECT_EQ(RemotePath::directoryOf(QStringLiteral("/incoming/a/b.jpg")), QStringLiteral("/incoming/a"));
    EXPECT_EQ(RemotePath::directoryOf(QStringLiteral("/b.jpg")), QStringLiteral("/"));
    EXPECT_EQ(RemotePath::directoryOf(QStringLiteral("/a/b/")), QStringLiteral("/a"));
    EXPECT_EQ(RemotePath::asDirectory(QStringLiteral("a/b")), QStringLiteral("/a/b/"));
}

TEST_F(ConnectionEngineTest, ARecordedTreeIsPassedOverByTheScanAndALegacyRecordMovesOnTheWay)
{
    PushConnection c = connectionFor(PushConnection());
    PreferencesStore::RealDictionary record;
    for (const QString& name : {QStringLiteral("a.jpg"), QStringLiteral("sub/b.jpg")}) {
        const QString path = write(name, "uploaded before");
        record.insert(path, QFileInfo(path).lastModified().toMSecsSinceEpoch() / 1000.0);
    }
    const QString legacyKey = UploadedRecord::legacyKeyFor(c);
    store.setRealDictionary(legacyKey, record);
    auto engine = makeEngine(c);
    QSignalSpy scans(engine.get(), &ConnectionEngine::scanFinished);
    engine->start();
    ASSERT_TRUE(scans.wait(10000));

    // The scan read (and moved) the record itself: nothing was offered, nothing waits.
    EXPECT_FALSE(store.contains(legacyKey));
    EXPECT_EQ(store.realDictionaryValue(UploadedRecord::keyFor(c)), record);
    EXPECT_FALSE(logMessages().join(QLatin1Char('\n')).contains(QStringLiteral("Stability check")));
    EXPECT_FALSE(engine->isStabilityChecking());
    EXPECT_EQ(engine->uploadedRecord().dates(), record);
}

TEST_F(ConnectionEngineTest, StartNeedsAnEnabledConnectionAndAnExistingFolder)
{
    PushConnection c = connectionFor(PushConnection());
    c.isEnabled = false;
    auto disabled = makeEngine(c);
    disabled->start();
    EXPECT_EQ(disabled->state(), EngineState::idle());

    c.isEnabled = true;
    c.localFolder.clear();
    auto empty = makeEngine(c);
    empty->start();
    EXPECT_EQ(empty->state(), EngineState::error(QStringLiteral("No local folder configured")));

    c.localFolder = env.root() + QStringLiteral("/gone");
    auto missing = makeEngine(c);
    missing->start();
    EXPECT_EQ(missing->state(),
              EngineState::error(QStringLiteral("Local folder not found: ") + c.localFolder));

    auto fine = makeEngine(connectionFor(PushConnection()));
    fine->start();
    EXPECT_EQ(fine->state(), EngineState::watching());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return logMessages().contains(QStringLiteral("[Office] Watching ") + watched); }));
    fine->pause();
    EXPECT_EQ(fine->state(), EngineState::paused());
    fine->resume();
    EXPECT_EQ(fine->state(), EngineState::watching());
    fine->stop();
    EXPECT_EQ(fine->state(), EngineState::idle());
    EXPECT_EQ(fine->queuedCount(), 0);
    EXPECT_TRUE(fine->activeJobs().isEmpty());
}

TEST_F(ConnectionEngineTest, FilesArriveOnceOverFtpWithTheirRecords)
{
    FtpTestServer server;
    server.start();
    PushConnection c = connectionFor(server.connection());
    c.excludedExtensions = QStringLiteral("txt");
    const QByteArray photo(200 * 1024, 'p');
    write(QStringLiteral("before.jpg"), "already here");
    auto engine = makeEngine(c);
    QList<EngineState> states;
    QObject::connect(engine.get(), &ConnectionEngine::stateChanged,
                     [&](const EngineState& state) { states.append(state); });
    engine->start();

    const QString photoPath = write(QStringLiteral("sub/deeper/photo.jpg"), photo);
    write(QStringLiteral("notes.txt"), "never leaves");
    write(QStringLiteral(".hidden.jpg"), "never leaves");
    // A file saved under a temporary name and renamed into place.
    const QString temp = write(QStringLiteral("draft.jpg.part"), "final bytes");
    ASSERT_TRUE(QFile::rename(temp, watched + QStringLiteral("/draft.jpg")));
    // A file that keeps growing over several intervals is uploaded whole.
    QFile slow(watched + QStringLiteral("/slow.jpg"));
    ASSERT_TRUE(slow.open(QIODevice::WriteOnly));
    QByteArray slowBytes;
    for (int i = 0; i < 5; ++i) {
        const QByteArray chunk(50 * 1024, char('a' + i));
        slow.write(chunk);
        slow.flush();
        slowBytes += chunk;
        QTest::qWait(120);
    }
    slow.close();

    const QString remote = server.rootDir() + QStringLiteral("/incoming");
    EXPECT_TRUE(waitForRemote(remote + QStringLiteral("/sub/deeper/photo.jpg"), photo));
    EXPECT_TRUE(waitForRemote(remote + QStringLiteral("/before.jpg"), "already here"));
    EXPECT_TRUE(waitForRemote(remote + QStringLiteral("/draft.jpg"), "final bytes"));
    EXPECT_TRUE(waitForRemote(remote + QStringLiteral("/slow.jpg"), slowBytes));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return engine->completedCount() >= 4 && engine->queuedCount() == 0; }, 20000));
    EXPECT_TRUE(nextScanFindsNothing(*engine)) << "nothing is uploaded twice";
    EXPECT_EQ(engine->completedCount(), 4);
    EXPECT_FALSE(QFile::exists(remote + QStringLiteral("/notes.txt")));
    EXPECT_FALSE(QFile::exists(remote + QStringLiteral("/.hidden.jpg")));
    EXPECT_FALSE(QFile::exists(remote + QStringLiteral("/draft.jpg.part")));

    EXPECT_EQ(colourOf(tags, photoPath), QStringLiteral("Green"));
    const QStringList lines = logMessages();
    EXPECT_TRUE(lines.contains(QStringLiteral("[Office] Stability check (1s): photo.jpg")));
    EXPECT_TRUE(lines.contains(QStringLiteral("[Office] Queued: photo.jpg")));
    const QString uploadedLine = QStringLiteral("[Office] ✓ photo.jpg (204.8 kB)");
    EXPECT_TRUE(lines.contains(uploadedLine)) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(history.entries().size(), 4);
    EXPECT_EQ(stats.todayFiles(), 4);
    EXPECT_TRUE(states.contains(EngineState::uploading()));
    EXPECT_EQ(engine->state(), EngineState::watching());
    EXPECT_EQ(engine->lastUploadedFile().isEmpty(), false);
    EXPECT_EQ(center.requests.size(), 4); // threshold 1: every success is announced at once
    EXPECT_EQ(sounds.played.value(0), QStringLiteral("Submarine"));

    // After a restart the unchanged files are skipped; a changed one goes again.
    engine->stop();
    engine.reset();
    QFile::remove(remote + QStringLiteral("/before.jpg"));
    QFile::remove(remote + QStringLiteral("/slow.jpg"));
    QFile touched(photoPath);
    ASSERT_TRUE(touched.open(QIODevice::Append));
    touched.write("more");
    touched.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
    touched.close();
    auto again = makeEngine(c);
    again->start();
    EXPECT_TRUE(waitForRemote(remote + QStringLiteral("/sub/deeper/photo.jpg"), photo + "more"));
    EXPECT_TRUE(nextScanFindsNothing(*again));
    EXPECT_FALSE(QFile::exists(remote + QStringLiteral("/before.jpg")));
    EXPECT_FALSE(QFile::exists(remote + QStringLiteral("/slow.jpg")));
    EXPECT_EQ(again->completedCount(), 1);

    // A stop right after an upload, with nothing left running, leaves its record in the store for whoever
    // reads it next (the record's writer gathers entries for a while before it commits).
    const QString late = write(QStringLiteral("late.jpg"), "late");
    ASSERT_TRUE(QTest::qWaitFor([&] { return again->completedCount() == 2; }, 20000));
    again->stop();
    EXPECT_TRUE(UploadedRecord(&store, c).dates().contains(late));
}

TEST_F(ConnectionEngineTest, FtpsAndSftpUploadIntoNestedFolders)
{
    FtpTestServer ftps;
    ftps.start(FtpServerOptions{.tls = true});
    SftpTestServer sftp;
    sftp.start();
    PushConnection sftpConnection = connectionFor(sftp.connection());
    sftpConnection.remoteFolder = QStringLiteral("/");
    sftpConnection.name = QStringLiteral("SSH");
    PushConnection tlsConnection = connectionFor(ftps.connection());
    tlsConnection.name = QStringLiteral("TLS");
    // Two engines on one folder: each colours the file, so tags are left alone here.
    services.tags = nullptr;
    auto overTls = makeEngine(tlsConnection);
    auto overSsh = makeEngine(sftpConnection);
    overTls->start();
    overSsh->start();
    const QByteArray bytes(64 * 1024, 's');
    write(QStringLiteral("a/b/c/deep.jpg"), bytes);
    EXPECT_TRUE(waitForRemote(ftps.rootDir() + QStringLiteral("/incoming/a/b/c/deep.jpg"), bytes))
        << logMessages().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(waitForRemote(sftp.rootDir() + QStringLiteral("/a/b/c/deep.jpg"), bytes));
}

TEST_F(ConnectionEngineTest, FoldersAreCreatedOnceAndProgressStaysCoarse)
{
    FtpTestServer server;
    server.start();
    PushConnection c = connectionFor(server.connection());
    // Only the folder commands are counted below, not the renames of temporary names.
    c.useTemporaryName = false;
    auto engine = makeEngine(c);
    auto uploader = std::make_shared<FTPUploader>(c);
    std::atomic<int> directoryRequests = 0;
    uploader->setHandleInspector([&](const CurlHandle& handle) {
        if (handle.hasOption(CURLOPT_QUOTE)) {
            ++directoryRequests;
        }
    });
    engine->setUploader(uploader);
    int updates = 0;
    QObject::connect(engine.get(), &ConnectionEngine::activeJobsChanged, [&] { ++updates; });
    engine->start();
    // libcurl reports progress at least once per 64 KiB buffer: hundreds of times for this file.
    const QByteArray large(16 * 1024 * 1024, 'l');
    // Written aside and renamed into place, so that a slow writer on a busy machine cannot be caught half
    // way.
    ASSERT_TRUE(QFile::rename(write(QStringLiteral("day/.large.raw"), large),
                              watched + QStringLiteral("/day/large.raw")));
    for (const char* name : {"day/1.jpg", "day/2.jpg", "day/3.jpg"}) {
        write(QString::fromLatin1(name), name);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->completedCount() == 4; }, 60000))
        << logMessages().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(readFile(server.rootDir() + QStringLiteral("/incoming/day/large.raw")), large);
    EXPECT_EQ(readFile(server.rootDir() + QStringLiteral("/incoming/day/3.jpg")), "day/3.jpg");
    // Parallel first uploads into the folder may each ask before one of them has finished.
    EXPECT_GE(directoryRequests.load(), 1);
    EXPECT_LE(directoryRequests.load(), c.simultaneousUploads);
    EXPECT_LT(updates, 100) << "repeated and rapid progress reports are coalesced";
}

TEST_F(ConnectionEngineTest, ScansPassOverRecordedFilesLinksAndHiddenFolders)
{
    FtpTestServer server;
    server.start();
    const PushConnection c = connectionFor(server.connection());
    const QString kept = write(QStringLiteral("old/kept.jpg"), "kept");
    const QString changed = write(QStringLiteral("old/changed.jpg"), "changed");
    write(QStringLiteral(".cache/hidden.jpg"), "hidden");
    write(QStringLiteral("new/fresh.jpg"), "fresh");
    ASSERT_TRUE(QFile::link(kept, watched + QStringLiteral("/link.jpg")));
    ASSERT_TRUE(QFile::link(watched + QStringLiteral("/old"), watched + QStringLiteral("/linked-folder")));
    const auto date = [](const QString& path) {
        return double(QFileInfo(path).lastModified().toMSecsSinceEpoch()) / 1000.0;
    };
    store.setRealDictionary(UploadedRecord::keyFor(c), {{kept, date(kept)}, {changed, date(changed) - 60.0}});

    // An engine that goes while its first listing still runs on the pool drops the listing quietly.
    makeEngine(c)->start();

    auto engine = makeEngine(c);
    QSignalSpy scans(engine.get(), &ConnectionEngine::scanFinished);
    engine->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->completedCount() == 2; }, 20000))
        << logMessages().join(QLatin1Char('\n')).toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return scans.size() >= 3; }, 20000));
    const QString remote = server.rootDir() + QStringLiteral("/incoming");
    EXPECT_EQ(readFile(remote + QStringLiteral("/old/changed.jpg")), "changed");
    EXPECT_EQ(readFile(remote + QStringLiteral("/new/fresh.jpg")), "fresh");
    EXPECT_EQ(engine->completedCount(), 2);
    QStringList checks = logMessages().filter(QStringLiteral("Stability check"));
    // In the order the folder lists its entries; a scan during the upload offers the file once more.
    checks.sort();
    checks.removeDuplicates();
    EXPECT_EQ(checks, (QStringList{QStringLiteral("[Office] Stability check (1s): changed.jpg"),
                                   QStringLiteral("[Office] Stability check (1s): fresh.jpg")}))
        << checks.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ConnectionEngineTest, PostUploadActionsArchiveRunAndDelete)
{
    FtpTestServer server;
    server.start();
    const QString archive = env.makeDir(QStringLiteral("archive"));
    env.writeFile(QStringLiteral("archive/taken.jpg"), "older");
    PushConnection c = connectionFor(server.connection());
    c.postUploadAction = PostUploadAction::moveToArchive(archive);
    auto archiving = makeEngine(c);
    archiving->start();
    const QString moved = write(QStringLiteral("moved.jpg"), "m");
    const QString taken = write(QStringLiteral("taken.jpg"), "t");
    ASSERT_TRUE(QTest::qWaitFor([&] { return archiving->completedCount() == 2; }, 20000));
    // Archived off the main thread, a moment after the upload is counted.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(moved); }, 20000));
    EXPECT_EQ(readFile(archive + QStringLiteral("/moved.jpg")), "m");
    EXPECT_TRUE(QFile::exists(taken)) << "an occupied archive name leaves the file in place";
    EXPECT_EQ(readFile(archive + QStringLiteral("/taken.jpg")), "older");
    archiving->stop();
    archiving.reset();

    const QString record = env.root() + QStringLiteral("/script-argument");
    const QString script =
        env.writeFile(QStringLiteral("record.sh"),
                      QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n").arg(record).toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    c.postUploadAction = PostUploadAction::runScript(script);
    c.localFolder = env.makeDir(QStringLiteral("scripted"));
    auto scripting = makeEngine(c);
    scripting->start();
    const QString handed = env.writeFile(QStringLiteral("scripted/handed over.jpg"), "h");
    EXPECT_TRUE(QTest::qWaitFor([&] { return readFile(record) == handed.toUtf8(); }, 20000));
    scripting->stop();
    scripting.reset();

    c.postUploadAction = PostUploadAction::none();
    c.deleteLocalAfterUpload = true;
    c.localFolder = env.makeDir(QStringLiteral("deleting"));
    auto deleting = makeEngine(c);
    deleting->start();
    const QString gone = env.writeFile(QStringLiteral("deleting/gone.jpg"), "g");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(gone); }, 20000));
    EXPECT_EQ(readFile(server.rootDir() + QStringLiteral("/incoming/gone.jpg")), "g");
}

TEST_F(ConnectionEngineTest, ConflictModesAndTheSizeCheckNeverCostALocalFileTheServerLacks)
{
    FtpTestServer server;
    server.start();
    QDir(server.rootDir()).mkpath(QStringLiteral("incoming"));
    env.writeFile(QStringLiteral("remote-original"), "server's own");
    QFile::copy(env.root() + QStringLiteral("/remote-original"),
                server.rootDir() + QStringLiteral("/incoming/a.jpg"));
    const auto waitForLine = [&](const QString& line) {
        return QTest::qWaitFor([&] { return logMessages().contains(line); }, 20000);
    };

    // Skip, on a connection that deletes after upload: nothing is sent and nothing is deleted.
    PushConnection c = connectionFor(server.connection());
    c.conflictResolution = ConflictMode::skip;
    c.deleteLocalAfterUpload = true;
    auto engine = makeEngine(c);
    engine->start();
    const QString local = write(QStringLiteral("a.jpg"), "mine");
    ASSERT_TRUE(waitForLine(QStringLiteral("[Office] Skipped (exists on server): a.jpg")));
    EXPECT_EQ(readFile(server.rootDir() + QStringLiteral("/incoming/a.jpg")), "server's own");
    EXPECT_TRUE(QFile::exists(local));
    EXPECT_EQ(colourOf(tags, local), QString());
    EXPECT_TRUE(engine->isAlreadyUploaded(local)) << "the scans leave it alone while it is unchanged";
    EXPECT_EQ(history.entries().size(), 0);
    engine.reset();

    // Rename keeps both, under the first free name, and the history shows that name.
    c.conflictResolution = ConflictMode::rename;
    c.deleteLocalAfterUpload = false;
    engine = makeEngine(c);
    engine->start();
    write(QStringLiteral("a.jpg"), "mine, saved again");
    EXPECT_TRUE(waitForRemote(server.rootDir() + QStringLiteral("/incoming/a (2).jpg"), "mine, saved again"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !logMessages().filter(QStringLiteral("[Office] ✓ a.jpg → a (2).jpg (")).isEmpty(); }));
    ASSERT_EQ(history.entries().size(), 1);
    EXPECT_EQ(history.entries().constFirst().filename, QStringLiteral("a (2).jpg"));
    engine.reset();

    // A server that acknowledges and keeps half: caught before the delete.
    FtpTestServer faulty;
    faulty.start(FtpServerOptions{.truncateUploads = true});
    c = connectionFor(faulty.connection());
    c.deleteLocalAfterUpload = true;
    engine = makeEngine(c);
    engine->start();
    const QString kept = write(QStringLiteral("b.jpg"), QByteArray(1000, 'b'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->consecutiveErrors() >= 1; }, 20000));
    EXPECT_TRUE(QFile::exists(kept));
    EXPECT_EQ(colourOf(tags, kept), QStringLiteral("Red"));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !logMessages()
                    .filter(QStringLiteral(
                        "[Office] ✗ b.jpg: Transfer failed: The server reported success but holds 500 "))
                    .isEmpty();
    })) << logMessages().join(QLatin1Char('\n')).toStdString();

    // A server whose checksum is that of other bytes: the file stays and the log names both digests; a
    // server whose checksum is right proves the delivery by it.
    for (const bool wrong : {true, false}) {
        engine.reset();
        FtpTestServer hashing;
        hashing.start(FtpServerOptions{.hashAlgorithms = {"SHA-256"}, .wrongDigests = wrong});
        c = connectionFor(hashing.connection());
        c.deleteLocalAfterUpload = true;
        c.localFolder = env.makeDir(wrong ? QStringLiteral("hashed-wrong") : QStringLiteral("hashed"));
        engine = makeEngine(c);
        engine->start();
        const QString file = env.writeFile(
            (wrong ? QStringLiteral("hashed-wrong") : QStringLiteral("hashed")) + QStringLiteral("/c.jpg"),
            "c");
        const QString sent =
            QStringLiteral("2e7d2c03a9507ae265ecf5b5356885a53393a2029d241394997265a1a25aefc6");
        if (wrong) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return engine->consecutiveErrors() >= 1; }, 20000));
            EXPECT_TRUE(QFile::exists(file));
            EXPECT_TRUE(QTest::qWaitFor([&] {
                return !logMessages()
                            .filter(QStringLiteral("[Office] ✗ c.jpg: "))
                            .filter(sent)
                            .filter(QStringLiteral("its SHA-256 is "))
                            .isEmpty();
            })) << logMessages().join(QLatin1Char('\n')).toStdString();
            EXPECT_TRUE(logMessages().filter(QStringLiteral("[Office] ✓ c.jpg")).isEmpty());
        } else {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(file); }, 20000));
            ASSERT_FALSE(history.entries().isEmpty());
            EXPECT_EQ(history.entries().constFirst().verificationText(), QStringLiteral("SHA-256 verified"));
        }
    }
}

TEST_F(ConnectionEngineTest, FailuresAreReportedOnceAndRetriedWhenTheServerReturns)
{
    FtpTestServer server;
    server.start();
    PushConnection c = connectionFor(server.connection());
    c.deleteLocalAfterUpload = true;
    server.stop();
    settings.setNotifyErrorsAfterAttempts(2);
    auto engine = makeEngine(c);
    engine->start();
    const QString path = write(QStringLiteral("report.pdf"), "keep me");

    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->consecutiveErrors() == 1; }, 20000));
    EXPECT_TRUE(engine->state().isError());
    EXPECT_EQ(colourOf(tags, path), QStringLiteral("Red"));
    EXPECT_TRUE(QFile::exists(path)) << "a failed upload never deletes the local file";
    // The user saves the file again: it is offered again and fails again.
    QFile again(path);
    ASSERT_TRUE(again.open(QIODevice::Append));
    again.write(" and me");
    again.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->consecutiveErrors() == 2; }, 20000));
    QStringList failures;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        failures = logMessages().filter(QStringLiteral("[Office] ✗ report.pdf: "));
        return failures.size() == 2;
    }));
    EXPECT_TRUE(failures.first().contains(QStringLiteral("curl error 7"))) << failures.first().toStdString();
    EXPECT_TRUE(failures.first().contains(QStringLiteral("— Nothing accepted a connection at 127.0.0.1")))
        << "the log says what to check, not only libcurl's words";
    ASSERT_EQ(center.requests.size(), 1) << "announced at the second failure in a row, not at the first";
    EXPECT_EQ(center.requests[0].title, QStringLiteral("Ondrix: Upload failed"));
    EXPECT_EQ(history.entries().size(), 0);
    EXPECT_EQ(stats.totalFiles(), 0);

    // Once the server is back, the next upload of any file brings the engine out of its error state and its
    // scans offer the failed file again.
    server.restart();
    write(QStringLiteral("next.pdf"), "next");
    EXPECT_TRUE(waitForRemote(server.rootDir() + QStringLiteral("/incoming/report.pdf"), "keep me and me"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(path); }, 20000));
    EXPECT_EQ(engine->consecutiveErrors(), 0);
}

TEST_F(ConnectionEngineTest, SuccessesAreAnnouncedInBatchesOnTheSessionBus)
{
    const QString daemon = QStringLiteral("org.freedesktop.Notifications");
    DBusMockSession bus;
    ASSERT_TRUE(bus.isRunning()) << bus.errorString().toStdString();
    ASSERT_TRUE(bus.startTemplate(QStringLiteral("notification_daemon"), daemon,
                                  {{QStringLiteral("capabilities"), QStringLiteral("body")}}));
    FdoNotificationCenter desktop(bus.connection());
    NotificationService announcer(&desktop);
    services.notifications = &announcer;
    // (title, body) of every notification the daemon was asked to show.
    const auto posted = [&] {
        QList<QPair<QString, QString>> result;
        for (const QVariantList& call : bus.methodCalls(
                 daemon, QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("Notify"))) {
            result.append({call[3].toString(), call[4].toString()});
        }
        return result;
    };

    FtpTestServer server;
    server.start();
    settings.setNotifyMinFileCount(3);
    settings.setGroupNotifications(false);
    auto engine = makeEngine(connectionFor(server.connection()));
    engine->setNotificationFlushDelayMs(60000);
    engine->start();
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg", "4.jpg"}) {
        write(QString::fromLatin1(name), name);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->completedCount() == 4; }, 20000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return posted().size() == 1; }, 5000))
        << "the third success is the threshold";
    EXPECT_EQ(posted()[0].first, QStringLiteral("Ondrix: 3 files uploaded"));
    EXPECT_TRUE(posted()[0].second.startsWith(QStringLiteral("[Office] ")));
    EXPECT_EQ(posted()[0].second.count(QLatin1Char('\n')), 2) << "one name a line";

    // The fourth waits for the delayed flush, which stop brings forward.
    engine->stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return posted().size() == 2; }, 5000));
    EXPECT_EQ(posted()[1].first, QStringLiteral("Ondrix: 1 file uploaded"));
    // Two uploads run at once, so which file finished last is not fixed: the one the first batch left out.
    const QString last = posted()[1].second.mid(QStringLiteral("[Office] ").size());
    EXPECT_TRUE(QStringList({QStringLiteral("1.jpg"), QStringLiteral("2.jpg"), QStringLiteral("3.jpg"),
                             QStringLiteral("4.jpg")})
                    .contains(last))
        << posted()[1].second.toStdString();
    EXPECT_FALSE(posted()[0].second.contains(last)) << posted()[0].second.toStdString();

    // Below the threshold, the flush comes after the quiet delay, and each success restarts it.
    settings.setGroupNotifications(true);
    auto delayed = makeEngine(connectionFor(server.connection()));
    delayed->setNotificationFlushDelayMs(1500);
    delayed->start();
    write(QStringLiteral("5.jpg"), "5");
    ASSERT_TRUE(QTest::qWaitFor([&] { return delayed->completedCount() == 1; }, 20000));
    write(QStringLiteral("6.jpg"), "6");
    ASSERT_TRUE(QTest::qWaitFor([&] { return delayed->completedCount() == 2; }, 20000));
    EXPECT_EQ(posted().size(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return posted().size() == 3; }, 5000));
    EXPECT_EQ(posted()[2].first, QStringLiteral("Ondrix: 2 files uploaded"));
    EXPECT_TRUE(posted()[2].second.startsWith(QStringLiteral("[Office] 2 files ("))) << "grouped body";
    delayed->stop();
    EXPECT_EQ(posted().size(), 3) << "nothing left to announce";
}

TEST_F(ConnectionEngineTest, ARefusedLoginFailsTheUploadWithTheServersWord)
{
    FtpTestServer server;
    server.start();
    PushConnection c = connectionFor(server.connection());
    c.password = QStringLiteral("wrong");
    auto engine = makeEngine(c);
    engine->start();
    write(QStringLiteral("a.jpg"), "a");
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->consecutiveErrors() == 1; }, 20000));
    EXPECT_TRUE(engine->state().isError());
    QStringList failures;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        failures = logMessages().filter(QStringLiteral("[Office] ✗ a.jpg: curl error 67"));
        return failures.size() == 1;
    })) << logMessages().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(failures.first().endsWith(
        QStringLiteral("— The server refused the login. Check the username and the password.")));
    ASSERT_EQ(center.requests.size(), 1);
    EXPECT_EQ(center.requests[0].identifier, QStringLiteral("err-Office-a.jpg"));
    EXPECT_FALSE(QFile::exists(server.rootDir() + QStringLiteral("/incoming/a.jpg")));
}

TEST_F(ConnectionEngineTest, AFileSavedAgainDuringItsUploadIsKeptAndSentAgain)
{
    FtpTestServer server;
    server.start();
    PushConnection c = connectionFor(server.connection());
    c.deleteLocalAfterUpload = true;
    auto engine = makeEngine(c);
    auto uploader = std::make_shared<FTPUploader>(c);
    const QString path = watched + QStringLiteral("/edit.psd");
    std::atomic<int> transfers = 0;
    // Runs once the transfer has opened the file: the user saves a new version over it (a new file renamed
    // into place, as editors save), so the server gets the old bytes.
    uploader->setHandleInspector([&](const CurlHandle& handle) {
        if (handle.hasOption(CURLOPT_UPLOAD) && transfers++ == 0) {
            const QString saving = watched + QStringLiteral("/.edit.psd.saving");
            QFile newer(saving);
            ASSERT_TRUE(newer.open(QIODevice::WriteOnly));
            newer.write("second version");
            newer.close();
            ASSERT_EQ(::rename(QFile::encodeName(saving).constData(), QFile::encodeName(path).constData()),
                      0);
        }
    });
    engine->setUploader(uploader);
    engine->start();
    write(QStringLiteral("edit.psd"), "first version");

    const QString remote = server.rootDir() + QStringLiteral("/incoming/edit.psd");
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->completedCount() == 2; }, 20000))
        << logMessages().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(readFile(remote), "second version");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(path); }, 5000))
        << "deleted once the version it holds has been sent";
    EXPECT_TRUE(logMessages().contains(
        QStringLiteral("[Office] Changed during the upload, kept to go up again: edit.psd")));
    EXPECT_EQ(transfers.load(), 2);
}

TEST_F(ConnectionEngineTest, FailedFilesAreOfferedAgainAfterABackOffAndAMissingFolderIsWaitedFor)
{
    FtpTestServer server;
    server.start();
    PushConnection c = connectionFor(server.connection());
    server.stop();
    auto engine = makeEngine(c);
    // Long enough that only "upload now" and resume bring the file back within this test.
    engine->setRetryBackOffMs(600000, 600000);
    engine->start();
    const QString path = write(QStringLiteral("report.pdf"), "keep me");
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->consecutiveErrors() == 1; }, 20000));
    QSignalSpy scans(engine.get(), &ConnectionEngine::scanFinished);
    ASSERT_TRUE(QTest::qWaitFor([&] { return scans.size() >= 4; }, 10000)) << "scans go on in error";
    EXPECT_EQ(engine->consecutiveErrors(), 1) << "held back, not tried at every scan";
    engine->scanNow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->consecutiveErrors() == 2; }, 20000));

    // The server returns; the next offer after the back-off sends the file without any other event.
    server.restart();
    engine->setRetryBackOffMs(100, 100);
    engine->pause();
    engine->resume();
    EXPECT_TRUE(waitForRemote(server.rootDir() + QStringLiteral("/incoming/report.pdf"), "keep me"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine->state() == EngineState::watching(); }, 5000));

    // A folder that is not there yet (a drive mounted later): the error stays, also across pause and resume,
    // until the folder appears; then it is watched and its files go up.
    c.localFolder = env.root() + QStringLiteral("/card");
    auto later = makeEngine(c);
    later->start();
    const EngineState missing =
        EngineState::error(QStringLiteral("Local folder not found: ") + c.localFolder);
    EXPECT_EQ(later->state(), missing);
    later->pause();
    later->resume();
    EXPECT_EQ(later->state(), missing) << "nothing runs, so it does not say watching";
    env.writeFile(QStringLiteral("card/DSC_0001.JPG"), "shot");
    EXPECT_TRUE(waitForRemote(server.rootDir() + QStringLiteral("/incoming/DSC_0001.JPG"), "shot"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return later->state() == EngineState::watching(); }, 5000));
    EXPECT_TRUE(logMessages().contains(QStringLiteral("[Office] Watching ") + c.localFolder));
    EXPECT_EQ(
        logMessages().filter(QStringLiteral("[Office] Local folder not found: ") + c.localFolder).size(), 1)
        << "the log says it once, not at every scan";
}

// A server that refuses every MKD (a write-only drop box): files that need no new folder go up; the one that
// does fails, is tried again after its back-off, and its error names the folder the server refused.
TEST_F(ConnectionEngineTest, AFolderTheServerRefusesHoldsBackOnlyTheFilesInIt)
{
    FtpTestServer server;
    FtpServerOptions options;
    options.refuseFolders = true;
    server.start(options);
    ASSERT_TRUE(QDir().mkpath(server.rootDir() + QStringLiteral("/incoming")));
    auto engine = makeEngine(connectionFor(server.connection()));
    engine->start();
    write(QStringLiteral("sub/deep/low.bin"), "low");
    write(QStringLiteral("top.bin"), "top");
    EXPECT_TRUE(waitForRemote(server.rootDir() + QStringLiteral("/incoming/top.bin"), "top", 15000))
        << logMessages().join(QLatin1Char('\n')).toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->consecutiveErrors() >= 2; }, 15000));
    const QStringList failures = logMessages().filter(QStringLiteral("[Office] ✗ low.bin: "));
    ASSERT_FALSE(failures.isEmpty());
    EXPECT_TRUE(failures.first().contains(QStringLiteral("/incoming/sub"))) << failures.first().toStdString();
}

// The watched folder deleted, or renamed away, and another created under its name: the new one is watched
// (the scans are too rare here to find its files) and the log says both.
TEST_F(ConnectionEngineTest, AWatchedFolderRemovedAndCreatedAgainIsWatchedAgain)
{
    FtpTestServer server;
    server.start();
    auto engine = makeEngine(connectionFor(server.connection()));
    engine->setSafetyNetScanSeconds(3600);
    engine->start();
    for (const bool renamed : {false, true}) {
        SCOPED_TRACE(renamed ? "renamed away" : "deleted");
        const QString name = renamed ? QStringLiteral("b.txt") : QStringLiteral("a.txt");
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine->state() == EngineState::watching(); }, 10000));
        if (renamed) {
            ASSERT_TRUE(QDir().rename(watched, watched + QStringLiteral("-old")));
        } else {
            ASSERT_TRUE(QDir(watched).removeRecursively());
        }
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return engine->state().kind() == EngineState::Kind::error; }, 10000));
        QDir().mkpath(watched);
        write(name, "after");
        EXPECT_TRUE(waitForRemote(server.rootDir() + QStringLiteral("/incoming/") + name, "after"));
    }
    // Whichever saw it first, the watcher or a scan, says so once per disappearance.
    EXPECT_EQ(logMessages().filter(watched + QStringLiteral(" — Ondrix looks for it again")).size(), 2)
        << logMessages().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(logMessages().filter(QStringLiteral("[Office] Watching ") + watched).size(), 3);
}

TEST_F(ConnectionEngineTest, AFileOnItsWayIsOfferedOnceAndCountedOnce)
{
    FtpTestServer server;
    server.start();
    // A folder written with a trailing slash and reached through a link names the same files.
    const QString link = env.root() + QStringLiteral("/linked");
    ASSERT_TRUE(QFile::link(watched, link));
    PushConnection c = connectionFor(server.connection());
    c.localFolder = link + QStringLiteral("/");
    auto engine = makeEngine(c);
    auto uploader = std::make_shared<FTPUploader>(c);
    std::atomic<int> uploads = 0;
    // Each transfer is held up for a while, so several scans run during it.
    uploader->setHandleInspector([&](const CurlHandle& handle) {
        if (handle.hasOption(CURLOPT_UPLOAD)) {
            ++uploads;
            QThread::msleep(1200);
        }
    });
    engine->setUploader(uploader);
    int mostQueued = 0;
    QObject::connect(engine.get(), &ConnectionEngine::queuedCountChanged,
                     [&](int count) { mostQueued = std::max(mostQueued, count); });
    engine->start();
    write(QStringLiteral("a.jpg"), "a");
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->activeJobs().size() == 1; }, 20000));
    EXPECT_EQ(engine->queuedCount(), 1);
    engine->handleFileEvent(link + QStringLiteral("//a.jpg"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->completedCount() == 1; }, 20000));
    EXPECT_TRUE(nextScanFindsNothing(*engine));
    EXPECT_EQ(uploads.load(), 1);
    EXPECT_EQ(engine->completedCount(), 1);
    EXPECT_EQ(mostQueued, 1);
    EXPECT_EQ(logMessages().filter(QStringLiteral("Queued: a.jpg")).size(), 1);
    EXPECT_EQ(logMessages().filter(QStringLiteral("Stability check (1s): a.jpg")).size(), 1);
    EXPECT_EQ(engine->uploadedRecord().dates().keys(), QStringList{watched + QStringLiteral("/a.jpg")});
    EXPECT_EQ(colourOf(tags, watched + QStringLiteral("/a.jpg")), QStringLiteral("Green"));
}

// A file another program still writes, pausing between pieces for longer than the stability wait (a card
// reader, a stalled share), is neither sent cut off nor deleted under its writer: it goes up whole once the
// writer lets go, and only then is it deleted. No failure is counted for it.
TEST_F(ConnectionEngineTest, AFileStillOpenForWritingWaitsForItsWriter)
{
    FtpTestServer server;
    server.start();
    PushConnection c = connectionFor(server.connection());
    c.deleteLocalAfterUpload = true;
    auto engine = makeEngine(c);
    engine->start();
    const QString path = watched + QStringLiteral("/clip.mov");
    const QString remote = server.rootDir() + QStringLiteral("/incoming/clip.mov");
    QFile writer(path);
    ASSERT_TRUE(writer.open(QIODevice::WriteOnly));
    QByteArray all;
    for (const char piece : {'a', 'b', 'c'}) {
        const QByteArray bytes(300000, piece);
        writer.write(bytes);
        writer.flush();
        all += bytes;
        QTest::qWait(500); // more than two stability intervals
    }
    EXPECT_FALSE(QFile::exists(remote)) << "nothing is sent while its writer holds the file";
    writer.close();
    EXPECT_TRUE(waitForRemote(remote, all)) << logMessages().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(path); }, 10000));
    EXPECT_EQ(engine->consecutiveErrors(), 0);
    for (const NotificationRequest& request : std::as_const(center.requests)) {
        EXPECT_FALSE(request.identifier.startsWith(QStringLiteral("err-"))) << "no failure is announced";
    }
}

// A stop lets running uploads finish, but not for ever: one that outlasts the grace is cut short, is not
// recorded, and the stop completes.
// A server that stops answering (in the middle of the data, or at the open of a file on a logged-in
// connection) holds no stop up beyond its grace, over FTP and SFTP, also after a bandwidth edit: the upload
// is cut short, not recorded and not announced as a failure, and the file stays for the next start.
TEST_F(ConnectionEngineTest, AStalledServerHoldsNoStopUpBeyondTheGrace)
{
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
            c.localFolder = env.makeDir(QStringLiteral("stall-%1-%2").arg(sftp).arg(midTransfer));
            c.maxBandwidthKBps = 64;
            auto engine = makeEngine(c);
            engine->setStopGraceMs(300);
            engine->start();
            // A first file leaves a logged-in connection behind.
            env.writeFile(QFileInfo(c.localFolder).fileName() + QStringLiteral("/first.txt"), "first");
            ASSERT_TRUE(QTest::qWaitFor([&] { return engine->completedCount() == 1; }, 20000));
            if (!midTransfer) {
                freeze(true);
            }
            const QString path =
                env.writeFile(QFileInfo(c.localFolder).fileName() + QStringLiteral("/big.bin"),
                              QByteArray(4 * 1024 * 1024, 'b'));
            ASSERT_TRUE(QTest::qWaitFor(
                [&] {
                    return !engine->activeJobs().isEmpty() &&
                           (!midTransfer || engine->activeJobs().first().bytesUploaded > 0);
                },
                20000));
            if (midTransfer) {
                freeze(true);
            }
            // A new cap gives the engine a new uploader; the transfer goes on with the one it began on.
            PushConnection capped = c;
            capped.maxBandwidthKBps = 128;
            engine->applyLiveEdit(capped);
            QSignalSpy finished(engine.get(), &ConnectionEngine::transfersFinished);
            engine->stop();
            EXPECT_TRUE(finished.wait(10000));
            EXPECT_FALSE(engine->hasRunningTransfers());
            EXPECT_FALSE(engine->uploadedRecord().dates().contains(path));
            EXPECT_TRUE(QFile::exists(path));
            ++cuts;
            EXPECT_TRUE(QTest::qWaitFor([&] {
                return logMessages()
                           .filter(QStringLiteral("[Office] Upload cut short by the stop; it goes up at the "
                                                  "next start: big.bin"))
                           .size() == cuts;
            })) << logMessages().join(QLatin1Char('\n')).toStdString();
            EXPECT_TRUE(std::none_of(
                center.requests.cbegin(), center.requests.cend(),
                [](const auto& request) { return request.title == QStringLiteral("Ondrix: Upload failed"); }))
                << "a stop is no failure to announce";
            freeze(false);
        }
    }
}

// While the watcher is trustworthy the scan is only a safety net and runs seldom; changes the kernel's event
// queue dropped are still found, because the overflow brings a scan at once and frequent ones after it.
TEST_F(ConnectionEngineTest, ChangesLostToAnOverflowAreFoundByTheScan)
{
    FtpTestServer server;
    server.start();
    PushConnection c = connectionFor(server.connection());
    c.includedExtensions = QStringLiteral("jpg");
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

    // The queue fills up with the changes of two other files; the photo's own events are dropped.
    source->setReadingSuspended(true);
    ASSERT_TRUE(InotifyQueue::fill(watched));
    write(QStringLiteral("lost.jpg"), "found by the scan");
    source->setReadingSuspended(false);

    EXPECT_TRUE(waitForRemote(server.rootDir() + QStringLiteral("/incoming/lost.jpg"), "found by the scan"))
        << logMessages().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(engine->scanIntervalMs(), 200) << "frequent scans for a while after the loss";
    EXPECT_FALSE(logMessages().filter(QStringLiteral("fs.inotify.max_queued_events")).isEmpty());
}

// Whoever writes into the watched folder swaps a queued file's folder, or the watched folder's own parent,
// for a link to a private folder holding a file of the same name: the private file is neither sent nor
// deleted nor archived.
TEST_F(ConnectionEngineTest, AFolderSwappedForALinkLeadsNowhere)
{
    FtpTestServer ftp;
    ftp.start();
    SftpTestServer sftp;
    sftp.start();
    int round = 0;
    for (const PushConnection& server : {ftp.connection(), sftp.connection()}) {
        for (const bool archiving : {false, true}) {
            for (const bool swapParent : {false, true}) {
                const QString base =
                    QFileInfo(env.makeDir(QStringLiteral("swap%1").arg(++round))).canonicalFilePath();
                const QString folder = base + QStringLiteral("/drop/watched");
                QDir().mkpath(folder + QStringLiteral("/sub"));
                env.writeFile(QStringLiteral("swap%1/private/b.jpg").arg(round), "secret");
                env.writeFile(QStringLiteral("swap%1/private/watched/sub/b.jpg").arg(round), "secret");
                PushConnection c = connectionFor(server);
                c.name = QStringLiteral("Swap %1").arg(round);
                c.localFolder = folder;
                c.remoteFolder = QStringLiteral("/swap%1").arg(round);
                c.deleteLocalAfterUpload = !archiving;
                if (archiving) {
                    c.postUploadAction = PostUploadAction::moveToArchive(
                        env.makeDir(QStringLiteral("swap%1/archive").arg(round)));
                }
                auto engine = makeEngine(c);
                engine->start();
                engine->pause();
                // Offered as the watcher offers it (its watches may still be on their way while paused).
                engine->handleFileEvent(
                    env.writeFile(QStringLiteral("swap%1/drop/watched/sub/b.jpg").arg(round), "shared"));
                ASSERT_TRUE(QTest::qWaitFor([&] { return engine->queuedCount() == 1; }, 20000))
                    << round << logMessages().join(QLatin1Char('\n')).toStdString();
                if (swapParent) {
                    ASSERT_TRUE(
                        QDir().rename(base + QStringLiteral("/drop"), base + QStringLiteral("/drop.old")));
                    ASSERT_TRUE(
                        QFile::link(base + QStringLiteral("/private"), base + QStringLiteral("/drop")));
                } else {
                    ASSERT_TRUE(
                        QDir().rename(folder + QStringLiteral("/sub"), base + QStringLiteral("/moved")));
                    ASSERT_TRUE(
                        QFile::link(base + QStringLiteral("/private"), folder + QStringLiteral("/sub")));
                }
                engine->resume();
                ASSERT_TRUE(QTest::qWaitFor(
                    [&] { return engine->completedCount() + engine->consecutiveErrors() > 0; }, 20000))
                    << round;
                if (swapParent) {
                    // The folder that was opened keeps its file until the action has run on it.
                    EXPECT_TRUE(QTest::qWaitFor(
                        [&] { return !QFile::exists(base + QStringLiteral("/drop.old/watched/sub/b.jpg")); },
                        20000))
                        << round;
                }
                engine->stop();
                const QString remote =
                    (server.transferProtocol == TransferProtocol::sftp ? sftp.rootDir() : ftp.rootDir()) +
                    c.remoteFolder;
                // The parent's swap leaves the folder that was opened in use: its own file goes up.
                EXPECT_EQ(readFile(remote + QStringLiteral("/sub/b.jpg")),
                          swapParent ? "shared" : "<missing>")
                    << round;
                EXPECT_EQ(readFile(base + QStringLiteral("/private/b.jpg")), "secret") << round;
                EXPECT_EQ(colourOf(tags, base + QStringLiteral("/private/b.jpg")), QString()) << round;
                EXPECT_EQ(readFile(base + QStringLiteral("/private/watched/sub/b.jpg")), "secret") << round;
                EXPECT_FALSE(QFile::exists(base + QStringLiteral("/archive/b.jpg")) &&
                             readFile(base + QStringLiteral("/archive/b.jpg")) == "secret")
                    << round;
            }
        }
    }
}
