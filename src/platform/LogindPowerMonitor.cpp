#include "platform/LogindPowerMonitor.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusUnixFileDescriptor>

#include <fcntl.h>
#include <unistd.h>

namespace ondrix {

Q_LOGGING_CATEGORY(lcPowerMonitor, "ondrix.power")

namespace {

const QString serviceName = QStringLiteral("org.freedesktop.login1");
const QString objectPath = QStringLiteral("/org/freedesktop/login1");
const QString managerInterface = QStringLiteral("org.freedesktop.login1.Manager");

void closeFd(int& fd)
{
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

} // namespace

LogindPowerMonitor::LogindPowerMonitor(QDBusConnection systemBus, QObject* parent)
    : PowerMonitor(parent)
    , m_bus(std::move(systemBus))
{}

LogindPowerMonitor::~LogindPowerMonitor()
{
    if (m_subscribed) {
        m_bus.disconnect(serviceName, objectPath, managerInterface, QStringLiteral("PrepareForSleep"), this,
                         SLOT(onPrepareForSleep(bool)));
    }
    closeFd(m_sleepDelayFd);
    for (auto& [id, assertion] : m_assertions)
        closeFd(assertion.fd);
}

void LogindPowerMonitor::start()
{
    if (m_started)
        return;
    m_started = true;
    if (!m_bus.isConnected()) {
        qCWarning(lcPowerMonitor).noquote()
            << "[LogindPowerMonitor] No system bus: sleep and wake are not observed:"
            << m_bus.lastError().message();
        return;
    }
    auto* watcher =
        new QDBusServiceWatcher(serviceName, m_bus, QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, &LogindPowerMonitor::onLogindRestarted);
    m_subscribed = m_bus.connect(serviceName, objectPath, managerInterface, QStringLiteral("PrepareForSleep"),
                                 this, SLOT(onPrepareForSleep(bool)));
    if (!m_subscribed)
        qCWarning(lcPowerMonitor).noquote() << "[LogindPowerMonitor] Cannot subscribe to PrepareForSleep";
    takeSleepDelay();
}

void LogindPowerMonitor::inhibit(const QString& what, const QString& why, const QString& mode,
                                 std::function<void(int fd)> done)
{
    if (!m_bus.isConnected()) {
        qCWarning(lcPowerMonitor).noquote()
            << QStringLiteral("[LogindPowerMonitor] Cannot inhibit %1: no system bus").arg(what);
        QMetaObject::invokeMethod(
            this, [done = std::move(done)] { done(-1); }, Qt::QueuedConnection);
        return;
    }
    QDBusMessage message =
        QDBusMessage::createMethodCall(serviceName, objectPath, managerInterface, QStringLiteral("Inhibit"));
    message << what << applicationName() << why << mode;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [what, done = std::move(done)](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusMessage reply = call->reply();
                int fd = -1;
                if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                    const auto descriptor = reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
                    // Our own copy: the reply's copy closes whenever Qt frees the message.
                    if (descriptor.isValid())
                        fd = ::fcntl(descriptor.fileDescriptor(), F_DUPFD_CLOEXEC, 3);
                }
                if (fd < 0) {
                    qCWarning(lcPowerMonitor).noquote()
                        << QStringLiteral("[LogindPowerMonitor] Inhibit %1 failed: %2")
                               .arg(what, reply.errorMessage().isEmpty() ? QStringLiteral("no descriptor")
                                                                         : reply.errorMessage());
                }
                done(fd);
            });
}

void LogindPowerMonitor::takeSleepDelay()
{
    if (m_sleepDelayFd >= 0 || m_sleepDelayRequested)
        return;
    m_sleepDelayRequested = true;
    inhibit(QStringLiteral("sleep"), sleepDelayReason(), QStringLiteral("delay"), [this](int fd) {
        m_sleepDelayRequested = false;
        closeFd(m_sleepDelayFd);
        m_sleepDelayFd = fd;
        // Granted only after sleep began: let it go as soon as the pause is done.
        if (m_goingToSleep)
            releaseSleepDelayIfReady();
    });
}

void LogindPowerMonitor::onPrepareForSleep(bool start)
{
    if (start) {
        m_goingToSleep = true;
        Q_EMIT aboutToSleep();
        // Queued behind whatever the handlers queued in response, so their pause runs before the release.
        QMetaObject::invokeMethod(this, &LogindPowerMonitor::releaseSleepDelayIfReady, Qt::QueuedConnection);
        return;
    }
    m_goingToSleep = false;
    m_sleepHolds = 0;
    Q_EMIT didWake();
    takeSleepDelay();
}

void LogindPowerMonitor::holdSleep()
{
    ++m_sleepHolds;
}

void LogindPowerMonitor::releaseSleep()
{
    if (m_sleepHolds > 0)
        --m_sleepHolds;
    if (m_sleepHolds == 0 && m_goingToSleep)
        QMetaObject::invokeMethod(this, &LogindPowerMonitor::releaseSleepDelayIfReady, Qt::QueuedConnection);
}

void LogindPowerMonitor::releaseSleepDelayIfReady()
{
    if (m_goingToSleep && m_sleepHolds == 0)
        closeFd(m_sleepDelayFd);
}

quint32 LogindPowerMonitor::createIdleSleepAssertion(const QString& reason)
{
    const quint32 id = m_nextAssertionId++;
    if (m_nextAssertionId == 0)
        m_nextAssertionId = 1;
    m_assertions[id] = Assertion{reason, -1};
    requestAssertion(id);
    return id;
}

void LogindPowerMonitor::requestAssertion(quint32 id)
{
    const auto it = m_assertions.find(id);
    if (it == m_assertions.end())
        return;
    inhibit(QStringLiteral("idle"), it->second.reason, QStringLiteral("block"), [this, id](int fd) {
        auto found = m_assertions.find(id);
        if (found == m_assertions.end()) {
            // Released before logind answered.
            closeFd(fd);
            return;
        }
        closeFd(found->second.fd);
        found->second.fd = fd;
    });
}

void LogindPowerMonitor::releaseIdleSleepAssertion(quint32 id)
{
    auto it = m_assertions.find(id);
    if (it == m_assertions.end())
        return;
    closeFd(it->second.fd);
    m_assertions.erase(it);
}

void LogindPowerMonitor::onLogindRestarted()
{
    // Descriptors from the previous logind inhibit nothing any more.
    qCInfo(lcPowerMonitor).noquote() << "[LogindPowerMonitor] logind appeared; taking the inhibitors again";
    if (!m_sleepDelayRequested) {
        closeFd(m_sleepDelayFd);
        if (!m_goingToSleep)
            takeSleepDelay();
    }
    for (auto& [id, assertion] : m_assertions) {
        closeFd(assertion.fd);
        requestAssertion(id);
    }
}

} // namespace ondrix
