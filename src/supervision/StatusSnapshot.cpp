#include "supervision/StatusSnapshot.h"

#include "engine/ConnectionEngine.h"
#include "supervision/ConnectionsManager.h"

#include <algorithm>

namespace ondrix {

QString StatusSnapshot::stateName(const Connection& connection)
{
    if (!connection.running) {
        return stateNames().first();
    }
    return stateNames().at(1 + int(connection.state.kind()));
}

const QStringList& StatusSnapshot::stateNames()
{
    // "off", then the engine states in the order of EngineState::Kind.
    static const QStringList names{QStringLiteral("off"),      QStringLiteral("idle"),
                                   QStringLiteral("watching"), QStringLiteral("uploading"),
                                   QStringLiteral("paused"),   QStringLiteral("error")};
    return names;
}

QString StatusSnapshot::reasonName(PauseReasons::Reason reason)
{
    switch (reason) {
    case PauseReasons::Reason::user:
        return QStringLiteral("user");
    case PauseReasons::Reason::sleep:
        return QStringLiteral("sleep");
    case PauseReasons::Reason::noNetwork:
        return QStringLiteral("network");
    case PauseReasons::Reason::meteredNetwork:
        return QStringLiteral("metered");
    case PauseReasons::Reason::lowDiskSpace:
        return QStringLiteral("low_disk_space");
    case PauseReasons::Reason::schedule:
        return QStringLiteral("schedule");
    }
    return {};
}

const QList<PauseReasons::Reason>& StatusSnapshot::allReasons()
{
    using R = PauseReasons::Reason;
    static const QList<R> reasons{R::user,           R::sleep,        R::noNetwork,
                                  R::meteredNetwork, R::lowDiskSpace, R::schedule};
    return reasons;
}

StatusSnapshot StatusSnapshot::take(const ConnectionsManager& manager, const ConnectionActivity& activity,
                                    const QString& version, const QDateTime& startedAt)
{
    StatusSnapshot snapshot;
    snapshot.version = version;
    snapshot.startedAt = startedAt;
    snapshot.takenAt = QDateTime::currentDateTimeUtc();
    for (const PushConnection& connection : manager.connections()) {
        Connection status;
        status.id = connection.id;
        status.name = connection.name;
        status.counters = activity.counters(connection.id);
        status.lastError = status.counters.lastError;
        if (const ConnectionEngine* engine = manager.engine(connection.id)) {
            status.running = true;
            status.state = engine->state();
            status.uploading = int(engine->activeJobs().size());
            status.queued = std::max(0, engine->queuedCount() - status.uploading);
            status.consecutiveFailures = engine->consecutiveErrors();
            if (status.state.isError()) {
                status.lastError = status.state.message();
            }
            status.pauseReasons = manager.pauseReasons().reasons(connection.id);
        }
        snapshot.connections.append(status);
    }
    return snapshot;
}

} // namespace ondrix
