#include "supervision/ConnectionsManager.h"

#include "engine/ConnectionEngine.h"
#include "engine/UploadedRecord.h"
#include "model/UuidText.h"
#include "platform/LogindPowerMonitor.h"
#include "platform/QtNetworkPathSource.h"
#include "supervision/BookmarkManager.h"
#include "support/EngineTestServices.h"
#include "support/FakeNetworkPathSource.h"
#include "support/FtpTestServer.h"
#include "support/LogindMock.h"
#include "support/NetworkManagerMock.h"
#include "transfer/CurlHandle.h"
#include "transfer/FTPUploader.h"

#include <QDir>
#include <QMutex>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;
using namespace ondrix::test;

namespace {

NetworkPath path(bool satisfied, bool expensive, QList<NetworkPath::InterfaceType> interfaces = {})
{
    return {satisfied ? NetworkPath::Status::satisfied : NetworkPath::Status::unsatisfied, expensive,
            std::move(interfaces)};
}

class ConnectionsManagerTest : public EngineTestFixture {
protected:
    std::unique_ptr<ConnectionsManager> makeManager(PowerMonitor* power = nullptr,
                                                    NetworkPathSource* source = nullptr,
                                                    std::function<void(ConnectionEngine&)> configure = {})
    {
        auto manager = std::make_unique<ConnectionsManager>(services, source ? source : &network, power);
        manager->setWakeResumeDelayMs(100);
        manager->setEngineConfigurator([configure](ConnectionEngine& engine) {
            engine.setMinSpinnerVisibilityMs(0);
            engine.setStabilityIntervalSeconds(0.2);
            if (configure) {
                configure(engine);
            }
        });
        return manager;
    }

    PushConnection serverConnection(const FtpTestServer& server, const QString& name)
    {
        PushConnection c = server.connection();
        c.name = name;
        c.isEnabled = true;
        c.localFolder = env.makeDir(name.toLower());
        return c;
    }

    // Connections A and B to two started servers, on one folder; A deletes what it uploaded.
    std::pair<PushConnection, PushConnection> sharingAFolder(const QString& remoteA, const QString& remoteB)
    {
        first.start();
        second.start();
        PushConnection a = serverConnection(first, u"A"_s);
        PushConnection b = serverConnection(second, u"B"_s);
        b.localFolder = a.localFolder;
        a.remoteFolder = remoteA;
        b.remoteFolder = remoteB;
        a.deleteLocalAfterUpload = true;
        return {a, b};
    }

    void storeConnections(const QList<PushConnection>& connections)
    {
        store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList(connections));
    }

    static void turn()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    std::string log() const { return logMessages().join(u'\n').toStdString(); }

    FakeNetworkPathSource network;
    FtpTestServer first, second;
};

} // namespace

// Lists that cannot be read are left as they are until the next edit; readable ones load cleaned (twin ids,
// bad lock ids), edits are stored, and a folder picked for a known connection is restored after a restart.
TEST_F(ConnectionsManagerTest, StoredListsLoadCleanedAndEditsAreStored)
{
    store.setData(ConnectionsManager::kConnectionsKey, "[{\"id\": 1}]");
    store.setString(ConnectionsManager::kLockedConnectionsKey, u"oops"_s);
    store.setData(BookmarkManager::keyFor(QUuid::createUuid()), "garbage");
    const auto stored = [&] {
        return *PushConnection::decodeList(store.dataValue(ConnectionsManager::kConnectionsKey));
    };
    auto manager = makeManager();
    EXPECT_EQ(std::tuple(manager->connections().size(), store.dataValue(ConnectionsManager::kConnectionsKey),
                         store.stringValue(ConnectionsManager::kLockedConnectionsKey)),
              std::tuple(0, "[{\"id\": 1}]", u"oops"_s));
    manager->addConnection(loopbackConnection(u"New"_s, false));
    EXPECT_EQ(stored().size(), 1);

    PushConnection a = loopbackConnection(u"A"_s, false);
    PushConnection twin = loopbackConnection(u"Twin"_s, false);
    twin.id = a.id;
    PushConnection b = loopbackConnection(u"B"_s, false);
    storeConnections({a, twin, b});
    store.setStringList(ConnectionsManager::kLockedConnectionsKey, {uuidText(a.id), u"not-a-uuid"_s});
    manager = makeManager();
    EXPECT_EQ(manager->connections(), (QList<PushConnection>{a, b}));
    EXPECT_EQ(stored(), manager->connections());
    EXPECT_EQ(store.stringListValue(ConnectionsManager::kLockedConnectionsKey), QStringList{uuidText(a.id)});

    QSignalSpy saved(manager.get(), &ConnectionsManager::connectionsChanged);
    PushConnection renamed = a;
    renamed.name = u"Renamed"_s;
    manager->addConnection(renamed);
    const PushConnection stranger = loopbackConnection(u"Stranger"_s);
    manager->updateConnection(stranger);
    EXPECT_EQ(saved.count(), 0) << "an existing id is not added again, an unknown one not updated";
    manager->updateConnection(renamed);
    EXPECT_EQ(stored().at(0).name, u"Renamed"_s);
    manager->toggleLock(a.id);
    manager->toggleLock(b.id);
    EXPECT_EQ(manager->lockedConnectionIds(), QSet<QUuid>{b.id});
    manager->deleteConnection(b.id);
    EXPECT_EQ(stored().size(), 1);
    EXPECT_EQ(manager->lockedConnectionIds(), QSet<QUuid>{b.id}) << "the lock of a deleted connection stays";

    const QString picked = env.makeDir(u"picked"_s);
    manager->setFolderBookmark(picked, a.id);
    manager->setFolderBookmark(picked, stranger.id);
    EXPECT_EQ(manager->activeBookmarks().value(a.id), picked);
    EXPECT_FALSE(store.contains(BookmarkManager::keyFor(stranger.id)));
    manager.reset();
    EXPECT_EQ(makeManager()->activeBookmarks().value(a.id), picked);

    // A bookmark whose folder is gone is removed at the next launch; one without a local folder is skipped.
    PushConnection gone = loopbackConnection(u"Gone"_s);
    PushConnection noFolder = loopbackConnection(u"NoFolder"_s);
    noFolder.localFolder.clear();
    BookmarkManager::saveBookmark(store, gone.id, gone.localFolder);
    BookmarkManager::saveBookmark(store, noFolder.id, env.root());
    QDir(gone.localFolder).removeRecursively();
    EXPECT_TRUE(BookmarkManager::restoreBookmarks(store, {gone, noFolder}).isEmpty());
    EXPECT_FALSE(store.contains(BookmarkManager::keyFor(gone.id)));
    EXPECT_TRUE(store.contains(BookmarkManager::keyFor(noFolder.id)));
}

// Engines follow the list, its edits and the network, a broken one beside the others, and fold into one
// summary recounted once per turn of the event loop, not once per engine report (quadratic in their number).
TEST_F(ConnectionsManagerTest, EnginesFollowEditsAndFoldIntoOneSummary)
{
    settings.setPauseOnHotspot(true);
    settings.setPauseOnNoInternet(false);
    PushConnection watching = loopbackConnection(u"Watching"_s);
    PushConnection broken = loopbackConnection(u"Broken"_s);
    broken.localFolder = env.root() + u"/missing"_s;
    PushConnection off = loopbackConnection(u"Off"_s, false);
    QList<PushConnection> connections{watching, broken, off};
    for (int i = 0; i < 21; ++i) {
        connections.append(loopbackConnection(u"c%1"_s.arg(i)));
    }
    storeConnections(connections);
    auto manager = makeManager();
    QSignalSpy engines(manager.get(), &ConnectionsManager::enginesChanged);
    QSignalSpy recounts(manager.get(), &ConnectionsManager::aggregateStateChanged);
    manager->startAll();
    ASSERT_EQ(std::tuple(manager->engines().size(), engines.count(), manager->engine(off.id)),
              std::tuple(qsizetype(23), qsizetype(1), nullptr));
    EXPECT_EQ(manager->engine(watching.id)->state(), EngineState::watching());
    EXPECT_TRUE(manager->engine(broken.id)->state().isError()) << "the others run beside a broken one";
    // What the start posted: one recount there, one for the reports queued meanwhile, not one per engine.
    QCoreApplication::processEvents();
    EXPECT_LE(recounts.count(), 3);
    turn();
    EXPECT_EQ(manager->aggregateState(), EngineState::error(u"One or more connections have errors"_s));

    broken.isEnabled = false;
    manager->updateConnection(broken);
    EXPECT_EQ(manager->engine(broken.id), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return manager->aggregateState() == EngineState::watching(); }));

    recounts.clear();
    manager->pauseAll();
    EXPECT_TRUE(manager->aggregatePaused());
    turn();
    EXPECT_EQ(manager->aggregateState(), EngineState::idle()) << "only paused engines";
    EXPECT_LE(recounts.count(), 3);
    recounts.clear();
    manager->resumeAll();
    QCoreApplication::processEvents();
    EXPECT_LE(recounts.count(), 3);
    EXPECT_FALSE(manager->aggregatePaused());
    EXPECT_EQ(manager->engine(watching.id)->state(), EngineState::watching());

    // The network pauses only what it paused itself; a setting switched off lifts its pause.
    QSignalSpy paused(manager.get(), &ConnectionsManager::aggregatePausedChanged);
    network.setPath(path(true, true, {NetworkPath::InterfaceType::wifi}));
    network.setPath(path(true, true, {NetworkPath::InterfaceType::wifi}));
    turn();
    EXPECT_EQ(manager->networkType(), u"Hotspot"_s);
    EXPECT_TRUE(manager->isPausedForNetwork());
    ASSERT_EQ(paused.count(), 1) << "a second identical update pauses nothing again";
    for (ConnectionEngine* engine : manager->engines()) {
        EXPECT_EQ(engine->state(), EngineState::paused());
    }

    settings.setPauseOnHotspot(false); // lifted at the next turn of the event loop
    turn();
    EXPECT_FALSE(manager->isPausedForNetwork());
    ASSERT_EQ(paused.count(), 2);

    network.setPath(path(false, false));
    turn();
    EXPECT_EQ(std::tuple(manager->networkType(), manager->isNetworkAvailable(), paused.count()),
              std::tuple(u"None"_s, false, qsizetype(2)));
    settings.setPauseOnNoInternet(true);
    turn();
    EXPECT_TRUE(manager->isPausedForNetwork());

    network.setPath(
        path(true, false, {NetworkPath::InterfaceType::wiredEthernet, NetworkPath::InterfaceType::wifi}));
    turn();
    EXPECT_EQ(std::tuple(manager->networkType(), manager->isPausedForNetwork(), paused.count()),
              std::tuple(u"Ethernet"_s, false, qsizetype(4)));

    watching.name = u"Edited"_s;
    manager->updateConnection(watching);
    EXPECT_EQ(manager->engine(watching.id)->connection().name, u"Edited"_s);
    manager->stopAll();
    EXPECT_EQ(std::pair(manager->hasActiveEngines(), manager->aggregateState()),
              std::pair(false, EngineState::idle()));
}

// Sleep, wake and the network through logind and NetworkManager: an upload holds one idle inhibitor; each
// reason to pause is lifted by its own cause only, and the one the user chose outlasts the others.
TEST_F(ConnectionsManagerTest, SleepWakeNetworkAndTheUsersPauseThroughLogindAndNetworkManager)
{
    DBusMockSession bus;
    ASSERT_TRUE(bus.isRunning()) << bus.errorString().toStdString();
    LogindMock logind(bus);
    ASSERT_TRUE(logind.start()) << bus.errorString().toStdString();
    NetworkManagerMock networkManager(bus);
    QString error;
    ASSERT_TRUE(networkManager.start(&error)) << error.toStdString();
    FtpTestServer server;
    server.start();
    PushConnection uploading = serverConnection(server, u"Uploads"_s);
    uploading.maxBandwidthKBps = 200;
    storeConnections({uploading});
    settings.setPreventSleepDuringDownloads(true);
    settings.setPauseOnNoInternet(true);
    QtNetworkPathSource networkSource;
    LogindPowerMonitor power(bus.connection());
    auto manager = makeManager(&power, &networkSource);
    manager->startAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return power.holdsSleepDelay(); }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return manager->networkType() == u"Ethernet"_s; }, 5000));

    env.writeFile(u"uploads/big.jpg"_s, QByteArray(300 * 1024, 'b'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return manager->isPreventingSleep(); }, 20000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return logind.held(u"idle"_s) == 1; }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager->isPreventingSleep(); }, 30000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return logind.held(u"idle"_s) == 0; }, 10000));

    ASSERT_TRUE(logind.prepareForSleep(true));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !power.holdsSleepDelay(); }, 10000));
    EXPECT_TRUE(manager->isPausedForSleep());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return logMessages().contains(u"System going to sleep — pausing all connections"_s); }));

    // Waking while the network keeps the uploads paused resumes nothing, and the log says what holds them.
    ASSERT_TRUE(networkManager.disconnect());
    ASSERT_TRUE(QTest::qWaitFor([&] { return manager->isPausedForNetwork(); }, 5000));
    QSignalSpy paused(manager.get(), &ConnectionsManager::aggregatePausedChanged);
    ASSERT_TRUE(logind.prepareForSleep(false));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return logMessages().contains(u"System woke up — connections stay paused (no network)"_s);
    })) << log();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager->isPausedForSleep(); }, 10000));
    EXPECT_EQ(paused.count(), 0);
    EXPECT_EQ(manager->engine(uploading.id)->state(), EngineState::paused());

    using R = PauseReasons::Reason;
    const auto reasons = [&] { return manager->pauseReasons().reasons(uploading.id); };
    manager->pauseAll();
    EXPECT_EQ(reasons(), (QList<R>{R::user, R::noNetwork}));
    EXPECT_EQ(PauseReasons::describe(reasons()), u"Paused (by you, no network)"_s);
    ASSERT_TRUE(networkManager.reconnect());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager->isPausedForNetwork(); }, 5000));
    ASSERT_TRUE(logind.prepareForSleep(true));
    ASSERT_TRUE(QTest::qWaitFor([&] { return manager->isPausedForSleep(); }, 5000));
    ASSERT_TRUE(logind.prepareForSleep(false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager->isPausedForSleep(); }, 5000));
    EXPECT_EQ(std::pair(reasons(), manager->engine(uploading.id)->state()),
              std::pair(QList<R>{R::user}, EngineState::paused()));
    manager->resumeAll();
    EXPECT_EQ(std::pair(reasons(), manager->engine(uploading.id)->state()),
              std::pair(QList<R>(), EngineState::watching()));
    manager->stopAll();
}

// Uploads under way are sent once: a rename or a new number of simultaneous uploads reaches the running
// engine, other edits make a new engine that waits for the old one's upload, a stop lets the transfer end.
TEST_F(ConnectionsManagerTest, UploadsUnderWayAtAnEditOrAStopAreFinishedAndHandledOnce)
{
    FtpTestServer server;
    server.start();
    PushConnection c = serverConnection(server, u"Shop"_s);
    c.simultaneousUploads = 1;
    c.maxBandwidthKBps = 2000;
    c.deleteLocalAfterUpload = true;
    c.useTemporaryName = false; // sends are counted by the name they go to: the real one
    storeConnections({c});
    QMutex mutex;
    QStringList sent;
    const auto sends = [&](const QString& name) {
        QMutexLocker lock(&mutex);
        return sent.count(name);
    };
    auto manager = makeManager(nullptr, nullptr, [&](ConnectionEngine& engine) {
        auto uploader = std::make_shared<FTPUploader>(engine.connection());
        uploader->setHandleInspector([&](const CurlHandle& handle) {
            if (const auto url = handle.textOption(CURLOPT_URL); url && handle.hasOption(CURLOPT_UPLOAD)) {
                QMutexLocker lock(&mutex);
                sent.append(QString::fromUtf8(*url).section(u'/', -1));
            }
            QThread::msleep(800);
        });
        engine.setUploader(uploader);
    });
    manager->startAll();
    ConnectionEngine* engine = manager->engine(c.id);
    engine->setStopGraceMs(100);
    const QByteArray big(4 * 1000 * 1000, 'x');
    env.writeFile(u"shop/big.bin"_s, big);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !engine->activeJobs().isEmpty() && engine->activeJobs().first().bytesUploaded > 0; },
        20000));
    env.writeFile(u"shop/small.bin"_s, "small");
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->queuedCount() == 2; }, 10000));
    c.name = u"Shop renamed"_s;
    manager->updateConnection(c);
    c.simultaneousUploads = 2;
    manager->updateConnection(c);
    EXPECT_EQ(std::pair(manager->engine(c.id), engine->connection().name),
              std::pair(engine, u"Shop renamed"_s));
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->completedCount() == 1; }, 10000));
    EXPECT_EQ(engine->activeJobs().size(), 1) << "the big file is still on its way";
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->completedCount() == 2; }, 30000));
    EXPECT_EQ(readFile(server.rootDir() + u"/big.bin"_s), big);
    EXPECT_EQ(sends(u"big.bin"_s), 1);

    const QString edited = env.writeFile(u"shop/edited.jpg"_s, "e");
    ASSERT_TRUE(QTest::qWaitFor([&] { return sends(u"edited.jpg"_s) == 1; }, 20000));
    engine->setStopGraceMs(ConnectionEngine::kDefaultStopGraceMs); // the restart waits for the upload
    c.excludedExtensions = u"tmp"_s;
    manager->updateConnection(c);
    EXPECT_NE(manager->engine(c.id), engine);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(edited); }, 20000));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return manager->engine(c.id)->state() == EngineState::watching(); }, 20000));
    QTest::qWait(500);
    EXPECT_EQ(sends(u"edited.jpg"_s), 1) << "never sent a second time";

    const QString stopped = env.writeFile(u"shop/stopped.jpg"_s, "s");
    ASSERT_TRUE(QTest::qWaitFor([&] { return sends(u"stopped.jpg"_s) == 1; }, 20000));
    QSignalSpy finished(manager.get(), &ConnectionsManager::transfersFinished);
    manager->stopAll();
    EXPECT_TRUE(manager->hasRunningTransfers());
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_FALSE(QFile::exists(stopped)) << "its post-upload action ran";
    EXPECT_EQ(logMessages().filter(u"[Shop renamed] ✓ stopped.jpg"_s).size(), 1) << log();
    EXPECT_EQ(std::pair(history.entries().size(), stats.totalFiles()), std::pair(qsizetype(4), qint64(4)));
    EXPECT_TRUE(UploadedRecord(&store, c).dates().contains(c.localFolder + u"/stopped.jpg"_s));
}

// Two connections to one host with the same folders keep one uploaded record: after a restart neither can
// tell what the other sent, so a file both take is uploaded by both but never deleted on that record's word.
TEST_F(ConnectionsManagerTest, ConnectionsSharingOneRecordLeaveTheirFilesInPlace)
{
    const auto [a, b] = sharingAFolder(u"/"_s, u"/"_s);
    storeConnections({a, b});
    auto manager = makeManager();
    manager->startAll();
    const QString file = env.writeFile(QFileInfo(a.localFolder).fileName() + u"/one.jpg"_s, "1");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return manager->engine(a.id)->completedCount() == 1 &&
                   manager->engine(b.id)->completedCount() == 1;
        },
        30000))
        << log();
    EXPECT_EQ(second.receivedUploads().size(), 1);
    QTest::qWait(300);
    EXPECT_TRUE(QFile::exists(file)) << "kept: the shared record proves nothing about the second server";
    EXPECT_FALSE(logMessages().filter(u"Keeps its record of uploaded files together with"_s).isEmpty());
    manager->stopAll();
}

// Two connections on one folder: a file is acted on once, by the first connection that acts, only once both
// servers hold it, also across a restart; the second connection's own action is left out, and said so.
TEST_F(ConnectionsManagerTest, AFolderTwoConnectionsShareIsActedOnOnceBothServersHaveIt)
{
    // Not the same remote folder: records are kept per host and folders, and both servers are on one host.
    auto [a, b] = sharingAFolder(u"/"_s, u"/backup"_s);
    const auto script = [&](PushConnection& c) {
        const QString list = env.root() + u"/handed-"_s + c.name;
        const QString path = env.writeFile(u"script-"_s + c.name,
                                           u"#!/bin/sh\nbasename \"$1\" >> '%1'\n"_s.arg(list).toUtf8());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        c.postUploadAction = PostUploadAction::runScript(path);
        return list;
    };
    const QString handedA = script(a), handedB = script(b);
    storeConnections({a, b});
    const auto launch = [&] {
        auto manager =
            makeManager(nullptr, nullptr, [](ConnectionEngine& e) { e.setRetryBackOffMs(200, 500); });
        manager->startAll();
        return manager;
    };
    const QString folder = QFileInfo(a.localFolder).fileName() + QLatin1Char('/');
    QStringList names;
    const auto drop = [&](const QString& name) {
        names.append(name);
        return env.writeFile(folder + name, name.toUtf8().repeated(1000 + 100 * names.size()));
    };
    const auto deliveredEverywhere = [&] {
        for (const QString& name : std::as_const(names)) {
            const QByteArray bytes = name.toUtf8().repeated(1000 + 100 * (names.indexOf(name) + 1));
            for (const QString& dir :
                 QStringList{first.rootDir() + u"/"_s, second.rootDir() + u"/backup/"_s}) {
                EXPECT_TRUE(readFile(dir + name) == bytes) << qPrintable(dir + name);
            }
        }
    };

    auto manager = launch();
    const QStringList both{drop(u"one.jpg"_s), drop(u"two.jpg"_s)};
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(both[0]) && !QFile::exists(both[1]); }, 30000))
        << log();
    deliveredEverywhere();

    second.stop();
    const QString waiting = drop(u"three.jpg"_s);
    ConnectionEngine* engineB = manager->engine(b.id);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return manager->engine(a.id)->completedCount() == 3 && engineB->consecutiveErrors() > 1; },
        30000))
        << log();
    EXPECT_TRUE(QFile::exists(waiting)) << "kept while the second server lacks it";
    tags.waitForTagWrites();
    EXPECT_FALSE(
        tags.readTags(waiting).contains(FinderTagService::rawValue(FinderTagService::UploadColour::green)));
    EXPECT_TRUE(logMessages().contains(u"[A] Kept until B has it too: three.jpg"_s)) << log();
    manager.reset();
    manager = launch();
    QTest::qWait(500);
    EXPECT_TRUE(QFile::exists(waiting));
    second.restart();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(waiting); }, 30000)) << log();
    deliveredEverywhere();
    EXPECT_EQ(std::pair(first.receivedUploads().size(), second.receivedUploads().size()),
              std::pair(qsizetype(3), qsizetype(3)));

    ASSERT_TRUE(QTest::qWaitFor([&] { return readFile(handedA).count('\n') == names.size(); }, 10000));
    QStringList handed = QString::fromUtf8(readFile(handedA)).split(u'\n', Qt::SkipEmptyParts);
    handed.sort();
    names.sort();
    EXPECT_EQ(handed, names) << "each file handed over once";
    EXPECT_FALSE(QFile::exists(handedB)) << "the second connection's action is left out";
    EXPECT_EQ(logMessages().filter(u"action is left out"_s).size(), 2) << "once a run";
    manager->stopAll();
}
