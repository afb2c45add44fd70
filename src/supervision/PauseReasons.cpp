#include "supervision/PauseReasons.h"

namespace ondrix {

bool PauseReasons::set(Reason reason, bool holds)
{
    const int bits = holds ? m_all | bit(reason) : m_all & ~bit(reason);
    if (bits == m_all) {
        return false;
    }
    m_all = bits;
    Q_EMIT changed();
    return true;
}

bool PauseReasons::set(const QUuid& connectionId, Reason reason, bool holds)
{
    const int before = m_own.value(connectionId);
    const int bits = holds ? before | bit(reason) : before & ~bit(reason);
    if (bits == before) {
        return false;
    }
    if (bits == 0) {
        m_own.remove(connectionId);
    } else {
        m_own.insert(connectionId, bits);
    }
    Q_EMIT changed();
    return true;
}

void PauseReasons::forget(const QUuid& connectionId)
{
    if (m_own.remove(connectionId) > 0) {
        Q_EMIT changed();
    }
}

QList<PauseReasons::Reason> PauseReasons::listOf(int bits)
{
    QList<Reason> list;
    for (Reason reason : {Reason::user, Reason::sleep, Reason::noNetwork, Reason::meteredNetwork,
                          Reason::lowDiskSpace, Reason::schedule}) {
        if ((bits & bit(reason)) != 0) {
            list.append(reason);
        }
    }
    return list;
}

QString PauseReasons::text(Reason reason)
{
    switch (reason) {
    case Reason::user:
        return tr("by you");
    case Reason::sleep:
        return tr("the computer sleeps");
    case Reason::noNetwork:
        return tr("no network");
    case Reason::meteredNetwork:
        return tr("metered network");
    case Reason::lowDiskSpace:
        return tr("low disk space");
    case Reason::schedule:
        return tr("outside the scheduled hours");
    }
    return {};
}

QString PauseReasons::describe(const QList<Reason>& reasons)
{
    if (reasons.isEmpty()) {
        return {};
    }
    QStringList texts;
    for (Reason reason : reasons) {
        texts.append(text(reason));
    }
    //: The reasons are joined by commas, such as "by you, no network".
    return tr("Paused (%1)").arg(texts.join(QStringLiteral(", ")));
}

} // namespace ondrix
