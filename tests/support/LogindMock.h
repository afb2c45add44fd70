#pragma once

#include "support/DBusMockSession.h"

namespace ondrix::test {

// logind's dbusmock template on a DBusMockSession: the inhibitors it holds, as ListInhibitors lists them,
// and its PrepareForSleep signal.
class LogindMock {
public:
    struct Inhibitor {
        QString what, who, why, mode;
        bool operator==(const Inhibitor&) const = default;
    };

    explicit LogindMock(DBusMockSession& bus)
        : m_bus(bus)
    {}

    bool start() { return m_bus.startTemplate(QStringLiteral("logind"), kService); }
    void stop() { m_bus.stopTemplate(kService); }
    QList<Inhibitor> inhibitors() const;
    // How many inhibitors of this kind (e.g. "sleep", "idle") the application named "Ondrix" holds.
    qsizetype held(const QString& what) const;
    bool prepareForSleep(bool start) const;

private:
    static inline const QString kService = QStringLiteral("org.freedesktop.login1");
    DBusMockSession& m_bus;
};

} // namespace ondrix::test
