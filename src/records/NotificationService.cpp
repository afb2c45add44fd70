#include "records/NotificationService.h"

#include "model/AppSettings.h"
#include "model/ByteSize.h"
#include "model/UuidText.h"

#include <QUuid>

#include <algorithm>
#include <climits>

namespace ondrix {

Q_LOGGING_CATEGORY(lcNotificationService, "ondrix.notifications")

namespace {

// A list body names at most this many files and counts the rest.
constexpr qsizetype listedNamesLimit = 5;

} // namespace

NotificationService::NotificationService(NotificationCenter* center, QObject* parent)
    : QObject(parent)
    , m_center(center)
{}

QString NotificationService::uploadsFinishedTitle(qsizetype count)
{
    if (count == 1)
        return tr("Ondrix: 1 file uploaded");
    const int formsCount = int(std::min<qsizetype>(count, INT_MAX));
    return tr("Ondrix: %n files uploaded", nullptr, formsCount);
}

QString NotificationService::uploadsFinishedBody(const QStringList& names, qint64 totalBytes,
                                                 const QString& connectionName, bool groupNotifications)
{
    const QString prefix = QLatin1Char('[') + connectionName + QLatin1String("] ");
    const qsizetype count = names.size();
    if (count > 1 && groupNotifications) {
        // The summary form is deliberately not translated; only the byte count follows the locale.
        return prefix + QString::number(count) + QLatin1String(" files (") + ByteSize::text(totalBytes) +
               QLatin1Char(')');
    }
    QString body = prefix + names.mid(0, listedNamesLimit).join(QLatin1Char('\n'));
    if (count > listedNamesLimit)
        body += QLatin1Char('\n') + tr("...and %1 more").arg(count - listedNamesLimit);
    return body;
}

QString NotificationService::uploadFailedTitle()
{
    return tr("Ondrix: Upload failed");
}

QString NotificationService::uploadFailedIdentifier(const QString& fileName, const QString& connectionName)
{
    return QLatin1String("err-") + connectionName + QLatin1Char('-') + fileName;
}

void NotificationService::notifyUploadsFinished(const QStringList& names, qint64 totalBytes,
                                                const QString& connectionName, const AppSettings& settings)
{
    if (!settings.notificationsEnabled() || names.isEmpty() || !m_center)
        return;
    m_center->add(NotificationRequest{
        uuidText(QUuid::createUuid()),
        uploadsFinishedTitle(names.size()),
        uploadsFinishedBody(names, totalBytes, connectionName, settings.groupNotifications()),
        settings.playSoundOnDownload(),
    });
}

void NotificationService::notifyUploadFailed(const QString& fileName, const QString& connectionName,
                                             const QString& failureText)
{
    if (!m_center)
        return;
    m_center->add(NotificationRequest{
        uploadFailedIdentifier(fileName, connectionName),
        uploadFailedTitle(),
        QLatin1Char('[') + connectionName + QLatin1String("] ") + fileName + QLatin1String(": ") +
            failureText,
        true,
    });
}

void NotificationService::notifyStatus(const QString& identifier, const QString& title, const QString& body,
                                       const AppSettings& settings)
{
    if (!settings.notificationsEnabled() || !m_center)
        return;
    m_center->add(NotificationRequest{identifier, title, body, false});
}

void NotificationService::requestNotificationPermission()
{
    if (!m_center)
        return;
    m_center->requestPermission(&NotificationService::handlePermissionAnswer);
}

void NotificationService::handlePermissionAnswer(bool /*granted*/,
                                                 const std::optional<NotificationPermissionError>& error)
{
    if (!error || error->kind == NotificationPermissionError::Kind::notAllowed)
        return;
    qCWarning(lcNotificationService).noquote()
        << QStringLiteral("[NotificationService] Permission request error: %1").arg(error->description);
}

} // namespace ondrix
