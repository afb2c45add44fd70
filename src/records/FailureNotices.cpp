#include "records/FailureNotices.h"

#include "model/AppSettings.h"
#include "records/NotificationService.h"

#include <QCoreApplication>

namespace ondrix {

FailureNotices::FailureNotices(NotificationService* notifications, const AppSettings* settings)
    : m_notifications(notifications)
    , m_settings(settings)
{}

void FailureNotices::failed(const QString& path, const QString& fileName, const QString& connectionName,
                            const QString& failureText)
{
    const int count = ++m_failures[path];
    if (m_notifications == nullptr || m_settings == nullptr || !m_settings->notificationsEnabled() ||
        !m_settings->notifyErrors() || count < std::max(1, m_settings->notifyErrorsAfterAttempts())) {
        return;
    }
    const QString text =
        count == 1
            ? failureText
            : QCoreApplication::translate("FailureNotices", "%1 (failed %n times in a row)", nullptr, count)
                  .arg(failureText);
    m_notifications->notifyUploadFailed(fileName, connectionName, text);
}

} // namespace ondrix
