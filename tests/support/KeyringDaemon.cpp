#include "support/KeyringDaemon.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QUuid>

#include <signal.h>

using namespace Qt::StringLiterals;

namespace ondrix::test {

const QString kSecretService = u"org.freedesktop.secrets"_s;
constexpr int kTimeoutMs = 20000;

static QProcessEnvironment onBus(const QString& address)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, address);
    return environment;
}

static QString secretTool(const QString& busAddress, const QStringList& arguments)
{
    QProcess tool;
    tool.setProcessEnvironment(onBus(busAddress));
    tool.start(u"secret-tool"_s, arguments);
    tool.waitForFinished(kTimeoutMs);
    return QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError());
}

KeyringDaemon::KeyringDaemon(QString busAddress, QString root)
    : m_busAddress(std::move(busAddress))
    , m_root(std::move(root))
    , m_connectionName(u"ondrix-keyring-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    QDBusConnection::connectToBus(m_busAddress, m_connectionName);
}

KeyringDaemon::~KeyringDaemon()
{
    stop();
    QDBusConnection::disconnectFromBus(m_connectionName);
}

bool KeyringDaemon::isRunning() const
{
    QDBusConnectionInterface* bus = QDBusConnection(m_connectionName).interface();
    return bus && bus->isServiceRegistered(kSecretService).value();
}

bool KeyringDaemon::start(QString* error)
{
    QProcess daemon;
    QProcessEnvironment environment = onBus(m_busAddress);
    for (const auto& [variable, folder] :
         {std::pair{"XDG_RUNTIME_DIR", "/run"}, {"XDG_DATA_HOME", "/data"}, {"HOME", "/home"}}) {
        QDir().mkpath(m_root + QLatin1String(folder));
        environment.insert(QLatin1String(variable), m_root + QLatin1String(folder));
    }
    QFile::setPermissions(m_root + u"/run"_s,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    daemon.setProcessEnvironment(environment);
    daemon.start(u"gnome-keyring-daemon"_s, {u"--unlock"_s, u"--components=secrets"_s, u"--daemonize"_s});
    // The login keyring's password, on standard input; a first start creates the keyring with it.
    daemon.write("keyring-test-password");
    daemon.closeWriteChannel();
    const bool started = daemon.waitForFinished(kTimeoutMs) && daemon.exitCode() == 0 &&
                         QTest::qWaitFor([this] { return isRunning(); }, kTimeoutMs);
    if (!started) {
        *error = u"gnome-keyring-daemon did not take org.freedesktop.secrets: "_s + daemon.errorString() +
                 QString::fromLocal8Bit(daemon.readAllStandardError());
    }
    return started;
}

void KeyringDaemon::stop()
{
    QDBusConnectionInterface* bus = QDBusConnection(m_connectionName).interface();
    if (!bus || !isRunning()) {
        return;
    }
    const uint pid = bus->servicePid(kSecretService).value();
    if (pid != 0) {
        ::kill(pid_t(pid), SIGTERM);
    }
    (void)QTest::qWaitFor([this] { return !isRunning(); }, kTimeoutMs);
}

QString KeyringDaemon::lookup(const QString& account) const
{
    return secretTool(m_busAddress, {u"lookup"_s, u"user"_s, account});
}

QString KeyringDaemon::describe(const QString& account) const
{
    return secretTool(m_busAddress, {u"search"_s, u"--all"_s, u"user"_s, account});
}

} // namespace ondrix::test
