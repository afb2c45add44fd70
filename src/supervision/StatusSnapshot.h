#pragma once

#include "engine/EngineState.h"
#include "records/ConnectionActivity.h"
#include "supervision/PauseReasons.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QUuid>

namespace ondrix {

class ConnectionsManager;

// The running instance's state at one moment, for the status report, its JSON form and the metrics file: all
// three read this one value, so they never disagree.
struct StatusSnapshot {
    struct Connection {
        QUuid id;
        QString name;
        // False for a disabled connection, which has no engine.
        bool running = false;
        EngineState state;
        // Why it is paused; empty while nothing holds it.
        QList<PauseReasons::Reason> pauseReasons;
        int queued = 0;
        int uploading = 0;
        int consecutiveFailures = 0;
        // Counted since the start. Their `lastError` is the line as logged; the one to show is below.
        ConnectionActivity::Counters counters;
        // The engine's error while it shows one, else the newest error line logged for the connection,
        // without the connection's name.
        QString lastError;
    };

    QString version;
    QDateTime startedAt;
    QDateTime takenAt;
    QList<Connection> connections;

    qint64 uptimeSeconds() const { return startedAt.secsTo(takenAt); }
    // The lower-case name of an engine state ("watching"), or "off" for a connection that does not run.
    static QString stateName(const Connection& connection);
    static const QStringList& stateNames();
    // The fixed lower-case name of a reason to pause ("user", "network", "low_disk_space").
    static QString reasonName(PauseReasons::Reason reason);
    static const QList<PauseReasons::Reason>& allReasons();

    // Reads every configured connection from the manager and its counters from `activity`.
    static StatusSnapshot take(const ConnectionsManager& manager, const ConnectionActivity& activity,
                               const QString& version, const QDateTime& startedAt);
};

} // namespace ondrix
