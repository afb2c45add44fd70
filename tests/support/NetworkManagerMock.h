#pragma once

#include "support/DBusMockSession.h"

#include <QDBusObjectPath>

namespace ondrix::test {

// NetworkManager's dbusmock template with a wired and a Wi-Fi device, to move the machine between a wired
// link, a metered hotspot and no network; `start` points DBUS_SYSTEM_BUS_ADDRESS at the session's bus.
class NetworkManagerMock {
public:
    explicit NetworkManagerMock(DBusMockSession& bus)
        : m_bus(bus)
    {}

    // False (with the reason in the bus's errorString or the message) when the mock could not be set up.
    bool start(QString* error = nullptr);
    bool useWired() { return setManagerProperty("PrimaryConnection", QVariant::fromValue(m_wired)); }
    bool useHotspot() { return setManagerProperty("PrimaryConnection", QVariant::fromValue(m_hotspot)); }
    // NetworkManager's states "disconnected" and "connected globally".
    bool disconnect() { return setManagerProperty("State", 20U); }
    bool reconnect() { return setManagerProperty("State", 70U); }
    // Any property of the manager object, such as "Metered" (1 yes, 2 no) or "Connectivity".
    bool setManagerProperty(const QString& name, const QVariant& value);

private:
    DBusMockSession& m_bus;
    QDBusObjectPath m_wired;
    QDBusObjectPath m_hotspot;
};

} // namespace ondrix::test
