#pragma once

#include <QObject>
#include <QString>

namespace ondrix {

// The machine's power management: sleep and wake notifications and idle-sleep prevention. Lives on the main
// thread; signals are emitted there.
//
// Sleep is held off until `aboutToSleep` has been handled: the handlers connected directly run first, and the
// work they queue on the main thread in response runs before the system is allowed to proceed. A handler that
// needs longer calls `holdSleep` and later `releaseSleep`; the system also proceeds on its own after its
// maximum delay.
class PowerMonitor : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~PowerMonitor() override = default;

    // Starts listening for sleep and wake.
    virtual void start() = 0;

    virtual void holdSleep() = 0;
    virtual void releaseSleep() = 0;

    // Keeps the system from idle sleep until the returned assertion is released; `reason` is shown to the
    // user by tools that list what holds the system awake. Returns a non-zero id even when the request
    // fails (the failure goes to the system log); releasing an unknown or already released id does nothing.
    virtual quint32 createIdleSleepAssertion(const QString& reason) = 0;
    virtual void releaseIdleSleepAssertion(quint32 id) = 0;

Q_SIGNALS:
    void aboutToSleep();
    void didWake();
};

} // namespace ondrix
