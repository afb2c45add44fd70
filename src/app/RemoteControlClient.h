#pragma once

#include <QDBusConnection>
#include <QString>

namespace ondrix {

// Sends one command to the running instance's remote-control service.
class RemoteControlClient {
public:
    enum class Outcome { done, notRunning, failed };

    // `method` is the service's method ("Show"); `error` gets the reason when the outcome is not done, and
    // `answer` (when given) the text the method returned.
    static Outcome send(const QDBusConnection& bus, const QString& method, QString* error,
                        QString* answer = nullptr);
};

} // namespace ondrix
