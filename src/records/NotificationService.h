#pragma once

#include "model/NotificationPermissionRequester.h"
#include "platform/NotificationCenter.h"

#include <QLoggingCategory>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <optional>

namespace ondrix {

Q_DECLARE_LOGGING_CATEGORY(lcNotificationService)

class AppSettings;

// Turns finished and failed uploads into desktop notifications. Keeps no state between calls; the engine
// decides when to post (it batches successes), the settings decide what a success notification looks like.
// Lives on the main thread. It is the settings' permission requester: switching notifications on asks the
// centre for permission.
class NotificationService : public QObject, public NotificationPermissionRequester {
    Q_OBJECT
public:
    explicit NotificationService(NotificationCenter* center, QObject* parent = nullptr);

    // `names` in upload order; nothing is posted when notifications are off or `names` is empty. Reads
    // `notificationsEnabled`, `groupNotifications` and `playSoundOnDownload` (the default sound; the named
    // sound is the caller's).
    void notifyUploadsFinished(const QStringList& names, qint64 totalBytes, const QString& connectionName,
                               const AppSettings& settings);
    // Always posted; a later failure of the same file on the same connection replaces the earlier notice.
    void notifyUploadFailed(const QString& fileName, const QString& connectionName,
                            const QString& failureText);

    // A notice about the application's own state (a connection paused by its schedule, low disk space);
    // posted while notifications are on, and a later notice with the same identifier replaces it.
    void notifyStatus(const QString& identifier, const QString& title, const QString& body,
                      const AppSettings& settings);

    // Asks the notification centre for permission; the answer goes to `handlePermissionAnswer`.
    void requestNotificationPermission() override;
    // A refusal is expected and ignored; any other error becomes a system-log line.
    static void handlePermissionAnswer(bool granted, const std::optional<NotificationPermissionError>& error);

    // The texts, exposed for the settings window's preview.
    static QString uploadsFinishedTitle(qsizetype count);
    static QString uploadsFinishedBody(const QStringList& names, qint64 totalBytes,
                                       const QString& connectionName, bool groupNotifications);
    static QString uploadFailedTitle();
    static QString uploadFailedIdentifier(const QString& fileName, const QString& connectionName);

private:
    QPointer<NotificationCenter> m_center;
};

} // namespace ondrix
