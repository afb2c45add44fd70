#pragma once

#include <QElapsedTimer>
#include <QObject>

namespace ondrix {

// Measures how long the main thread's event loop goes without waiting for events: the time from each wake-up
// of the event dispatcher to its next wait. Benchmarks turn it on to see whether any single piece of work
// (a scan, a burst of results) keeps the application from answering for too long.
//
// Lives on the main thread; install it after the application object exists.
class MainThreadBusyProbe : public QObject {
    Q_OBJECT

public:
    explicit MainThreadBusyProbe(QObject* parent = nullptr);

    // The longest busy stretch so far, in milliseconds, and how many stretches there were.
    double longestBusyMs() const { return double(m_longestNs) / 1e6; }
    qint64 wakeUps() const { return m_wakeUps; }

private:
    void awake();
    void aboutToBlock();

    QElapsedTimer m_clock;
    qint64 m_awakeAtNs = -1;
    qint64 m_longestNs = 0;
    qint64 m_wakeUps = 0;
};

} // namespace ondrix
