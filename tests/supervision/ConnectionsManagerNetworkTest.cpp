#include "engine/ConnectionEngine.h"
#include "platform/QtNetworkPathSource.h"
#include "supervision/ConnectionsManager.h"
#include "support/EngineTestServices.h"
#include "support/NetworkManagerMock.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace ondrix;
using ondrix::test::DBusMockSession;
using ondrix::test::EngineTestFixture;
using ondrix::test::NetworkManagerMock;

// The manager on Qt's real NetworkManager backend, driven by NetworkManager's mock on a private bus. The
// backend loads once per process, so this is one story in stages.
class ConnectionsManagerNetworkTest : public EngineTestFixture {};

TEST_F(ConnectionsManagerNetworkTest, MeteredAndLostNetworksPauseEveryEngineOnce)
{
    DBusMockSession bus;
    ASSERT_TRUE(bus.isRunning()) << bus.errorString().toStdString();
    NetworkManagerMock networkManager(bus);
    QString error;
    ASSERT_TRUE(networkManager.start(&error)) << error.toStdString();

    settings.setPauseOnHotspot(true);
    settings.setPauseOnNoInternet(true);
    QList<PushConnection> connections;
    for (const QString& name : {QStringLiteral("One"), QStringLiteral("Two")}) {
        PushConnection c;
        c.name = name;
        c.isEnabled = true;
        c.host = QStringLiteral("127.0.0.1");
        c.localFolder = env.makeDir(name);
        connections.append(c);
    }
    store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList(connections));

    QtNetworkPathSource network;
    ConnectionsManager manager(services, &network, nullptr);
    manager.startAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return manager.networkType() == QStringLiteral("Ethernet"); }, 10000))
        << manager.networkType().toStdString();
    QSignalSpy paused(&manager, &ConnectionsManager::aggregatePausedChanged);
    const auto allEngines = [&](EngineState::Kind kind) {
        const QList<ConnectionEngine*> engines = manager.engines();
        return engines.size() == 2 &&
               std::all_of(engines.begin(), engines.end(),
                           [&](ConnectionEngine* engine) { return engine->state().kind() == kind; });
    };

    ASSERT_TRUE(networkManager.useHotspot());
    ASSERT_TRUE(QTest::qWaitFor([&] { return manager.isPausedForNetwork(); }, 10000));
    QTest::qWait(300); // later reports of the same change must not pause again
    EXPECT_EQ(manager.networkType(), QStringLiteral("Hotspot"));
    EXPECT_TRUE(manager.isOnHotspot());
    EXPECT_EQ(paused.count(), 1);
    EXPECT_TRUE(allEngines(EngineState::Kind::paused));

    ASSERT_TRUE(networkManager.useWired());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager.isPausedForNetwork(); }, 10000));
    QTest::qWait(300);
    EXPECT_EQ(paused.count(), 2) << "resumed once";
    EXPECT_TRUE(allEngines(EngineState::Kind::watching));

    ASSERT_TRUE(networkManager.disconnect());
    ASSERT_TRUE(QTest::qWaitFor([&] { return manager.isPausedForNetwork(); }, 10000));
    EXPECT_EQ(manager.networkType(), QStringLiteral("None"));
    EXPECT_FALSE(manager.isNetworkAvailable());
    ASSERT_TRUE(networkManager.reconnect());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager.isPausedForNetwork(); }, 10000));
    QTest::qWait(300);
    EXPECT_EQ(paused.count(), 4);
    manager.stopAll();
}
