#pragma once

#include <QElapsedTimer>
#include <QObject>

namespace ondrix {

// The time the engine's waits are measured on: milliseconds that only ever move forward. This one follows the
// system's monotonic clock; tests give one whose time they move themselves, and it says so through
// `advanced`, so that whoever waits on it looks at once instead of when its own timer fires. Lives on the
// thread of the objects that read it.
class MonotonicClock : public QObject {
    Q_OBJECT

public:
    explicit MonotonicClock(QObject* parent = nullptr);

    virtual qint64 nowMs() const { return m_elapsed.elapsed(); }

Q_SIGNALS:
    // Time jumped forward by other means than passing.
    void advanced();

private:
    QElapsedTimer m_elapsed;
};

} // namespace ondrix
