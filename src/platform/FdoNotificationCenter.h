#pragma once

#include "platform/NotificationCenter.h"

#include <QDBusConnection>
#include <QHash>
#include <QList>
#include <QLoggingCategory>

#include <functional>
#include <optional>

class QDBusMessage;

namespace ondrix {

Q_DECLARE_LOGGING_CATEGORY(lcNotificationCenter)

// The freedesktop notification server (org.freedesktop.Notifications on the session bus). Lives on the main
// thread; every call is asynchronous with a short timeout, so a missing or hung server costs a system-log
// line and nothing else.
//
// A request's identifier is remembered with the id the server gave its notification, and a later request with
// the same identifier passes that id as `replaces_id`. Two requests with one identifier in quick succession
// are serialised (the second waits for the first one's id) so that they cannot end up as two notifications.
// Bodies are escaped when the server interprets markup, so file names like "Tom & Jerry.jpg" show as written.
class FdoNotificationCenter : public NotificationCenter {
    Q_OBJECT
public:
    static constexpr int callTimeoutMs = 5000;

    explicit FdoNotificationCenter(QDBusConnection bus, QObject* parent = nullptr);
    ~FdoNotificationCenter() override;

    void add(const NotificationRequest& request) override;
    void requestPermission(PermissionAnswer answer) override;

    // The application name and icon the server shows beside each notification.
    static QString applicationName() { return QStringLiteral("Ondrix"); }
    static QString iconName() { return QStringLiteral("ondrix"); }
    // The freedesktop sound-theme name of the default notification sound.
    static QString defaultSoundName() { return QStringLiteral("message-new-instant"); }

private Q_SLOTS:
    void onNotificationClosed(uint id, uint reason);

private:
    void fetchCapabilities();
    void send(const NotificationRequest& request);
    void onNotifyFinished(const QString& identifier, const QDBusMessage& reply);
    // Calls with the timeout and hands the reply (or error) to `done` on the main thread, never from inside.
    void callAsync(const QDBusMessage& message, std::function<void(const QDBusMessage&)> done);

    QDBusConnection m_bus;
    // Unknown until the server has answered GetCapabilities (or failed to).
    std::optional<bool> m_bodyMarkup;
    bool m_capabilitiesRequested = false;
    // Requests waiting for the capabilities answer, in order.
    QList<NotificationRequest> m_waiting;
    // identifier → the server's id of the notification shown for it
    QHash<QString, uint> m_serverIds;
    // identifiers whose Notify call is in flight → the newest request that came in meanwhile, if any
    QHash<QString, std::optional<NotificationRequest>> m_inFlight;
};

} // namespace ondrix
