#pragma once

#include "platform/PowerMonitor.h"

#include <QDBusConnection>
#include <QLoggingCategory>

#include <map>

class QDBusMessage;

namespace ondrix {

Q_DECLARE_LOGGING_CATEGORY(lcPowerMonitor)

// Power management through systemd-logind (org.freedesktop.login1 on the system bus).
//
// While the machine is awake a "delay" inhibitor for sleep is held, so that when logind announces sleep
// (PrepareForSleep(true)) the uploads can pause before the machine actually sleeps: `aboutToSleep` is
// emitted, then, once the work the handlers queued on the main thread has run and no `holdSleep` is
// outstanding, the inhibitor is released and logind proceeds. After wake (PrepareForSleep(false)) `didWake`
// is emitted and the inhibitor is taken again.
//
// An idle-sleep assertion is a "block" inhibitor for "idle": holding its file descriptor is the assertion,
// closing it releases it.
//
// When logind restarts, the inhibitors held with the old instance are gone; they are taken again from the
// new one.
//
// Lives on the main thread. Every call is asynchronous with a short timeout; a missing bus or logind is a
// system-log line, never a hang.
class LogindPowerMonitor : public PowerMonitor {
    Q_OBJECT
public:
    static constexpr int callTimeoutMs = 5000;

    explicit LogindPowerMonitor(QDBusConnection systemBus, QObject* parent = nullptr);
    ~LogindPowerMonitor() override;

    void start() override;
    void holdSleep() override;
    void releaseSleep() override;
    quint32 createIdleSleepAssertion(const QString& reason) override;
    void releaseIdleSleepAssertion(quint32 id) override;

    // Whether the sleep delay inhibitor is held right now.
    bool holdsSleepDelay() const { return m_sleepDelayFd >= 0; }

    static QString applicationName() { return QStringLiteral("Ondrix"); }
    static QString sleepDelayReason() { return tr("Pausing uploads before the system sleeps"); }

private Q_SLOTS:
    void onPrepareForSleep(bool start);

private:
    // Asks logind for an inhibitor; `done` gets an owned file descriptor, or -1 after a failure.
    void inhibit(const QString& what, const QString& why, const QString& mode,
                 std::function<void(int fd)> done);
    void takeSleepDelay();
    void releaseSleepDelayIfReady();

    QDBusConnection m_bus;
    bool m_started = false;
    bool m_subscribed = false;
    int m_sleepDelayFd = -1;
    bool m_sleepDelayRequested = false;
    bool m_goingToSleep = false;
    int m_sleepHolds = 0;
    quint32 m_nextAssertionId = 1;
    struct Assertion {
        QString reason;
        // -1 while the request is in flight or after it failed
        int fd = -1;
    };
    void requestAssertion(quint32 id);
    void onLogindRestarted();

    std::map<quint32, Assertion> m_assertions;
};

} // namespace ondrix
