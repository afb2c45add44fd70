#include "support/NetworkManagerMock.h"

#include <QDBusMetaType>

using namespace Qt::StringLiterals;

namespace ondrix::test {

const QString nm = u"org.freedesktop.NetworkManager"_s;
const QString nmPath = u"/org/freedesktop/NetworkManager"_s;
const QString deviceInterface = u"org.freedesktop.NetworkManager.Device"_s;

bool NetworkManagerMock::start(QString* error)
{
    const auto fail = [&](const QString& why) {
        if (error) {
            *error = why;
        }
        return false;
    };
    if (!m_bus.startTemplate(u"networkmanager"_s, nm)) {
        return fail(m_bus.errorString());
    }
    qDBusRegisterMetaType<QMap<QString, QVariantMap>>();
    // A device with a stored connection, activated as NetworkManager does it; the active connection's path.
    const auto addActive = [&](const QString& addMethod, const QString& name, const QString& type,
                               uint metered) {
        const QDBusMessage device = m_bus.callMock(nm, u"/org/freedesktop"_s, addMethod,
                                                   {name, QString(name + QLatin1Char('0')), 100});
        if (device.type() != QDBusMessage::ReplyMessage) {
            return QString();
        }
        const QString devicePath = device.arguments().constFirst().toString();
        m_bus.setProperty(nm, devicePath, deviceInterface, u"Metered"_s, metered);
        const QDBusMessage stored = m_bus.call(
            nm, nmPath + u"/Settings"_s, u"org.freedesktop.NetworkManager.Settings"_s, u"AddConnection"_s,
            {QVariant::fromValue(
                QMap<QString, QVariantMap>{{u"connection"_s, {{u"id"_s, type}, {u"type"_s, type}}}})});
        if (stored.type() != QDBusMessage::ReplyMessage) {
            return QString();
        }
        const QDBusMessage active = m_bus.call(
            nm, nmPath, nm, u"ActivateConnection"_s,
            {QVariant::fromValue(stored.arguments().constFirst().value<QDBusObjectPath>()),
             QVariant::fromValue(QDBusObjectPath(devicePath)), QVariant::fromValue(QDBusObjectPath("/"))});
        return active.type() == QDBusMessage::ReplyMessage
                   ? active.arguments().constFirst().value<QDBusObjectPath>().path()
                   : QString();
    };
    m_wired = QDBusObjectPath(addActive(u"AddEthernetDevice"_s, u"eth"_s, u"802-3-ethernet"_s, 2U));
    m_hotspot = QDBusObjectPath(addActive(u"AddWiFiDevice"_s, u"wlan"_s, u"802-11-wireless"_s, 1U));
    if (m_wired.path().isEmpty() || m_hotspot.path().isEmpty()) {
        return fail(u"the NetworkManager mock refused a device or a connection"_s);
    }
    if (!useWired() || !setManagerProperty(u"Metered"_s, uint(0))) {
        return fail(u"the NetworkManager mock refused a property"_s);
    }
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.address().toUtf8());
    return true;
}

bool NetworkManagerMock::setManagerProperty(const QString& name, const QVariant& value)
{
    return m_bus.setProperty(nm, nmPath, nm, name, value);
}

} // namespace ondrix::test
