#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace ondrix {

class NotificationCenter;
class PreferencesStore;

// Looks for a newer Ondrix in a small JSON feed ({"version": "1.3.0", "url": "https://...", "notes": "..."})
// on request and at most once a day, and tells the user by notification with the download link. Nothing
// about the machine is sent: a plain GET with a fixed user agent. Only HTTPS feeds are fetched (plain HTTP
// only to a loopback address, for tests). Built in only when the build enables the update check.
//
// Lives on the main thread.
class UpdateChecker : public QObject {
    Q_OBJECT

public:
    static const QString kLastCheckKey;
    static constexpr qint64 kCheckIntervalSeconds = 24 * 3600;

    using Clock = std::function<QDateTime()>;

    UpdateChecker(QUrl feedUrl, QString currentVersion, PreferencesStore& store, NotificationCenter& center,
                  Clock clock = {}, QObject* parent = nullptr);
    ~UpdateChecker() override;

    // Checks now; a check the user asked for also reports "up to date" and failures.
    void checkNow(bool userInitiated);
    // Checks when the last check is a day old or more; runs at start and every hour.
    void checkIfDue();
    void startSchedule();

    // Orders version texts numerically part by part: 1.2 equals 1.2.0, 0.10 is newer than 0.9; a leading
    // "v" and anything from the first character that is neither digit nor dot ("-beta") are ignored.
    // Negative, zero or positive like a comparison of a with b.
    static int compareVersions(const QString& a, const QString& b);
    // Only HTTPS feeds are fetched; plain HTTP only from this machine (a feed served locally for a test).
    static bool mayFetch(const QUrl& feedUrl);

Q_SIGNALS:
    // Every finished check (for tests and the benchmark of the schedule): the feed's version, or empty.
    void checked(const QString& feedVersion, bool newer);

private:
    void finished(QNetworkReply* reply, bool userInitiated);
    void tell(const QString& identifier, const QString& title, const QString& body);

    const QUrl m_feedUrl;
    const QString m_currentVersion;
    PreferencesStore& m_store;
    NotificationCenter& m_center;
    Clock m_clock;
    QNetworkAccessManager* m_network = nullptr;
    QTimer m_schedule;
    bool m_inFlight = false;
};

} // namespace ondrix
