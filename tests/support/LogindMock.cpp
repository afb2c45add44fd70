#include "support/LogindMock.h"

#include <QDBusArgument>

namespace ondrix::test {

namespace {
const QString login1 = QStringLiteral("org.freedesktop.login1");
const QString login1Path = QStringLiteral("/org/freedesktop/login1");
const QString managerInterface = QStringLiteral("org.freedesktop.login1.Manager");
} // namespace

QList<LogindMock::Inhibitor> LogindMock::inhibitors() const
{
    const QDBusMessage reply =
        m_bus.call(login1, login1Path, managerInterface, QStringLiteral("ListInhibitors"));
    QList<Inhibitor> list;
    if (reply.type() != QDBusMessage::ReplyMessage) {
        return list;
    }
    const QDBusArgument argument = reply.arguments().constFirst().value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        Inhibitor entry;
        uint uid = 0, pid = 0;
        argument.beginStructure();
        argument >> entry.what >> entry.who >> entry.why >> entry.mode >> uid >> pid;
        argument.endStructure();
        list.append(entry);
    }
    argument.endArray();
    return list;
}

qsizetype LogindMock::held(const QString& what) const
{
    qsizetype count = 0;
    for (const Inhibitor& inhibitor : inhibitors()) {
        count += inhibitor.what == what && inhibitor.who == QStringLiteral("Ondrix") ? 1 : 0;
    }
    return count;
}

bool LogindMock::prepareForSleep(bool start) const
{
    return m_bus.emitSignal(login1, login1Path, managerInterface, QStringLiteral("PrepareForSleep"),
                            QStringLiteral("b"), {start});
}

} // namespace ondrix::test
