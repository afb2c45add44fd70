#pragma once

#include "engine/EngineServices.h"
#include "model/PushConnection.h"
#include "records/FailureNotices.h"
#include "records/LogEntry.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTimer>
#include <QUuid>

namespace ondrix {

// What one connection tells the user: its log lines, each marked with the connection's name and id; the sound
// and the notification for finished uploads, gathered until the user's threshold or a delay; and the notices
// of failures in a row.
//
// Lives on the main thread with its engine; its flush timer ends with it.
class EngineAnnouncer : public QObject {
    Q_OBJECT

public:
    static constexpr qint64 kDefaultFlushDelayMs = 30000;

    EngineAnnouncer(const PushConnection& connection, const EngineServices& services,
                    QObject* parent = nullptr);

    // A live edit may rename the connection: later lines carry the new name.
    void setConnectionName(const QString& name) { m_name = name; }
    // `message` as this connection's line ("[name] message"), about the local file `file` when given.
    void log(const QString& message, LogEntry::LogLevel level, const QString& file = {}) const;

    // An uploaded file for the next announcement, made at once when the user's threshold is reached.
    void uploaded(const QString& name, qint64 bytes);
    // What is gathered and below the threshold waits for more, or for the delay.
    void waitForMore();
    // Announces what is gathered now.
    void flush();
    void setFlushDelayMs(qint64 ms) { m_flushTimer.setInterval(int(ms)); }

    // Announced by the user's rule: after so many failures in a row, then the same notice updated.
    void failed(const QString& path, const QString& name, const QString& message);
    void succeeded(const QString& path);

private:
    const EngineServices m_services;
    const QUuid m_connectionId;
    QString m_name;
    QList<QPair<QString, qint64>> m_gathered;
    QTimer m_flushTimer;
    FailureNotices m_failureNotices;
};

} // namespace ondrix
