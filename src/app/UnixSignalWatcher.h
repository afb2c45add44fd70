#pragma once

#include <QObject>

class QSocketNotifier;

namespace ondrix {

// Turns SIGINT and SIGTERM into a Qt signal on the main thread (self-pipe: the handler only writes a byte).
// One instance per process.
class UnixSignalWatcher : public QObject {
    Q_OBJECT

public:
    // Takes over SIGINT and SIGTERM and delivers a signal that arrived while they were held back.
    explicit UnixSignalWatcher(QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

    // Holds SIGINT and SIGTERM back until a watcher exists, so that a stop asked for while the process
    // starts up is a clean stop rather than death by the default action. Call before any thread starts.
    static void holdBackTermination();

Q_SIGNALS:
    // `count` is 1 for the first signal received, 2 for the second, and so on.
    void terminationRequested(int signalNumber, int count);

private:
    static void handle(int signalNumber);
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
    int m_count = 0;
};

} // namespace ondrix
