#pragma once

#include "engine/EngineServices.h"

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QUuid>

#include <functional>

namespace ondrix {

class ConnectionsManager;
class PowerMonitor;
struct PushConnection;

// Keeps each connection with a schedule paused outside its window and running inside it, through the
// manager's schedule hold. Looks at every hour boundary of local time, whenever the connections change and
// on wake (a timer does not run while the machine sleeps). Each pause and resume is logged with its reason
// and, when the user asked for schedule notices, announced.
//
// Lives on the main thread.
class ScheduleSupervisor : public QObject {
    Q_OBJECT

public:
    // The current local date and time; tests pass a clock of their own.
    using Clock = std::function<QDateTime()>;

    // `power` may be null (no wake checks then). Looks once at once.
    ScheduleSupervisor(ConnectionsManager& manager, const EngineServices& services, PowerMonitor* power,
                       Clock clock = {}, QObject* parent = nullptr);

    // Holds or releases every connection for the time the clock tells, and sets the next look.
    void evaluate();
    // When the next look is due.
    QDateTime nextCheck() const { return m_nextCheck; }

private:
    void announce(const PushConnection& connection, bool paused);

    ConnectionsManager& m_manager;
    const EngineServices m_services;
    Clock m_clock;
    QSet<QUuid> m_outside;
    QTimer m_timer;
    QDateTime m_nextCheck;
};

} // namespace ondrix
