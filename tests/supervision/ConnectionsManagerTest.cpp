#include "supervision/ConnectionsManager.h"

#include "engine/ConnectionEngine.h"
#include "engine/UploadedRecord.h"
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
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

using namespace ondrix;
using ondrix::test::DBusMockSession;
using ondrix::test::EngineTestFixture;
using ondrix::test::FakeNetworkPathSource;
using ondrix::test::FtpTestServer;
using ondrix::test::LogindMock;
using ondrix::test::NetworkManagerMock;

namespace {

NetworkPath path(bool satisfied, bool expensive, QList<NetworkPath::InterfaceType> interfaces = {})
{
    return {satisfied ? NetworkPath::Status::satisfied : NetworkPath::Status::unsatisfied, expensive,
            std::move(interfaces)};
}

class ConnectionsManagerTest : public EngineTestFixture {
protected:
    std::unique_ptr<ConnectionsManager> makeManager(PowerMonitor* power = nullptr)
    {
        auto manager = std::make_unique<ConnectionsManager>(services, &network, power);
        manager->setWakeResumeDelayMs(100);
        manager->setEngineConfigurator([](ConnectionEngine& engine) {
            engine.setMinSpinnerVisibilityMs(0);
            engine.setStabilityIntervalSeconds(0.2);
        });
        return manager;
    }

    // An enabled connection to `server` that watches a new folder named after it, in lower case.
    PushConnection serverConnection(const FtpTestServer& server, const QString& name)
    {
        PushConnection c = server.connection();
        c.name = name;
        c.isEnabled = true;
        c.localFolder = env.makeDir(name.toLower());
        return c;
    }

    // Runs what the manager queued for the next turn of the event loop (summaries, network and settings
    // reactions).
    static void turn()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    FakeNetworkPathSource network;
};

} // namespace

TEST_F(ConnectionsManagerTest, StoredListsLoadCleanedAndEditsAreStored)
{
    PushConnection a = loopbackConnection(QStringLiteral("A"), false);
    PushConnection twin = loopbackConnection(QStringLiteral("Twin"), false);
    twin.id = a.id;
    PushConnection b = loopbackConnection(QStringLiteral("B"), false);
    store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList({a, twin, b}));
    store.setStringList(ConnectionsManager::kLockedConnectionsKey,
                        {a.id.toString(QUuid::WithoutBraces).toUpper(), QStringLiteral("not-a-uuid")});

    auto manager = makeManager();
    ASSERT_EQ(manager->connections().size(), 2);
    EXPECT_EQ(manager->connections()[0].name, QStringLiteral("A"));
    EXPECT_EQ(PushConnection::decodeList(store.dataValue(ConnectionsManager::kConnectionsKey))->size(), 2);
    EXPECT_EQ(manager->lockedConnectionIds(), QSet<QUuid>{a.id});
    EXPECT_EQ(store.stringListValue(ConnectionsManager::kLockedConnectionsKey).size(), 1);

    QSignalSpy saved(manager.get(), &ConnectionsManager::connectionsChanged);
    PushConnection renamed = a;
    renamed.name = QStringLiteral("Renamed");
    manager->addConnection(renamed);
    EXPECT_EQ(saved.count(), 0) << "an existing id is not added again";
    PushConnection stranger = loopbackConnection(QStringLiteral("Stranger"));
    manager->updateConnection(stranger);
    EXPECT_EQ(saved.count(), 0) << "an unknown id is not updated";
    manager->updateConnection(renamed);
    EXPECT_EQ(PushConnection::decodeList(store.dataValue(ConnectionsManager::kConnectionsKey))->at(0).name,
              QStringLiteral("Renamed"));
    manager->toggleLock(a.id);
    manager->toggleLock(b.id);
    EXPECT_EQ(manager->lockedConnectionIds(), QSet<QUuid>{b.id});
    manager->deleteConnection(b.id);
    EXPECT_EQ(manager->connections().size(), 1);
    EXPECT_EQ(manager->lockedConnectionIds(), QSet<QUuid>{b.id}) << "the lock of a deleted connection stays";

    // A folder picked for a known connection is remembered at once and restored after a restart.
    const QString picked = env.makeDir(QStringLiteral("picked"));
    manager->setFolderBookmark(picked, a.id);
    manager->setFolderBookmark(picked, stranger.id);
    EXPECT_EQ(manager->activeBookmarks().value(a.id), picked);
    EXPECT_FALSE(store.contains(BookmarkManager::keyFor(stranger.id)));
    manager.reset();
    EXPECT_EQ(makeManager()->activeBookmarks().value(a.id), picked);
}

TEST_F(ConnectionsManagerTest, UnreadableStoredListsAreLeftAlone)
{
    store.setData(ConnectionsManager::kConnectionsKey, "[{\"id\": 1}]");
    store.setString(ConnectionsManager::kLockedConnectionsKey, QStringLiteral("oops"));
    store.setData(BookmarkManager::keyFor(QUuid::createUuid()), "garbage");
    auto manager = makeManager();
    EXPECT_TRUE(manager->connections().isEmpty());
    EXPECT_EQ(store.dataValue(ConnectionsManager::kConnectionsKey), QByteArray("[{\"id\": 1}]"));
    EXPECT_EQ(store.stringValue(ConnectionsManager::kLockedConnectionsKey), QStringLiteral("oops"));
    manager->addConnection(loopbackConnection(QStringLiteral("New"), false));
    EXPECT_EQ(PushConnection::decodeList(store.dataValue(ConnectionsManager::kConnectionsKey))->size(), 1);

    // A bookmark whose folder is gone is removed at the next launch; one without a local folder is skipped.
    PushConnection gone = loopbackConnection(QStringLiteral("Gone"));
    PushConnection noFolder = loopbackConnection(QStringLiteral("NoFolder"));
    noFolder.localFolder.clear();
    BookmarkManager::saveBookmark(store, gone.id, gone.localFolder);
    BookmarkManager::saveBookmark(store, noFolder.id, env.root());
    QDir(gone.localFolder).removeRecursively();
    const auto restored = BookmarkManager::restoreBookmarks(store, {gone, noFolder});
    EXPECT_TRUE(restored.isEmpty());
    EXPECT_FALSE(store.contains(BookmarkManager::keyFor(gone.id)));
    EXPECT_TRUE(store.contains(BookmarkManager::keyFor(noFolder.id)));
}

TEST_F(ConnectionsManagerTest, EnginesFollowEditsAndFoldIntoOneSummary)
{
    PushConnection watching = loopbackConnection(QStringLiteral("Watching"));
    PushConnection broken = loopbackConnection(QStringLiteral("Broken"));
    broken.localFolder = env.root() + QStringLiteral("/missing");
    PushConnection off = loopbackConnection(QStringLiteral("Off"), false);
    store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList({watching, broken, off}));
    auto manager = makeManager();
    EXPECT_FALSE(manager->hasActiveEngines()) << "no engine runs before startAll";
    manager->startAll();
    ASSERT_EQ(manager->engines().size(), 2);
    EXPECT_EQ(manager->engine(off.id), nullptr);
    EXPECT_EQ(manager->engine(watching.id)->state(), EngineState::watching());
    EXPECT_TRUE(manager->engine(broken.id)->state().isError()) << "the others run beside a broken one";
    turn();
    EXPECT_EQ(manager->aggregateState(),
              EngineState::error(QStringLiteral("One or more connections have errors")));

    broken.isEnabled = false;
    manager->updateConnection(broken);
    EXPECT_EQ(manager->engine(broken.id), nullptr);
    turn();
    EXPECT_EQ(manager->aggregateState(), EngineState::watching());

    manager->pauseAll();
    EXPECT_TRUE(manager->aggregatePaused());
    turn();
    EXPECT_EQ(manager->aggregateState(), EngineState::idle()) << "only paused engines";
    manager->resumeAll();
    EXPECT_FALSE(manager->aggregatePaused());
    EXPECT_EQ(manager->engine(watching.id)->state(), EngineState::watching());

    ConnectionEngine* before = manager->engine(watching.id);
    PushConnection edited = watching;
    edited.name = QStringLiteral("Edited");
    manager->updateConnection(edited);
    EXPECT_NE(manager->engine(watching.id), nullptr);
    EXPECT_EQ(manager->engine(watching.id)->connection().name, QStringLiteral("Edited"));
    Q_UNUSED(before);

    manager->stopAll();
    EXPECT_FALSE(manager->hasActiveEngines());
    EXPECT_EQ(manager->aggregateState(), EngineState::idle());
}

// Many connections: starting them announces the engines once, and the summary is recounted once per turn of
// the event loop rather than once per engine report (which cost the square of their number). Kept to a few
// dozen: each engine holds an inotify instance, of which a user has 128.
TEST_F(ConnectionsManagerTest, ManyEnginesStartWithOneNoticeAndFewRecounts)
{
    QList<PushConnection> connections;
    for (int i = 0; i < 24; ++i) {
        connections.append(loopbackConnection(QStringLiteral("c%1").arg(i)));
    }
    store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList(connections));
    auto manager = makeManager();
    QSignalSpy engines(manager.get(), &ConnectionsManager::enginesChanged);
    QSignalSpy recounts(manager.get(), &ConnectionsManager::aggregateStateChanged);
    manager->startAll();
    EXPECT_EQ(manager->engines().size(), 24);
    EXPECT_EQ(engines.count(), 1);
    // What the start posted: one recount there, one for the reports queued meanwhile, not one per engine.
    QCoreApplication::processEvents();
    EXPECT_LE(recounts.count(), 3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return manager->aggregateState() == EngineState::watching(); }));

    recounts.clear();
    manager->pauseAll();
    manager->resumeAll();
    QCoreApplication::processEvents();
    EXPECT_LE(recounts.count(), 3);
    manager->stopAll();
}

TEST_F(ConnectionsManagerTest, NetworkPausesOnlyWhatItPausedItself)
{
    settings.setPauseOnHotspot(true);
    settings.setPauseOnNoInternet(false);
    store.setData(ConnectionsManager::kConnectionsKey,
                  PushConnection::encodeList({loopbackConnection(QStringLiteral("One")),
                                              loopbackConnection(QStringLiteral("Two"))}));
    auto manager = makeManager();
    manager->startAll();
    QSignalSpy paused(manager.get(), &ConnectionsManager::aggregatePausedChanged);

    network.setPath(path(true, true, {NetworkPath::InterfaceType::wifi}));
    network.setPath(path(true, true, {NetworkPath::InterfaceType::wifi}));
    turn();
    EXPECT_EQ(manager->networkType(), QStringLiteral("Hotspot"));
    EXPECT_TRUE(manager->isPausedForNetwork());
    ASSERT_EQ(paused.count(), 1) << "a second identical update pauses nothing again";
    for (ConnectionEngine* engine : manager->engines()) {
        EXPECT_EQ(engine->state(), EngineState::paused());
    }

    // Switching the setting off lifts the pause at the next turn of the event loop.
    settings.setPauseOnHotspot(false);
    turn();
    EXPECT_FALSE(manager->isPausedForNetwork());
    ASSERT_EQ(paused.count(), 2);
    EXPECT_FALSE(paused.last().at(0).toBool());

    network.setPath(path(false, false));
    turn();
    EXPECT_EQ(manager->networkType(), QStringLiteral("None"));
    EXPECT_FALSE(manager->isNetworkAvailable());
    EXPECT_EQ(paused.count(), 2) << "no pause without pauseOnNoInternet";
    settings.setPauseOnNoInternet(true);
    turn();
    EXPECT_TRUE(manager->isPausedForNetwork());

    network.setPath(
        path(true, false, {NetworkPath::InterfaceType::wiredEthernet, NetworkPath::InterfaceType::wifi}));
    turn();
    EXPECT_EQ(manager->networkType(), QStringLiteral("Ethernet"));
    EXPECT_FALSE(manager->isPausedForNetwork());
    EXPECT_EQ(paused.count(), 4);
}

TEST_F(ConnectionsManagerTest, SleepWakeAndIdleInhibitorsThroughLogind)
{
    DBusMockSession bus;
    ASSERT_TRUE(bus.isRunning()) << bus.errorString().toStdString();
    LogindMock logind(bus);
    ASSERT_TRUE(logind.start()) << bus.errorString().toStdString();

    FtpTestServer server;
    server.start();
    PushConnection uploading = serverConnection(server, QStringLiteral("Uploads"));
    uploading.maxBandwidthKBps = 200;
    store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList({uploading}));
    settings.setPreventSleepDuringDownloads(true);

    LogindPowerMonitor power(bus.connection());
    auto manager = makeManager(&power);
    manager->startAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return power.holdsSleepDelay(); }, 10000));

    // An upload holds exactly one idle inhibitor; the last finished job releases it.
    env.writeFile(QStringLiteral("uploads/big.jpg"), QByteArray(300 * 1024, 'b'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return manager->isPreventingSleep(); }, 20000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return logind.held(QStringLiteral("idle")) == 1; }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager->aggregateUploading(); }, 30000));
    EXPECT_FALSE(manager->isPreventingSleep());
    EXPECT_EQ(manager->sleepAssertionID(), 0u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return logind.held(QStringLiteral("idle")) == 0; }, 10000));
    EXPECT_TRUE(QFile::exists(server.rootDir() + QStringLiteral("/big.jpg")));

    // The pause happens while the delay inhibitor still holds the system back.
    std::optional<bool> delayHeldAtPause;
    QObject::connect(manager.get(), &ConnectionsManager::aggregatePausedChanged, manager.get(),
                     [&](bool value) {
                         if (value && !delayHeldAtPause) {
                             delayHeldAtPause = power.holdsSleepDelay();
                         }
                     });
    ASSERT_TRUE(logind.prepareForSleep(true));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !power.holdsSleepDelay(); }, 10000));
    ASSERT_TRUE(delayHeldAtPause.has_value());
    EXPECT_TRUE(*delayHeldAtPause);
    EXPECT_TRUE(manager->isPausedForSleep());
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return logMessages().contains(QStringLiteral("System going to sleep — pausing all connections"));
    }));

    // Waking while the network keeps the uploads paused resumes nothing.
    network.setPath(path(false, false));
    turn();
    ASSERT_TRUE(manager->isPausedForNetwork());
    QSignalSpy paused(manager.get(), &ConnectionsManager::aggregatePausedChanged);
    ASSERT_TRUE(logind.prepareForSleep(false));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return logMessages().contains(
            QStringLiteral("System woke up — connections stay paused (no network)"));
    })) << "the log says what holds the uploads";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager->isPausedForSleep(); }, 10000));
    EXPECT_EQ(paused.count(), 0);
    EXPECT_EQ(manager->engine(uploading.id)->state(), EngineState::paused());
    EXPECT_TRUE(QTest::qWaitFor([&] { return power.holdsSleepDelay(); }, 10000)) << "taken again after wake";
    manager->stopAll();
}

// Each reason to pause is lifted by its own cause only: the network's return and the wake end their pauses
// and leave the one the user chose, through NetworkManager and logind as the desktop runs them.
TEST_F(ConnectionsManagerTest, TheUsersPauseOutlastsANetworkDropAndASleep)
{
    DBusMockSession bus;
    ASSERT_TRUE(bus.isRunning()) << bus.errorString().toStdString();
    LogindMock logind(bus);
    ASSERT_TRUE(logind.start()) << bus.errorString().toStdString();
    NetworkManagerMock networkManager(bus);
    QString error;
    ASSERT_TRUE(networkManager.start(&error)) << error.toStdString();
    settings.setPauseOnNoInternet(true);
    PushConnection c = loopbackConnection(QStringLiteral("One"));
    store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList({c}));

    QtNetworkPathSource networkSource;
    LogindPowerMonitor power(bus.connection());
    ConnectionsManager manager(services, &networkSource, &power);
    manager.setWakeResumeDelayMs(10);
    manager.startAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return power.holdsSleepDelay(); }, 10000));
    using R = PauseReasons::Reason;
    const auto reasons = [&] { return manager.pauseReasons().reasons(c.id); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return manager.networkType() == QStringLiteral("Ethernet"); }, 5000));
    manager.pauseAll();

    ASSERT_TRUE(networkManager.disconnect());
    ASSERT_TRUE(QTest::qWaitFor([&] { return manager.isPausedForNetwork(); }, 5000));
    EXPECT_EQ(reasons(), (QList<R>{R::user, R::noNetwork}));
    EXPECT_EQ(PauseReasons::describe(reasons()), QStringLiteral("Paused (by you, no network)"));
    ASSERT_TRUE(networkManager.reconnect());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager.isPausedForNetwork(); }, 5000));

    ASSERT_TRUE(logind.prepareForSleep(true));
    ASSERT_TRUE(QTest::qWaitFor([&] { return manager.isPausedForSleep(); }, 5000));
    ASSERT_TRUE(logind.prepareForSleep(false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager.isPausedForSleep(); }, 5000));
    EXPECT_EQ(reasons(), QList<R>{R::user});
    EXPECT_TRUE(manager.aggregatePaused());
    EXPECT_EQ(manager.engine(c.id)->state(), EngineState::paused());

    manager.resumeAll();
    EXPECT_TRUE(reasons().isEmpty());
    EXPECT_EQ(manager.engine(c.id)->state(), EngineState::watching());
    manager.stopAll();
}

// A rename and a click of the simultaneous-uploads stepper reach the running engine: the upload under way
// goes on as one transfer (a restart would cut it after the stop grace and send it again), and a second file
// that waited for a free place starts at once.
TEST_F(ConnectionsManagerTest, ARenameAndAStepperClickLeaveTheRunningUploadAlone)
{
    FtpTestServer server;
    server.start();
    PushConnection c = serverConnection(server, QStringLiteral("Live"));
    c.simultaneousUploads = 1;
    c.maxBandwidthKBps = 2000;
    store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList({c}));
    auto manager = makeManager();
    manager->setEngineConfigurator([](ConnectionEngine& engine) {
        engine.setMinSpinnerVisibilityMs(0);
        engine.setStabilityIntervalSeconds(0.2);
        engine.setStopGraceMs(100);
    });
    manager->startAll();
    ConnectionEngine* engine = manager->engine(c.id);
    const QByteArray big(8 * 1000 * 1000, 'x');
    env.writeFile(QStringLiteral("live/big.bin"), big);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !engine->activeJobs().isEmpty() && engine->activeJobs().first().bytesUploaded > 0; },
        20000));
    env.writeFile(QStringLiteral("live/small.bin"), "small");
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->queuedCount() == 2; }, 10000));

    c.name = QStringLiteral("Renamed");
    manager->updateConnection(c);
    c.simultaneousUploads = 2;
    manager->updateConnection(c);
    EXPECT_EQ(manager->engine(c.id), engine) << "the engine runs on";
    EXPECT_EQ(engine->connection().name, QStringLiteral("Renamed"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return QFile::exists(server.rootDir() + QStringLiteral("/small.bin")); }, 10000));
    EXPECT_EQ(engine->activeJobs().size(), 1) << "the big file is still on its way";

    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->completedCount() == 2; }, 30000));
    EXPECT_EQ(ondrix::test::readFile(server.rootDir() + QStringLiteral("/big.bin")), big);
    const QStringList sends = QString::fromUtf8(ondrix::test::readFile(server.logFile()))
                                  .split(QLatin1Char('\n'))
                                  .filter(QRegularExpression(QStringLiteral("(STOR|APPE) .*big\\.bin")));
    EXPECT_EQ(sends.size(), 1) << sends.join(QLatin1Char('\n')).toStdString();
    manager->stopAll();
}

TEST_F(ConnectionsManagerTest, UploadsUnderWayAtAStopOrAnEditAreFinishedAndHandledOnce)
{
    FtpTestServer server;
    server.start();
    PushConnection c = serverConnection(server, QStringLiteral("Shop"));
    c.remoteFolder = QStringLiteral("/");
    c.deleteLocalAfterUpload = true;
    // Sends are counted by the name they go to: the real one.
    c.useTemporaryName = false;
    store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList({c}));
    // Every transfer of every engine is held up a while and counted, per file.
    QMutex mutex;
    QStringList sent;
    auto manager = makeManager();
    manager->setEngineConfigurator([&](ConnectionEngine& engine) {
        engine.setMinSpinnerVisibilityMs(0);
        engine.setStabilityIntervalSeconds(0.2);
        auto uploader = std::make_shared<FTPUploader>(engine.connection());
        uploader->setHandleInspector([&](const CurlHandle& handle) {
            if (const auto url = handle.textOption(CURLOPT_URL); url && handle.hasOption(CURLOPT_UPLOAD)) {
                QMutexLocker lock(&mutex);
                sent.append(QString::fromUtf8(*url).section(QLatin1Char('/'), -1));
            }
            QThread::msleep(800);
        });
        engine.setUploader(uploader);
    });
    manager->startAll();
    const auto uploadStarted = [&](const QString& name) {
        return QTest::qWaitFor(
            [&] {
                QMutexLocker lock(&mutex);
                return sent.contains(name);
            },
            20000);
    };

    // An edit of the connection while a file uploads: the new engine waits for the old one's upload.
    const QString edited = env.writeFile(QStringLiteral("shop/edited.jpg"), "e");
    ASSERT_TRUE(uploadStarted(QStringLiteral("edited.jpg")));
    c.name = QStringLiteral("Shop renamed");
    manager->updateConnection(c);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(edited); }, 20000));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return manager->engine(c.id)->state() == EngineState::watching(); }, 20000));
    QTest::qWait(500);
    EXPECT_EQ(sent, QStringList{QStringLiteral("edited.jpg")}) << "never sent a second time";

    // A stop while a file uploads: the transfer ends and is handled in full before the stop is over.
    const QString stopped = env.writeFile(QStringLiteral("shop/stopped.jpg"), "s");
    ASSERT_TRUE(uploadStarted(QStringLiteral("stopped.jpg")));
    QSignalSpy finished(manager.get(), &ConnectionsManager::transfersFinished);
    manager->stopAll();
    EXPECT_TRUE(manager->hasRunningTransfers());
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_FALSE(manager->hasRunningTransfers());
    EXPECT_FALSE(QFile::exists(stopped)) << "its post-upload action ran";
    EXPECT_EQ(ondrix::test::readFile(server.rootDir() + QStringLiteral("/stopped.jpg")), "s");
    EXPECT_EQ(logMessages().filter(QStringLiteral("[Shop renamed] ✓ stopped.jpg")).size(), 1)
        << logMessages().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(history.entries().size(), 2);
    EXPECT_EQ(stats.totalFiles(), 2);
    EXPECT_TRUE(UploadedRecord(&store, c).dates().contains(c.localFolder + QStringLiteral("/stopped.jpg")));
}

// Two connections to one host with the same folders keep one uploaded record: after a restart neither can
// tell what the other sent, so a file both take is uploaded by both but never deleted on that record's word.
TEST_F(ConnectionsManagerTest, ConnectionsSharingOneRecordLeaveTheirFilesInPlace)
{
    FtpTestServer first;
    FtpTestServer second;
    first.start();
    second.start();
    PushConnection a = serverConnection(first, QStringLiteral("A"));
    PushConnection b = serverConnection(second, QStringLiteral("B"));
    b.localFolder = a.localFolder;
    a.remoteFolder = b.remoteFolder = QStringLiteral("/");
    a.deleteLocalAfterUpload = true;
    store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList({a, b}));
    auto manager = makeManager();
    manager->setEngineConfigurator([](ConnectionEngine& engine) { engine.setStabilityIntervalSeconds(0.2); });
    manager->startAll();
    const QString file = env.writeFile(QFileInfo(a.localFolder).fileName() + QStringLiteral("/one.jpg"), "1");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return manager->engine(a.id)->completedCount() == 1 &&
                   manager->engine(b.id)->completedCount() == 1;
        },
        30000))
        << logMessages().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(second.receivedUploads().size(), 1);
    QTest::qWait(300);
    EXPECT_TRUE(QFile::exists(file)) << "kept: the shared record proves nothing about the second server";
    EXPECT_FALSE(
        logMessages().filter(QStringLiteral("Keeps its record of uploaded files together with")).isEmpty());
    manager->stopAll();
}

// Two connections on one folder: a file is acted on once, by the first connection in the list that acts, and
// only once both servers hold it. With the second server down nothing is deleted, also across a restart of
// the application, until that server returns. A second connection's own action is left out, and said so.
TEST_F(ConnectionsManagerTest, AFolderTwoConnectionsShareIsActedOnOnceBothServersHaveIt)
{
    for (const bool scripts : {false, true}) {
        SCOPED_TRACE(scripts ? "scripts on both, delete on the first" : "delete on the first");
        FtpTestServer first;
        FtpTestServer second;
        first.start();
        second.start();
        const QString tag = scripts ? QStringLiteral("s") : QStringLiteral("d");
        PushConnection a = serverConnection(first, QStringLiteral("A") + tag);
        PushConnection b = serverConnection(second, QStringLiteral("B") + tag);
        b.localFolder = a.localFolder;
        // Not the same remote folder: records are kept per host and folders, and both servers are on one
        // host.
        a.remoteFolder = QStringLiteral("/");
        b.remoteFolder = QStringLiteral("/backup");
        a.deleteLocalAfterUpload = true;
        // Each script lists the files it was given, one a line.
        const auto script = [&](const PushConnection& c) {
            const QString list = env.root() + QStringLiteral("/handed-") + c.name;
            const QString path =
                env.writeFile(QStringLiteral("script-") + c.name,
                              QStringLiteral("#!/bin/sh\nbasename \"$1\" >> '%1'\n").arg(list).toUtf8());
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            return std::pair{PostUploadAction::runScript(path), list};
        };
        const auto [scriptA, handedA] = script(a);
        const auto [scriptB, handedB] = script(b);
        if (scripts) {
            a.postUploadAction = scriptA;
            b.postUploadAction = scriptB;
        }
        store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList({a, b}));
        const auto launch = [&] {
            auto manager = makeManager();
            manager->setEngineConfigurator([](ConnectionEngine& engine) {
                engine.setMinSpinnerVisibilityMs(0);
                engine.setStabilityIntervalSeconds(0.2);
                engine.setRetryBackOffMs(200, 500);
            });
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
                EXPECT_TRUE(ondrix::test::readFile(first.rootDir() + u'/' + name) == bytes)
                    << name.toStdString();
                EXPECT_TRUE(ondrix::test::readFile(second.rootDir() + QStringLiteral("/backup/") + name) ==
                            bytes)
                    << name.toStdString();
            }
        };
        const auto log = [&] { return logMessages().join(QLatin1Char('\n')).toStdString(); };

        auto manager = launch();
        const QStringList both{drop(QStringLiteral("one.jpg")), drop(QStringLiteral("two.jpg"))};
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !QFile::exists(both[0]) && !QFile::exists(both[1]); }, 30000))
            << log();
        deliveredEverywhere();

        second.stop();
        const QString waiting = drop(QStringLiteral("three.jpg"));
        ConnectionEngine* engineB = manager->engine(b.id);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return manager->engine(a.id)->completedCount() == 3 && engineB->consecutiveErrors() > 1; },
            30000))
            << log();
        EXPECT_TRUE(QFile::exists(waiting)) << "kept while the second server lacks it";
        tags.waitForTagWrites();
        EXPECT_FALSE(tags.readTags(waiting).contains(
            FinderTagService::rawValue(FinderTagService::UploadColour::green)))
            << "green only once both have it";
        EXPECT_TRUE(
            logMessages().contains(QStringLiteral("[A%1] Kept until B%1 has it too: three.jpg").arg(tag)))
            << log();
        // Ondrix restarts meanwhile: what each connection delivered is in its record.
        manager.reset();
        manager = launch();
        QTest::qWait(500);
        EXPECT_TRUE(QFile::exists(waiting));
        second.restart();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(waiting); }, 30000)) << log();
        deliveredEverywhere();
        EXPECT_EQ(first.receivedUploads().size(), 3) << "nothing is sent again after the restart";
        EXPECT_EQ(second.receivedUploads().size(), 3);

        if (scripts) {
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return ondrix::test::readFile(handedA).count('\n') == names.size(); }, 10000));
            QStringList handed =
                QString::fromUtf8(ondrix::test::readFile(handedA)).split(u'\n', Qt::SkipEmptyParts);
            handed.sort();
            names.sort();
            EXPECT_EQ(handed, names) << "each file handed over once";
            EXPECT_FALSE(QFile::exists(handedB)) << "the second connection's action is left out";
            EXPECT_EQ(logMessages().filter(QStringLiteral("action is left out")).size(), 2) << "once a run";
        }
        manager->stopAll();
    }
}
