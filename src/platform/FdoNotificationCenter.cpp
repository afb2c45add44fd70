#include "platform/FdoNotificationCenter.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QPointer>
#include <QVariantMap>

namespace ondrix {

Q_LOGGING_CATEGORY(lcNotificationCenter, "ondrix.notifications")

namespace {

const QString serviceName = QStringLiteral("org.freedesktop.Notifications");
const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");
const QString interfaceName = QStringLiteral("org.freedesktop.Notifications");

QDBusMessage methodCall(const QString& method)
{
    return QDBusMessage::createMethodCall(serviceName, objectPath, interfaceName, method);
}

} // namespace

void FdoNotificationCenter::callAsync(const QDBusMessage& message,
                                      std::function<void(const QDBusMessage&)> done)
{
    if (!m_bus.isConnected()) {
        // A call on a dead connection never finishes; answer with an error from the event loop instead.
        QMetaObject::invokeMethod(
            this,
            [message, done = std::move(done)] {
                done(message.createErrorReply(QDBusError::Disconnected,
                                              QStringLiteral("not connected to the session bus")));
            },
            Qt::QueuedConnection);
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [done = std::move(done)](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                done(call->reply());
            });
}

FdoNotificationCenter::FdoNotificationCenter(QDBusConnection bus, QObject* parent)
    : NotificationCenter(parent)
    , m_bus(std::move(bus))
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(serviceName, objectPath, interfaceName, QStringLiteral("NotificationClosed"), this,
                  SLOT(onNotificationClosed(uint, uint)));
    auto* watcher =
        new QDBusServiceWatcher(serviceName, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] {
        // Another server, or none: the old one's notification ids and abilities do not apply any more.
        m_serverIds.clear();
        if (m_bodyMarkup.has_value()) {
            m_bodyMarkup.reset();
            m_capabilitiesRequested = false;
        }
    });
}

FdoNotificationCenter::~FdoNotificationCenter()
{
    if (m_bus.isConnected()) {
        m_bus.disconnect(serviceName, objectPath, interfaceName, QStringLiteral("NotificationClosed"), this,
                         SLOT(onNotificationClosed(uint, uint)));
    }
}

void FdoNotificationCenter::add(const NotificationRequest& request)
{
    if (!m_bodyMarkup.has_value()) {
        m_waiting.append(request);
        fetchCapabilities();
        return;
    }
    if (auto inFlight = m_inFlight.find(request.identifier); inFlight != m_inFlight.end()) {
        // Sent once the earlier call's id is known, so that it replaces rather than adds.
        *inFlight = request;
        return;
    }
    send(request);
}

void FdoNotificationCenter::fetchCapabilities()
{
    if (m_capabilitiesRequested)
        return;
    m_capabilitiesRequested = true;
    callAsync(methodCall(QStringLiteral("GetCapabilities")), [this](const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            qCWarning(lcNotificationCenter).noquote()
                << "[FdoNotificationCenter] No notification server answers:" << reply.errorMessage();
            m_bodyMarkup = false;
        } else {
            m_bodyMarkup =
                reply.arguments().constFirst().toStringList().contains(QStringLiteral("body-markup"));
        }
        const QList<NotificationRequest> waiting = std::exchange(m_waiting, {});
        for (const NotificationRequest& request : waiting)
            add(request);
    });
}

void FdoNotificationCenter::send(const NotificationRequest& request)
{
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("ondrix"));
    if (request.playsDefaultSound)
        hints.insert(QStringLiteral("sound-name"), defaultSoundName());
    else
        hints.insert(QStringLiteral("suppress-sound"), true);

    QDBusMessage message = methodCall(QStringLiteral("Notify"));
    message << applicationName() << m_serverIds.value(request.identifier, 0u) << iconName() << request.title
            << (m_bodyMarkup.value_or(false) ? request.body.toHtmlEscaped() : request.body) << QStringList()
            << hints << qint32(-1);

    m_inFlight.insert(request.identifier, std::nullopt);
    callAsync(message, [this, identifier = request.identifier](const QDBusMessage& reply) {
        onNotifyFinished(identifier, reply);
    });
}

void FdoNotificationCenter::onNotifyFinished(const QString& identifier, const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qCWarning(lcNotificationCenter).noquote()
            << "[FdoNotificationCenter] Notify failed:" << reply.errorMessage();
    } else {
        m_serverIds.insert(identifier, reply.arguments().constFirst().toUInt());
    }
    const std::optional<NotificationRequest> next = m_inFlight.take(identifier);
    if (next)
        send(*next);
}

void FdoNotificationCenter::onNotificationClosed(uint id, uint /*reason*/)
{
    // A closed notification cannot be replaced any more; the next request of its identifier shows a new one.
    for (auto it = m_serverIds.begin(); it != m_serverIds.end();) {
        if (it.value() == id)
            it = m_serverIds.erase(it);
        else
            ++it;
    }
}

void FdoNotificationCenter::requestPermission(PermissionAnswer answer)
{
    // The freedesktop protocol has no permission step: a server that answers is a yes.
    callAsync(methodCall(QStringLiteral("GetServerInformation")), [answer = std::move(answer)](
                                                                      const QDBusMessage& reply) {
        if (reply.type() == QDBusMessage::ReplyMessage) {
            answer(true, std::nullopt);
            return;
        }
        answer(false,
               NotificationPermissionError{
                   NotificationPermissionError::Kind::other,
                   QStringLiteral("no notification server on the session bus (%1)")
                       .arg(reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage())});
    });
}

} // namespace ondrix
