#include "app/LaunchAtLogin.h"

#include "platform/LoginItem.h"
#include "records/LogService.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace ondrix {

Q_LOGGING_CATEGORY(lcLaunchAtLogin, "ondrix.shell.login")

LaunchAtLogin::LaunchAtLogin(LoginItem& item, LogService* log)
    : m_item(item)
    , m_log(log)
{}

bool LaunchAtLogin::isEnabled() const
{
    return m_item.isRegistered();
}

void LaunchAtLogin::setEnabled(bool enabled)
{
    const std::optional<QString> failure = m_item.setRegistered(enabled);
    if (!failure) {
        return;
    }
    qCWarning(lcLaunchAtLogin).noquote()
        << QStringLiteral("[LaunchAtLogin] Failed to %1 login item: %2")
               .arg(enabled ? QStringLiteral("register") : QStringLiteral("unregister"), *failure);
    if (m_log) {
        m_log->log(enabled ? QCoreApplication::translate("LaunchAtLogin",
                                                         "Could not set Ondrix to start at login: %1")
                                 .arg(*failure)
                           : QCoreApplication::translate("LaunchAtLogin",
                                                         "Could not stop Ondrix from starting at login: %1")
                                 .arg(*failure),
                   LogEntry::LogLevel::warning);
    }
}

} // namespace ondrix
