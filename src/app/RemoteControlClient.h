#pragma once

#include <QDBusConnection>
#include <QString>

namespace ondrix {

// Sends one command to the running instance's remote-control service.
class RemoteControlClient {
public:
    // refused: the running Ondrix answered that the command does nothing there (and `error` says why).
    enum class Outcome { done, notRunning, refused, failed };

    // `method` is the service's method ("Show"); `error` gets the reason when the outcome is not done, and
    // `answer` (when given) the text the method returned.
    static Outcome send(const QDBusConnection& bus, const QString& method, QString* error,
                        QString* answer = nullptr);
};

} // namespace ondrix
