#include "app/ConnectionStatusReport.h"

#include "engine/ConnectionEngine.h"
#include "records/LogService.h"
#include "supervision/ConnectionsManager.h"

#include <QCoreApplication>

namespace ondrix {

namespace {

QString stateText(const EngineState& state)
{
    switch (state.kind()) {
    case EngineState::Kind::idle:
        return QCoreApplication::translate("ConnectionStatusReport", "Idle");
    case EngineState::Kind::watching:
        return QCoreApplication::translate("ConnectionStatusReport", "Watching");
    case EngineState::Kind::uploading:
        return QCoreApplication::translate("ConnectionStatusReport", "Uploading");
    case EngineState::Kind::paused:
        return QCoreApplication::translate("ConnectionStatusReport", "Paused");
    case EngineState::Kind::error:
        return QCoreApplication::translate("ConnectionStatusReport", "Error");
    }
    return {};
}

// The newest error line the log holds for the connection, without its "[name] " prefix.
QString lastLoggedError(const LogService& log, const QString& name)
{
    const QString prefix = QLatin1Char('[') + name + QLatin1String("] ");
    const QList<LogEntry> entries = log.entries();
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        if (it->level == LogEntry::LogLevel::error && it->message.startsWith(prefix)) {
            return it->message.mid(prefix.size());
        }
    }
    return {};
}

} // namespace

QString ConnectionStatusReport::text(const ConnectionsManager& manager, const LogService& log)
{
    QStringList lines;
    for (const PushConnection& connection : manager.connections()) {
        const ConnectionEngine* engine = manager.engine(connection.id);
        if (engine == nullptr) {
            lines.append(connection.name + QLatin1String(": ") +
                         QCoreApplication::translate("ConnectionStatusReport", "Off"));
            continue;
        }
        const int uploading = int(engine->activeJobs().size());
        const QString pausedFor = PauseReasons::describe(manager.pauseReasons().reasons(connection.id));
        const bool paused = engine->state().kind() == EngineState::Kind::paused && !pausedFor.isEmpty();
        QString line = connection.name + QLatin1String(": ") +
                       (paused ? pausedFor : stateText(engine->state())) + QLatin1String(", ") +
                       QCoreApplication::translate("ConnectionStatusReport", "%1 queued, %2 uploading")
                           .arg(std::max(0, engine->queuedCount() - uploading))
                           .arg(uploading);
        const QString error =
            engine->state().isError() ? engine->state().message() : lastLoggedError(log, connection.name);
        if (!error.isEmpty()) {
            line += QLatin1String(", ") +
                    QCoreApplication::translate("ConnectionStatusReport", "last error: %1").arg(error);
        }
        lines.append(line);
    }
    if (lines.isEmpty()) {
        return QCoreApplication::translate("ConnectionStatusReport", "No connections are set up.");
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace ondrix
