#pragma once

#include "engine/MonotonicClock.h"

namespace ondrix::test {

// A clock that stands still until the test moves it; whoever waits on it looks at once when it does.
class FakeClock : public MonotonicClock {
public:
    qint64 nowMs() const override { return m_nowMs; }
    void advance(qint64 ms)
    {
        m_nowMs += ms;
        Q_EMIT advanced();
    }

private:
    qint64 m_nowMs = 1000;
};

} // namespace ondrix::test
