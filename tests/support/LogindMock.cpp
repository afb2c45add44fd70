#include "support/LogindMock.h"

#include <QDBusArgument>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ondrix::test {

const QString login1Path = u"/org/freedesktop/login1"_s;
const QString managerInterface = u"org.freedesktop.login1.Manager"_s;

QList<LogindMock::Inhibitor> LogindMock::inhibitors() const
{
    const QDBusMessage reply = m_bus.call(kService, login1Path, managerInterface, u"ListInhibitors"_s);
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
    return std::ranges::count_if(inhibitors(),
                                 [&](const Inhibitor& i) { return i.what == what && i.who == u"Ondrix"_s; });
}

bool LogindMock::prepareForSleep(bool start) const
{
    return m_bus.emitSignal(kService, login1Path, managerInterface, u"PrepareForSleep"_s, u"b"_s, {start});
}

} // namespace ondrix::test
