#pragma once

#include "platform/NetworkPathSource.h"

namespace ondrix::test {

// A network path source the test steers (Qt loads one network backend per process): `start` reports the
// current path from the event loop like the real source, `setPath` reports a change at once.
class FakeNetworkPathSource : public NetworkPathSource {
    Q_OBJECT
public:
    using NetworkPathSource::NetworkPathSource;

    void start() override
    {
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT pathChanged(m_path); }, Qt::QueuedConnection);
    }
    NetworkPath currentPath() const override { return m_path; }

    // Sets and reports `path` (even when it equals the previous one, to test idempotent handling).
    void setPath(const NetworkPath& path)
    {
        m_path = path;
        Q_EMIT pathChanged(m_path);
    }

private:
    NetworkPath m_path;
};

} // namespace ondrix::test
