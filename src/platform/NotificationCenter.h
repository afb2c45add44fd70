#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace ondrix {

// One notification for the desktop's notification centre: shown as soon as the centre allows, never grouped,
// never scheduled. A later request with the same identifier replaces the notification shown for the earlier
// one instead of adding another.
struct NotificationRequest {
    QString identifier;
    QString title;
    QString body;
    // The centre's default notification sound accompanies the notification.
    bool playsDefaultSound = false;

    bool operator==(const NotificationRequest&) const = default;
};

// Why a permission request did not end in a plain yes.
struct NotificationPermissionError {
    enum class Kind {
        // The user (or the desktop) does not allow notifications: expected, not worth a log line.
        notAllowed,
        // Anything else, e.g. no notification server on the session bus.
        other,
    };
    Kind kind = Kind::other;
    // A sentence a person can read in the system log.
    QString description;

    bool operator==(const NotificationPermissionError&) const = default;
};

// The desktop's user notification centre. Lives on the main thread; posting never blocks and never reports
// back (a failure is at most a system-log line of the implementation).
class NotificationCenter : public QObject {
    Q_OBJECT
public:
    using PermissionAnswer =
        std::function<void(bool granted, std::optional<NotificationPermissionError> error)>;

    using QObject::QObject;
    ~NotificationCenter() override = default;

    virtual void add(const NotificationRequest& request) = 0;

    // Asks for permission to show notifications with sound; the answer is delivered once, later, on the main
    // thread (never from inside this call). It is dropped when the centre is destroyed first.
    virtual void requestPermission(PermissionAnswer answer) = 0;
};

} // namespace ondrix
