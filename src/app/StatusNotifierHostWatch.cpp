#include "app/StatusNotifierHostWatch.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace ondrix {

namespace {
const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
} // namespace

StatusNotifierHostWatch::StatusNotifierHostWatch(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
    if (!m_bus.isConnected()) {
        return;
    }
    m_serviceWatcher =
        new QDBusServiceWatcher(kWatcherService, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_serviceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] { check(); });
    m_bus.connect(kWatcherService, kWatcherPath, kWatcherService,
                  QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(hostRegistered()));
}

void StatusNotifierHostWatch::hostRegistered()
{
    check();
}

void StatusNotifierHostWatch::check()
{
    if (!m_bus.isConnected()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                setAvailable(false);
                Q_EMIT answered(false);
            },
            Qt::QueuedConnection);
        return;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(kWatcherService, kWatcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    auto* call = new QDBusPendingCallWatcher(m_bus.asyncCall(get, 5000), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call] {
        call->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *call;
        const bool available = !reply.isError() && reply.value().variant().toBool();
        setAvailable(available);
        Q_EMIT answered(available);
    });
}

void StatusNotifierHostWatch::setAvailable(bool available)
{
    if (m_available == available) {
        return;
    }
    m_available = available;
    Q_EMIT availableChanged(available);
}

} // namespace ondrix
