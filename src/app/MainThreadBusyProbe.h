#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <functional>

namespace ondrix {

// Measures how long the main thread goes without waiting for events: from each return of the event loop's
// wait to its next wait. Benchmarks turn it on to see whether any single piece of work (a scan, a burst of
// results) keeps the application from answering for too long.
//
// Under Qt's GLib event dispatcher (the usual one on Linux) the dispatcher's awake and aboutToBlock signals
// bracket only the gap between two GLib iterations, while every timer, socket notifier and posted event runs
// inside an iteration; so the probe wraps the poll function of GLib's main context instead, which is where
// the thread really waits. With another dispatcher it uses those two signals.
//
// Lives on the main thread; install it after the application object exists. One probe watches the GLib
// context at a time (a second one falls back to the signals).
class MainThreadBusyProbe : public QObject {
    Q_OBJECT

public:
    // Nanoseconds on a monotonic clock; tests give their own.
    using Clock = std::function<qint64()>;

    explicit MainThreadBusyProbe(QObject* parent = nullptr);
    explicit MainThreadBusyProbe(Clock clock, QObject* parent = nullptr);
    ~MainThreadBusyProbe() override;

    // The longest busy stretch so far, in milliseconds, and how many stretches there were.
    double longestBusyMs() const { return double(m_longestNs) / 1e6; }
    qint64 wakeUps() const { return m_wakeUps; }
    // Whether it measures at GLib's wait (else from the dispatcher's signals).
    bool watchesGlibPoll() const { return m_watchesPoll; }

private:
    struct GlibHook;

    void awake();
    void aboutToBlock();

    Clock m_clock;
    qint64 m_awakeAtNs = -1;
    qint64 m_longestNs = 0;
    qint64 m_wakeUps = 0;
    bool m_watchesPoll = false;
};

} // namespace ondrix
