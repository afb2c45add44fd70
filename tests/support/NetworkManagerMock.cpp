#include "support/NetworkManagerMock.h"

#include <QDBusMetaType>

namespace ondrix::test {

namespace {
const QString nm = QStringLiteral("org.freedesktop.NetworkManager");
const QString nmPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString deviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");
enum NMMetered : uint { meteredYes = 1, meteredNo = 2 };
} // namespace

bool NetworkManagerMock::start(QString* error)
{
    const auto fail = [&](const QString& why) {
        if (error) {
            *error = why;
        }
        return false;
    };
    if (!m_bus.startTemplate(QStringLiteral("networkmanager"), nm)) {
        return fail(m_bus.errorString());
    }
    qDBusRegisterMetaType<QMap<QString, QVariantMap>>();
    // A device with a stored connection, activated the way NetworkManager does it; the active connection's
    // path.
    const auto addActive = [&](const QString& addMethod, const QString& name, const QString& type,
                               uint metered) {
        const QDBusMessage device = m_bus.callMock(nm, QStringLiteral("/org/freedesktop"), addMethod,
                                                   {name, QString(name + QLatin1Char('0')), 100});
        if (device.type() != QDBusMessage::ReplyMessage) {
            return QString();
        }
        const QString devicePath = device.arguments().constFirst().toString();
        m_bus.setProperty(nm, devicePath, deviceInterface, QStringLiteral("Metered"), metered);
        const QDBusMessage stored = m_bus.call(
            nm, nmPath + QStringLiteral("/Settings"),
            QStringLiteral("org.freedesktop.NetworkManager.Settings"), QStringLiteral("AddConnection"),
            {QVariant::fromValue(QMap<QString, QVariantMap>{
                {QStringLiteral("connection"),
                 {{QStringLiteral("id"), type}, {QStringLiteral("type"), type}}}})});
        if (stored.type() != QDBusMessage::ReplyMessage) {
            return QString();
        }
        const QDBusMessage active = m_bus.call(
            nm, nmPath, nm, QStringLiteral("ActivateConnection"),
            {QVariant::fromValue(stored.arguments().constFirst().value<QDBusObjectPath>()),
             QVariant::fromValue(QDBusObjectPath(devicePath)), QVariant::fromValue(QDBusObjectPath("/"))});
        return active.type() == QDBusMessage::ReplyMessage
                   ? active.arguments().constFirst().value<QDBusObjectPath>().path()
                   : QString();
    };
    m_wired = addActive(QStringLiteral("AddEthernetDevice"), QStringLiteral("eth"),
                        QStringLiteral("802-3-ethernet"), meteredNo);
    m_hotspot = addActive(QStringLiteral("AddWiFiDevice"), QStringLiteral("wlan"),
                          QStringLiteral("802-11-wireless"), meteredYes);
    if (m_wired.isEmpty() || m_hotspot.isEmpty()) {
        return fail(QStringLiteral("the NetworkManager mock refused a device or a connection"));
    }
    if (!useWired() || !setManagerProperty(QStringLiteral("Metered"), uint(0))) {
        return fail(QStringLiteral("the NetworkManager mock refused a property"));
    }
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.address().toUtf8());
    return true;
}

bool NetworkManagerMock::setManagerProperty(const QString& name, const QVariant& value)
{
    return m_bus.setProperty(nm, nmPath, nm, name, value);
}

} // namespace ondrix::test
