#include "support/DBusMockSession.h"

#include "support/TestEnvironment.h"
#include "support/TestServerProcess.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QUuid>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ondrix::test {

constexpr int startTimeoutMs = 20000;

// A session-type bus that anyone may use, with no service activation directories.
const char* const busConfig =
    R"(<busconfig><type>session</type><listen>unix:dir=%1</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
<allow own="*"/></policy></busconfig>)";

static QVariant unwrap(const QVariant& value)
{
    if (value.userType() == qMetaTypeId<QDBusVariant>())
        return unwrap(value.value<QDBusVariant>().variant());
    if (value.userType() != qMetaTypeId<QDBusArgument>())
        return value;
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentType() == QDBusArgument::MapType) {
        QVariantMap map;
        argument.beginMap();
        while (!argument.atEnd()) {
            QString key;
            QVariant entry;
            argument.beginMapEntry();
            argument >> key >> entry;
            argument.endMapEntry();
            map.insert(key, unwrap(entry));
        }
        argument.endMap();
        return map;
    }
    const bool array = argument.currentType() == QDBusArgument::ArrayType;
    if (array || argument.currentType() == QDBusArgument::StructureType) {
        QVariantList list;
        array ? argument.beginArray() : argument.beginStructure();
        while (!argument.atEnd())
            list.append(unwrap(argument.asVariant()));
        array ? argument.endArray() : argument.endStructure();
        return list;
    }
    return argument.asVariant();
}

DBusMockSession::DBusMockSession()
    : m_connectionName(u"ondrix-test-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    const QString configPath =
        writeFileAt(m_dir.filePath(u"bus.conf"_s), QString::fromLatin1(busConfig).arg(m_dir.path()).toUtf8());
    m_daemon.start(u"dbus-daemon"_s, {u"--config-file="_s + configPath, u"--print-address=1"_s, u"--nofork"_s,
                                      u"--nopidfile"_s});
    if (!m_daemon.waitForStarted(startTimeoutMs) ||
        !QTest::qWaitFor([this] { return m_daemon.canReadLine(); }, startTimeoutMs)) {
        m_error = u"dbus-daemon printed no address: "_s + m_daemon.errorString() +
                  QString::fromLocal8Bit(m_daemon.readAllStandardError());
        return;
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    const QDBusConnection bus = QDBusConnection::connectToBus(m_address, m_connectionName);
    m_connected = bus.isConnected();
    if (!m_connected)
        m_error = u"cannot connect to the private bus: "_s + bus.lastError().message();
}

DBusMockSession::~DBusMockSession()
{
    for (Template& entry : m_templates)
        stopProcess(*entry.process);
    QDBusConnection::disconnectFromBus(m_connectionName);
    stopProcess(m_daemon);
}

bool DBusMockSession::startTemplate(const QString& templateName, const QString& busName,
                                    const QVariantMap& parameters)
{
    if (!m_connected)
        return false;
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, m_address);
    environment.insert(u"DBUS_SYSTEM_BUS_ADDRESS"_s, m_address);
    process->setProcessEnvironment(environment);
    // Debian's interpreter: another python3 earlier on PATH may not see Debian's dbusmock.
    QStringList arguments{u"-m"_s, u"dbusmock"_s, u"--template"_s, templateName};
    if (!parameters.isEmpty()) {
        arguments << u"--parameters"_s
                  << QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(parameters))
                                           .toJson(QJsonDocument::Compact));
    }
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(u"/usr/bin/python3"_s, arguments);
    if (!process->waitForStarted(startTimeoutMs)) {
        m_error = u"dbusmock did not start: "_s + process->errorString();
        return false;
    }
    QDBusConnectionInterface* bus = connection().interface();
    const auto running = [&] { return process->state() == QProcess::Running; };
    if (!QTest::qWaitFor([&] { return !running() || bus->isServiceRegistered(busName).value(); },
                         startTimeoutMs) ||
        !running()) {
        m_error = u"dbusmock template %1 did not take %2"_s.arg(templateName, busName);
        stopProcess(*process);
        return false;
    }
    m_templates.push_back({busName, std::move(process)});
    return true;
}

void DBusMockSession::stopTemplate(const QString& busName)
{
    const auto it = std::ranges::find(m_templates, busName, &Template::busName);
    if (it == m_templates.end())
        return;
    stopProcess(*it->process);
    m_templates.erase(it);
    QDBusConnectionInterface* bus = connection().interface();
    (void)QTest::qWaitFor([&] { return !bus->isServiceRegistered(busName).value(); }, startTimeoutMs);
}

QDBusMessage DBusMockSession::call(const QString& service, const QString& path, const QString& interface,
                                   const QString& method, const QVariantList& args) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(args);
    return connection().call(message, QDBus::Block, 5000);
}

QList<QVariantList> DBusMockSession::methodCalls(const QString& service, const QString& path,
                                                 const QString& method) const
{
    const QDBusMessage reply = callMock(service, path, u"GetMethodCalls"_s, {method});
    QList<QVariantList> calls;
    if (reply.type() != QDBusMessage::ReplyMessage)
        return calls;
    // a(tav): (timestamp, arguments)
    for (const QVariant& entry : unwrap(reply.arguments().value(0)).toList())
        calls.append(entry.toList().value(1).toList());
    return calls;
}

bool DBusMockSession::setProperty(const QString& service, const QString& path, const QString& interface,
                                  const QString& name, const QVariant& value) const
{
    // The mock's standard Set emits PropertiesChanged (its UpdateProperties cannot carry object paths); it
    // fails for a property the object does not have yet, which AddProperty then adds.
    const QDBusMessage set = call(service, path, u"org.freedesktop.DBus.Properties"_s, u"Set"_s,
                                  {interface, name, QVariant::fromValue(QDBusVariant(value))});
    if (set.type() == QDBusMessage::ReplyMessage)
        return true;
    return callMock(service, path, u"AddProperty"_s,
                    {interface, name, QVariant::fromValue(QDBusVariant(value))})
               .type() == QDBusMessage::ReplyMessage;
}

bool DBusMockSession::emitSignal(const QString& service, const QString& path, const QString& interface,
                                 const QString& name, const QString& signature,
                                 const QVariantList& args) const
{
    QVariantList wrapped;
    for (const QVariant& arg : args)
        wrapped.append(QVariant::fromValue(QDBusVariant(arg)));
    return callMock(service, path, u"EmitSignal"_s, {interface, name, signature, wrapped}).type() ==
           QDBusMessage::ReplyMessage;
}

} // namespace ondrix::test
