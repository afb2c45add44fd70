#pragma once

#include <QHash>
#include <QString>

namespace ondrix {

class AppSettings;
class NotificationService;

// Decides which upload failures reach the desktop. Nothing while notifications or error notices are off
// (the log and the red tag still tell); otherwise a file is announced once it has failed the set number of
// times in a row, and each further failure replaces that notice (it carries the count) instead of adding
// one. A success forgets the file's count.
//
// Lives on the main thread, one per connection engine.
class FailureNotices {
public:
    // Either may be null: nothing is posted then.
    FailureNotices(NotificationService* notifications, const AppSettings* settings);

    void failed(const QString& path, const QString& fileName, const QString& connectionName,
                const QString& failureText);
    void succeeded(const QString& path) { m_failures.remove(path); }
    // Failures in a row of the file at `path`.
    int failures(const QString& path) const { return m_failures.value(path); }

private:
    NotificationService* m_notifications;
    const AppSettings* m_settings;
    QHash<QString, int> m_failures;
};

} // namespace ondrix
