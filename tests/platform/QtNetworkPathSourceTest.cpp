#include "platform/QtNetworkPathSource.h"

#include "support/NetworkManagerMock.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using ondrix::test::DBusMockSession;
using ondrix::test::NetworkManagerMock;
using Reachability = QNetworkInformation::Reachability;
using Medium = QNetworkInformation::TransportMedium;
using Interface = NetworkPath::InterfaceType;

namespace {

NetworkPath path(bool satisfied, bool expensive, QList<Interface> interfaces)
{
    return {satisfied ? NetworkPath::Status::satisfied : NetworkPath::Status::unsatisfied, expensive,
            std::move(interfaces)};
}

TEST(QtNetworkPathSource, ReadingsBecomePathsAndTheBackendFollowsNetworkManager)
{
    const std::tuple<Reachability, Medium, bool, NetworkPath> cases[] = {
        {Reachability::Online, Medium::WiFi, false, path(true, false, {Interface::wifi})},
        {Reachability::Local, Medium::WiFi, true, path(true, true, {Interface::wifi})},
        // A phone's modem is expensive even when nobody flagged the connection as metered.
        {Reachability::Online, Medium::Cellular, false, path(true, true, {Interface::other})},
        // The glib backend knows no medium; not knowing is not a reason to stop uploading.
        {Reachability::Online, Medium::Unknown, false, path(true, false, {Interface::other})},
        {Reachability::Unknown, Medium::Unknown, false, path(true, false, {Interface::other})},
        // Disconnected: no interfaces, the metered flag as it stands.
        {Reachability::Disconnected, Medium::WiFi, true, path(false, true, {})},
    };
    for (const auto& [reachability, medium, metered, expected] : cases) {
        EXPECT_EQ(QtNetworkPathSource::pathFor(reachability, medium, metered), expected)
            << int(reachability) << ' ' << int(medium);
    }

    // Qt's NetworkManager backend against the networkmanager dbusmock template, on a private bus that the
    // process takes as its system bus. The backend loads once per process, so this is one story in stages.
    DBusMockSession bus;
    ASSERT_TRUE(bus.isRunning()) << bus.errorString().toStdString();
    NetworkManagerMock networkManager(bus);
    QString error;
    ASSERT_TRUE(networkManager.start(&error)) << error.toStdString();

    QtNetworkPathSource source;
    QSignalSpy reports(&source, &NetworkPathSource::pathChanged);
    source.start();
    EXPECT_EQ(reports.count(), 0) << "the first report comes from the event loop";
    ASSERT_EQ(source.backendName(), u"networkmanager"_s);
    ASSERT_TRUE(reports.wait(5000));
    EXPECT_EQ(reports.takeFirst().at(0).value<NetworkPath>(), path(true, false, {Interface::wiredEthernet}));

    const auto next = [&]() -> std::optional<NetworkPath> {
        if (reports.isEmpty() && !reports.wait(5000))
            return std::nullopt;
        QTest::qWait(100); // a second report for the same change would arrive now
        EXPECT_EQ(reports.count(), 1) << "one change, one report";
        return reports.takeFirst().at(0).value<NetworkPath>();
    };

    // Moving to the phone's hotspot changes medium and metered together: one report.
    ASSERT_TRUE(networkManager.useHotspot());
    EXPECT_EQ(next(), path(true, true, {Interface::wifi}));

    ASSERT_TRUE(networkManager.disconnect());
    EXPECT_EQ(next(), path(false, true, {}));
    ASSERT_TRUE(networkManager.reconnect());
    EXPECT_EQ(next(), path(true, true, {Interface::wifi}));

    // NetworkManager's own metered flag of the primary connection.
    ASSERT_TRUE(networkManager.setManagerProperty(u"Metered"_s, uint(2))); // not metered
    EXPECT_EQ(next(), path(true, false, {Interface::wifi}));
    EXPECT_EQ(source.currentPath(), path(true, false, {Interface::wifi}));

    // A property change that leaves the path as it was reports nothing.
    ASSERT_TRUE(networkManager.setManagerProperty(u"Connectivity"_s, uint(3)));
    QTest::qWait(200);
    EXPECT_TRUE(reports.isEmpty());
}

} // namespace
