#include "app/RemoteControlClient.h"

#include "app/AppIdentity.h"
#include "app/RemoteControlService.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace ondrix {

RemoteControlClient::Outcome RemoteControlClient::send(const QDBusConnection& bus, const QString& method,
                                                       QString* error, QString* answer)
{
    if (!bus.isConnected()) {
        *error = QCoreApplication::translate("RemoteControlClient", "no session bus");
        return Outcome::notRunning;
    }
    if (!bus.interface()->isServiceRegistered(AppIdentity::applicationId())) {
        *error = QCoreApplication::translate("RemoteControlClient", "no running instance on the session bus");
        return Outcome::notRunning;
    }
    const QDBusMessage call = QDBusMessage::createMethodCall(
        AppIdentity::applicationId(), AppIdentity::busObjectPath(), AppIdentity::busInterface(), method);
    const QDBusMessage reply = bus.call(call, QDBus::Block, 10000);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        *error = reply.errorMessage();
        return reply.errorName() == RemoteControlService::kNotAvailableError ? Outcome::refused
                                                                             : Outcome::failed;
    }
    if (answer != nullptr && !reply.arguments().isEmpty()) {
        *answer = reply.arguments().constFirst().toString();
    }
    return Outcome::done;
}

} // namespace ondrix
