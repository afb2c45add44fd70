#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QUuid>

namespace ondrix {

// Why uploads are paused. The user's pause, sleep and a missing or metered network hold every connection;
// low disk space and the schedule hold single connections. Each reason is set and lifted only by its own
// cause, so a network that returns does not undo a pause the user chose; a connection uploads only while no
// reason holds it.
//
// Lives on the main thread.
class PauseReasons : public QObject {
    Q_OBJECT

public:
    enum class Reason { user, sleep, noNetwork, meteredNetwork, lowDiskSpace, schedule };
    Q_ENUM(Reason)

    explicit PauseReasons(QObject* parent = nullptr)
        : QObject(parent)
    {}

    // Sets or lifts a reason for every connection, or for one; true when that changed anything.
    bool set(Reason reason, bool holds);
    bool set(const QUuid& connectionId, Reason reason, bool holds);
    // Drops the reasons of a connection that is gone.
    void forget(const QUuid& connectionId);

    bool holds(Reason reason) const { return (m_all & bit(reason)) != 0; }
    // The reasons that hold every connection, in the order of Reason.
    QList<Reason> reasons() const { return listOf(m_all); }
    // Those and the connection's own.
    QList<Reason> reasons(const QUuid& connectionId) const
    {
        return listOf(m_all | m_own.value(connectionId));
    }
    bool isPaused() const { return m_all != 0; }
    bool isPaused(const QUuid& connectionId) const { return (m_all | m_own.value(connectionId)) != 0; }

    // "Paused (by you, no network)"; empty for no reason.
    static QString describe(const QList<Reason>& reasons);
    static QString text(Reason reason);

Q_SIGNALS:
    void changed();

private:
    static int bit(Reason reason) { return 1 << int(reason); }
    static QList<Reason> listOf(int bits);

    int m_all = 0;
    QHash<QUuid, int> m_own;
};

} // namespace ondrix
