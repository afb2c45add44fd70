#include "support/KeyringDaemon.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QUuid>

#include <signal.h>

namespace ondrix::test {

namespace {
const QString kSecretService = QStringLiteral("org.freedesktop.secrets");
constexpr int kTimeoutMs = 20000;

QProcessEnvironment onBus(const QString& address)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    return environment;
}
} // namespace

KeyringDaemon::KeyringDaemon(QString busAddress, QString root)
    : m_busAddress(std::move(busAddress))
    , m_root(std::move(root))
    , m_connectionName(QStringLiteral("ondrix-keyring-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
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
    QFile::setPermissions(m_root + QStringLiteral("/run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    daemon.setProcessEnvironment(environment);
    daemon.start(
        QStringLiteral("gnome-keyring-daemon"),
        {QStringLiteral("--unlock"), QStringLiteral("--components=secrets"), QStringLiteral("--daemonize")});
    // The login keyring's password, on standard input; a first start creates the keyring with it.
    daemon.write("keyring-test-password");
    daemon.closeWriteChannel();
    if (!daemon.waitForFinished(kTimeoutMs) || daemon.exitCode() != 0) {
        *error = QStringLiteral("gnome-keyring-daemon did not start: ") + daemon.errorString() +
                 QString::fromLocal8Bit(daemon.readAllStandardError());
        return false;
    }
    if (!QTest::qWaitFor([this] { return isRunning(); }, kTimeoutMs)) {
        *error = QStringLiteral("gnome-keyring-daemon did not take org.freedesktop.secrets");
        return false;
    }
    return true;
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

QString KeyringDaemon::secretTool(const QStringList& arguments) const
{
    QProcess tool;
    tool.setProcessEnvironment(onBus(m_busAddress));
    tool.start(QStringLiteral("secret-tool"), arguments);
    tool.waitForFinished(kTimeoutMs);
    return QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError());
}

} // namespace ondrix::test
