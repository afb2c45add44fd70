#include "app/RemoteControlService.h"

#include "app/AppIdentity.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace ondrix {

const QString RemoteControlService::kNotAvailableError =
    QStringLiteral("io.ondrix.Ondrix.Error.NotAvailable");

RemoteControlService::RemoteControlService(QDBusConnection bus, Handlers handlers, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_handlers(std::move(handlers))
{}

RemoteControlService::~RemoteControlService()
{
    if (m_registered) {
        m_bus.unregisterService(AppIdentity::applicationId());
        m_bus.unregisterObject(AppIdentity::busObjectPath());
    }
}

bool RemoteControlService::registerOnBus(QString* error)
{
    if (!m_bus.isConnected()) {
        *error = tr("no session bus");
        return false;
    }
    if (!m_bus.registerObject(AppIdentity::busObjectPath(), this, QDBusConnection::ExportScriptableSlots)) {
        *error = m_bus.lastError().message();
        return false;
    }
    if (!m_bus.registerService(AppIdentity::applicationId())) {
        *error = tr("another instance owns %1").arg(AppIdentity::applicationId());
        m_bus.unregisterObject(AppIdentity::busObjectPath());
        return false;
    }
    m_registered = true;
    return true;
}

bool RemoteControlService::answerUnavailable(bool available, const QString& command)
{
    if (available) {
        return false;
    }
    if (calledFromDBus()) {
        sendErrorReply(
            kNotAvailableError,
            tr("The running Ondrix has no windows (it runs headless); %1 does nothing.").arg(command));
    }
    return true;
}

void RemoteControlService::Show()
{
    if (answerUnavailable(bool(m_handlers.show), QStringLiteral("--show"))) {
        return;
    }
    // Answer first: the caller waits only for the acknowledgement, not for the window.
    QMetaObject::invokeMethod(
        this, [this] { m_handlers.show(); }, Qt::QueuedConnection);
}

void RemoteControlService::Pause()
{
    if (!answerUnavailable(bool(m_handlers.pause), QStringLiteral("--pause"))) {
        m_handlers.pause();
    }
}

void RemoteControlService::Resume()
{
    if (!answerUnavailable(bool(m_handlers.resume), QStringLiteral("--resume"))) {
        m_handlers.resume();
    }
}

void RemoteControlService::UploadNow()
{
    if (!answerUnavailable(bool(m_handlers.uploadNow), QStringLiteral("--upload-now"))) {
        m_handlers.uploadNow();
    }
}

QString RemoteControlService::Status()
{
    if (answerUnavailable(bool(m_handlers.status), QStringLiteral("--status"))) {
        return {};
    }
    return m_handlers.status();
}

QString RemoteControlService::StatusJson()
{
    if (answerUnavailable(bool(m_handlers.statusJson), QStringLiteral("--status --json"))) {
        return {};
    }
    return m_handlers.statusJson();
}

} // namespace ondrix
