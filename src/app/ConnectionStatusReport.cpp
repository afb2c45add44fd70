#include "app/ConnectionStatusReport.h"

#include "supervision/StatusSnapshot.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

QJsonValue timeValue(const QDateTime& time)
{
    return time.isValid() ? QJsonValue(time.toUTC().toString(Qt::ISODate)) : QJsonValue();
}

} // namespace

QString ConnectionStatusReport::text(const StatusSnapshot& snapshot)
{
    QStringList lines;
    for (const StatusSnapshot::Connection& connection : snapshot.connections) {
        if (!connection.running) {
            lines.append(connection.name + QLatin1String(": ") +
                         QCoreApplication::translate("ConnectionStatusReport", "Off"));
            continue;
        }
        const QString pausedFor = PauseReasons::describe(connection.pauseReasons);
        const bool paused = connection.state.kind() == EngineState::Kind::paused && !pausedFor.isEmpty();
        QString line = connection.name + QLatin1String(": ") +
                       (paused ? pausedFor : stateText(connection.state)) + QLatin1String(", ") +
                       QCoreApplication::translate("ConnectionStatusReport", "%1 queued, %2 uploading")
                           .arg(connection.queued)
                           .arg(connection.uploading);
        if (!connection.lastError.isEmpty()) {
            line +=
                QLatin1String(", ") + QCoreApplication::translate("ConnectionStatusReport", "last error: %1")
                                          .arg(connection.lastError);
        }
        lines.append(line);
    }
    if (lines.isEmpty()) {
        return QCoreApplication::translate("ConnectionStatusReport", "No connections are set up.");
    }
    return lines.join(QLatin1Char('\n'));
}

QByteArray ConnectionStatusReport::json(const StatusSnapshot& snapshot)
{
    QJsonArray connections;
    for (const StatusSnapshot::Connection& connection : snapshot.connections) {
        QJsonArray reasons;
        for (PauseReasons::Reason reason : connection.pauseReasons) {
            reasons.append(StatusSnapshot::reasonName(reason));
        }
        const ConnectionActivity::Counters& counters = connection.counters;
        connections.append(QJsonObject{
            {QStringLiteral("id"), connection.id.toString(QUuid::WithoutBraces)},
            {QStringLiteral("name"), connection.name},
            {QStringLiteral("state"), StatusSnapshot::stateName(connection)},
            {QStringLiteral("pauseReasons"), reasons},
            {QStringLiteral("filesQueued"), connection.queued},
            {QStringLiteral("filesUploading"), connection.uploading},
            {QStringLiteral("lastSuccess"), timeValue(counters.lastSuccess)},
            {QStringLiteral("lastError"),
             connection.lastError.isEmpty()
                 ? QJsonValue()
                 : QJsonValue(QJsonObject{{QStringLiteral("message"), connection.lastError},
                                          {QStringLiteral("time"), timeValue(counters.lastErrorTime)}})},
            {QStringLiteral("consecutiveFailures"), connection.consecutiveFailures},
            {QStringLiteral("filesToday"), counters.todayFiles},
            {QStringLiteral("bytesToday"), counters.todayBytes},
            {QStringLiteral("filesUploaded"), counters.uploadedFiles},
            {QStringLiteral("bytesUploaded"), counters.uploadedBytes},
            {QStringLiteral("filesFailed"), counters.failedFiles},
        });
    }
    const QJsonObject document{
        {QStringLiteral("version"), snapshot.version},
        {QStringLiteral("startedAt"), timeValue(snapshot.startedAt)},
        {QStringLiteral("uptimeSeconds"), snapshot.uptimeSeconds()},
        {QStringLiteral("connections"), connections},
    };
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

} // namespace ondrix
