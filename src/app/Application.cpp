#include "app/Application.h"

#include "engine/FinderTagService.h"
#include "engine/IPTCMetadataService.h"
#include "model/AppSettings.h"
#include "model/PushConnection.h"
#include "platform/AppPaths.h"
#include "platform/CanberraSoundPlayer.h"
#include "platform/FdoNotificationCenter.h"
#include "platform/InotifyFileEventSource.h"
#include "platform/LogindPowerMonitor.h"
#include "platform/PreferencesStore.h"
#include "platform/QtKeychainSecretStore.h"
#include "platform/QtNetworkPathSource.h"
#include "platform/XattrTagStore.h"
#include "records/ConnectionActivity.h"
#include "records/HistoryService.h"
#include "records/LogService.h"
#include "records/NotificationService.h"
#include "records/StatsService.h"
#include "supervision/ConnectionSecrets.h"
#include "supervision/ConnectionsManager.h"
#include "supervision/DiskSpaceGuard.h"
#include "supervision/ScheduleSupervisor.h"
#include "transfer/SshKnownHosts.h"

#include <QDBusConnection>
#include <QTimer>

namespace ondrix {

namespace {
// Every connection may run its most uploads at once, and the remote browser needs a thread or two besides.
constexpr int kSpareThreads = 2;
} // namespace

Application::Application(const StoreOpened& storeOpened, bool desktopSession, QObject* parent)
    : QObject(parent)
{
    m_store = std::make_unique<PreferencesStore>(AppPaths::preferencesFile());
    if (storeOpened) {
        storeOpened(*m_store);
    }
    m_notificationCenter = std::make_unique<FdoNotificationCenter>(QDBusConnection::sessionBus());
    m_notifications = std::make_unique<NotificationService>(m_notificationCenter.get());
    m_settings = std::make_unique<AppSettings>(*m_store, m_notifications.get());
    m_log = std::make_unique<LogService>(AppPaths::logFile());
    if (!m_store->openProblem().isEmpty()) {
        m_log->log(tr("Settings cannot be saved in this run, the preferences file was left untouched: %1")
                       .arg(m_store->openProblem()),
                   LogEntry::LogLevel::error);
    }
    // Images whose keywords cannot be written go up without them; the activity log says why.
    IPTCMetadataService::setProblemReporter(
        [log = m_log.get()](const QString& problem) { log->log(problem, LogEntry::LogLevel::error); });
    // A server key trusted on first use is said once, with its fingerprint, so it can be checked.
    SshKnownHosts::setNoticeReporter(
        [log = m_log.get()](const QString& notice) { log->log(notice, LogEntry::LogLevel::warning); });
    m_stats = std::make_unique<StatsService>(*m_store);
    m_activity = std::make_unique<ConnectionActivity>();
    connect(m_log.get(), &LogService::entriesAdded, this,
            [this](const QList<LogEntry>& entries) { m_activity->noteLogEntries(entries); });
    m_history = std::make_unique<HistoryService>(AppPaths::historyFile());
    m_sounds = std::make_unique<CanberraSoundPlayer>(CanberraSoundPlayer::findSoundDirectory());
    m_tags = std::make_unique<FinderTagService>(std::make_shared<XattrTagStore>());
    m_network = std::make_unique<QtNetworkPathSource>();
    m_power = std::make_unique<LogindPowerMonitor>(QDBusConnection::systemBus());
    m_keyring = std::make_unique<QtKeychainSecretStore>(QDBusConnection::sessionBus());
    // systemd sets CREDENTIALS_DIRECTORY for a service given LoadCredential= or SetCredential=.
    m_secrets =
        std::make_unique<ConnectionSecrets>(m_keyring.get(), m_store.get(), m_log.get(),
                                            qEnvironmentVariable("CREDENTIALS_DIRECTORY"), desktopSession);

    EngineServices services;
    services.settings = m_settings.get();
    services.log = m_log.get();
    services.stats = m_stats.get();
    services.activity = m_activity.get();
    services.history = m_history.get();
    services.store = m_store.get();
    services.notifications = m_notifications.get();
    services.sounds = m_sounds.get();
    services.tags = m_tags.get();
    services.secrets = m_secrets.get();
    services.transferPool = &m_transferPool;
    services.makeFileEventSource = [] { return std::make_unique<InotifyFileEventSource>(); };
    m_manager = std::make_unique<ConnectionsManager>(services, m_network.get(), m_power.get());
    m_schedule = std::make_unique<ScheduleSupervisor>(*m_manager, services, m_power.get());
    m_diskSpace = std::make_unique<DiskSpaceGuard>(*m_manager, services);
    sizeTransferPool();
    connect(m_manager.get(), &ConnectionsManager::connectionsChanged, this, &Application::sizeTransferPool);
}

Application::~Application()
{
    // Engines go first: their transfers hold only shared state, but their results need the services.
    m_manager->stopAll();
    m_transferPool.waitForDone();
    IPTCMetadataService::setProblemReporter({});
    SshKnownHosts::setNoticeReporter({});
    m_diskSpace.reset();
    m_schedule.reset();
    m_manager.reset();
}

void Application::sizeTransferPool()
{
    const int connections = int(m_manager->connections().size());
    m_transferPool.setMaxThreadCount(std::max(1, connections) * int(PushConnection::kMaxSimultaneousUploads) +
                                     kSpareThreads);
}

void Application::start()
{
    m_manager->startAll();
    if (m_settings->notificationsEnabled()) {
        m_notifications->requestNotificationPermission();
    }
}

void Application::stop()
{
    m_manager->stopAll();
    auto* poll = new QTimer(this);
    poll->setInterval(50);
    connect(poll, &QTimer::timeout, this, [this, poll] {
        if (!hasRunningTransfers()) {
            poll->deleteLater();
            // Results of the last transfers reach the engines' handlers by queued calls; let them run first.
            QTimer::singleShot(0, this, &Application::transfersFinished);
        }
    });
    poll->start();
}

StatusSnapshot Application::statusSnapshot() const
{
    return StatusSnapshot::take(*m_manager, *m_activity, QStringLiteral(ONDRIX_VERSION), m_startedAt);
}

bool Application::hasRunningTransfers() const
{
    // Stopped engines keep their uploads under way until the results are recorded.
    return m_transferPool.activeThreadCount() > 0 || m_manager->hasRunningTransfers();
}

} // namespace ondrix
