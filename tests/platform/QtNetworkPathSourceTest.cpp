#include "platform/QtNetworkPathSource.h"

#include "support/DBusMockSession.h"

#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace ondrix;
using ondrix::test::DBusMockSession;
using Reachability = QNetworkInformation::Reachability;
using Medium = QNetworkInformation::TransportMedium;
using Interface = NetworkPath::InterfaceType;

namespace ondrix {
void PrintTo(const NetworkPath& path, std::ostream* out)
{
    *out << (path.isSatisfied() ? "satisfied" : "unsatisfied") << (path.isExpensive ? " expensive" : "")
         << " [";
    for (const NetworkPath::InterfaceType type : path.availableInterfaces)
        *out << (type == Interface::wiredEthernet ? " ethernet"
                 : type == Interface::wifi        ? " wifi"
                                                  : " other");
    *out << " ]";
}
} // namespace ondrix

namespace {

NetworkPath path(bool satisfied, bool expensive, QList<Interface> interfaces)
{
    return {satisfied ? NetworkPath::Status::satisfied : NetworkPath::Status::unsatisfied, expensive,
            std::move(interfaces)};
}

TEST(QtNetworkPathSourceMapping, ReadingsBecomePaths)
{
    const struct {
        Reachability reachability;
        Medium medium;
        bool metered;
        NetworkPath expected;
    } cases[] = {
        {Reachability::Online, Medium::WiFi, false, path(true, false, {Interface::wifi})},
        {Reachability::Site, Medium::Ethernet, false, path(true, false, {Interface::wiredEthernet})},
        {Reachability::Local, Medium::WiFi, true, path(true, true, {Interface::wifi})},
        // A phone's modem is expensive even when nobody flagged the connection as metered.
        {Reachability::Online, Medium::Cellular, false, path(true, true, {Interface::other})},
        {Reachability::Online, Medium::Bluetooth, false, path(true, false, {Interface::other})},
        // The glib backend knows no medium; not knowing is not a reason to stop uploading.
        {Reachability::Online, Medium::Unknown, false, path(true, false, {Interface::other})},
        {Reachability::Unknown, Medium::Unknown, false, path(true, false, {Interface::other})},
        // Disconnected: no interfaces, the metered flag as it stands.
        {Reachability::Disconnected, Medium::WiFi, true, path(false, true, {})},
        {Reachability::Disconnected, Medium::Ethernet, false, path(false, false, {})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QtNetworkPathSource::pathFor(c.reachability, c.medium, c.metered), c.expected)
            << int(c.reachability) << ' ' << int(c.medium);
    }
}

const QString nm = QStringLiteral("org.freedesktop.NetworkManager");
const QString nmPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString deviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");
const QString activeInterface = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");

enum NMMetered : uint { meteredYes = 1, meteredNo = 2 };

// Qt's NetworkManager backend against the networkmanager dbusmock template, on a private bus that the
// process takes as its system bus. The backend loads once per process, so this is one story in stages.
TEST(QtNetworkPathSourceBackend, FollowsNetworkManager)
{
    DBusMockSession bus;
    ASSERT_TRUE(bus.isRunning()) << bus.errorString().toStdString();
    ASSERT_TRUE(bus.startTemplate(QStringLiteral("networkmanager"), nm)) << bus.errorString().toStdString();

    const QDBusMessage ethernet =
        bus.callMock(nm, QStringLiteral("/org/freedesktop"), QStringLiteral("AddEthernetDevice"),
                     {QStringLiteral("eth"), QStringLiteral("eth0"), 100});
    const QDBusMessage wifi =
        bus.callMock(nm, QStringLiteral("/org/freedesktop"), QStringLiteral("AddWiFiDevice"),
                     {QStringLiteral("wlan"), QStringLiteral("wlan0"), 100});
    ASSERT_EQ(ethernet.type(), QDBusMessage::ReplyMessage) << ethernet.errorMessage().toStdString();
    ASSERT_EQ(wifi.type(), QDBusMessage::ReplyMessage) << wifi.errorMessage().toStdString();
    const QString ethernetDevice = ethernet.arguments().constFirst().toString();
    const QString wifiDevice = wifi.arguments().constFirst().toString();
    ASSERT_TRUE(
        bus.setProperty(nm, ethernetDevice, deviceInterface, QStringLiteral("Metered"), uint(meteredNo)));
    ASSERT_TRUE(
        bus.setProperty(nm, wifiDevice, deviceInterface, QStringLiteral("Metered"), uint(meteredYes)));
    // A stored connection per device, activated the way NetworkManager does it.
    qDBusRegisterMetaType<QMap<QString, QVariantMap>>();
    const auto activate = [&](const QString& type, const QString& device) {
        const QDBusMessage stored = bus.call(
            nm, nmPath + QStringLiteral("/Settings"),
            QStringLiteral("org.freedesktop.NetworkManager.Settings"), QStringLiteral("AddConnection"),
            {QVariant::fromValue(QMap<QString, QVariantMap>{
                {QStringLiteral("connection"),
                 {{QStringLiteral("id"), type}, {QStringLiteral("type"), type}}}})});
        if (stored.type() != QDBusMessage::ReplyMessage)
            return QString();
        const QDBusMessage active = bus.call(
            nm, nmPath, nm, QStringLiteral("ActivateConnection"),
            {QVariant::fromValue(stored.arguments().constFirst().value<QDBusObjectPath>()),
             QVariant::fromValue(QDBusObjectPath(device)), QVariant::fromValue(QDBusObjectPath("/"))});
        return active.type() == QDBusMessage::ReplyMessage
                   ? active.arguments().constFirst().value<QDBusObjectPath>().path()
                   : QString();
    };
    const QString wired = activate(QStringLiteral("802-3-ethernet"), ethernetDevice);
    const QString hotspot = activate(QStringLiteral("802-11-wireless"), wifiDevice);
    ASSERT_FALSE(wired.isEmpty());
    ASSERT_FALSE(hotspot.isEmpty());
    ASSERT_TRUE(bus.setProperty(nm, nmPath, nm, QStringLiteral("PrimaryConnection"),
                                QVariant::fromValue(QDBusObjectPath(wired))));
    ASSERT_TRUE(bus.setProperty(nm, nmPath, nm, QStringLiteral("Metered"), uint(0)));

    qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus.address().toUtf8());
    QtNetworkPathSource source;
    QSignalSpy reports(&source, &NetworkPathSource::pathChanged);
    source.start();
    EXPECT_EQ(reports.count(), 0) << "the first report comes from the event loop";
    ASSERT_EQ(source.backendName(), QStringLiteral("networkmanager"));
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
    ASSERT_TRUE(bus.setProperty(nm, nmPath, nm, QStringLiteral("PrimaryConnection"),
                                QVariant::fromValue(QDBusObjectPath(hotspot))));
    EXPECT_EQ(next(), path(true, true, {Interface::wifi}));

    ASSERT_TRUE(bus.setProperty(nm, nmPath, nm, QStringLiteral("State"), uint(20))); // disconnected
    EXPECT_EQ(next(), path(false, true, {}));
    ASSERT_TRUE(bus.setProperty(nm, nmPath, nm, QStringLiteral("State"), uint(70))); // connected, global
    EXPECT_EQ(next(), path(true, true, {Interface::wifi}));

    // NetworkManager's own metered flag of the primary connection.
    ASSERT_TRUE(bus.setProperty(nm, nmPath, nm, QStringLiteral("Metered"), uint(meteredNo)));
    EXPECT_EQ(next(), path(true, false, {Interface::wifi}));
    EXPECT_EQ(source.currentPath(), path(true, false, {Interface::wifi}));

    // A property change that leaves the path as it was reports nothing.
    ASSERT_TRUE(bus.setProperty(nm, nmPath, nm, QStringLiteral("Connectivity"), uint(3)));
    QTest::qWait(200);
    EXPECT_TRUE(reports.isEmpty());
}

} // namespace
