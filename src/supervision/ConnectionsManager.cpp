#include "supervision/ConnectionsManager.h"

#include "engine/ConnectionEngine.h"
#include "engine/FolderDeliveries.h"
#include "model/AppSettings.h"
#include "model/StoredConnectionList.h"
#include "model/UuidText.h"
#include "platform/DiskSpace.h"
#include "platform/NetworkPathSource.h"
#include "platform/PowerMonitor.h"
#include "platform/PreferencesStore.h"
#include "records/LogService.h"
#include "supervision/BookmarkManager.h"
#include "supervision/ConnectionSecrets.h"

#include <QDir>

namespace ondrix {

const QString ConnectionsManager::kConnectionsKey = QStringLiteral("push_connections");
const QString ConnectionsManager::kLockedConnectionsKey = QStringLiteral("push_locked_connections");

namespace {
EngineServices withDeliveries(EngineServices services, FolderDeliveries* deliveries)
{
    if (services.deliveries == nullptr) {
        services.deliveries = deliveries;
    }
    return services;
}
} // namespace

ConnectionsManager::ConnectionsManager(const EngineServices& services, NetworkPathSource* network,
                                       PowerMonitor* power, QObject* parent)
    : QObject(parent)
    , m_deliveries(std::make_unique<FolderDeliveries>())
    , m_services(withDeliveries(services, m_deliveries.get()))
    , m_network(network)
    , m_power(power)
{
    m_wakeResumeTimer.setSingleShot(true);
    m_wakeResumeTimer.setInterval(kDefaultWakeResumeDelayMs);
    // Only the sleep's pause ends: the user's and the network's stay in force.
    connect(&m_wakeResumeTimer, &QTimer::timeout, this, [this] {
        changePause([](PauseReasons& r) { return r.set(PauseReasons::Reason::sleep, false); });
    });

    // Files that several connections take wait for all of them, the enabled ones of this list.
    connect(this, &ConnectionsManager::connectionsChanged, this,
            [this] { m_services.deliveries->setConnections(m_connections); });
    if (ConnectionSecrets* secrets = m_services.secrets) {
        connect(secrets, &ConnectionSecrets::passwordAvailable, this,
                &ConnectionsManager::handlePasswordAvailable);
        // A password that left the store must leave the disk too, not wait in the write-ahead log.
        connect(secrets, &ConnectionSecrets::storedPasswordsChanged, this, [this] {
            saveConnections();
            if (m_services.store) {
                m_services.store->eraseOverwritten();
            }
        });
        connect(secrets, &ConnectionSecrets::problemsChanged, this,
                &ConnectionsManager::passwordProblemsChanged);
    }
    loadConnections();
    loadLockedIds();
    if (m_services.store) {
        m_activeBookmarks = BookmarkManager::restoreBookmarks(*m_services.store, m_connections);
    }
    if (m_network) {
        connect(m_network, &NetworkPathSource::pathChanged, this, &ConnectionsManager::handlePathUpdate,
                Qt::QueuedConnection);
        m_network->start();
    }
    if (m_power) {
        connect(m_power, &PowerMonitor::aboutToSleep, this, &ConnectionsManager::handleWillSleep);
        connect(m_power, &PowerMonitor::didWake, this, &ConnectionsManager::handleDidWake,
                Qt::QueuedConnection);
        m_power->start();
    }
    observeNetworkSettings();
    refreshFreeDiskSpace();
}

ConnectionsManager::~ConnectionsManager()
{
    endPreventingSleep();
    for (QMetaObject::Connection& connection : m_cancellables) {
        disconnect(connection);
    }
}

template <typename T, typename Signal>
void ConnectionsManager::assign(T& field, const T& value, Signal signal, bool always)
{
    if (always || field != value) {
        field = value;
        Q_EMIT(this->*signal)(value);
    }
}

// ---- the stored lists ----

void ConnectionsManager::loadConnections()
{
    PreferencesStore* store = m_services.store;
    if (!store || !store->contains(kConnectionsKey)) {
        return;
    }
    const StoredConnectionList stored = StoredConnectionList::read(*store, kConnectionsKey);
    if (!stored.problem.isEmpty()) {
        // Left as stored, with a copy beside it: the list is only written back once the user changes
        // something.
        qWarning().noquote() << stored.problem;
        if (m_services.log) {
            m_services.log->log(stored.problem, LogEntry::LogLevel::error);
        }
        return;
    }
    QList<PushConnection> unique;
    QSet<QUuid> seen;
    for (const PushConnection& connection : stored.connections) {
        if (!seen.contains(connection.id)) {
            seen.insert(connection.id);
            unique.append(connection);
        }
    }
    if (ConnectionSecrets* secrets = m_services.secrets) {
        secrets->load(unique);
        for (PushConnection& connection : unique) {
            connection.password = secrets->password(connection.id).value_or(QString());
        }
    }
    m_connections = unique;
    saveConnections();
    Q_EMIT connectionsChanged();
}

void ConnectionsManager::loadLockedIds()
{
    PreferencesStore* store = m_services.store;
    if (!store || !store->contains(kLockedConnectionsKey)) {
        return;
    }
    // A value that is not a list of strings reads as an empty list and is not written back.
    const QStringList texts = store->stringListValue(kLockedConnectionsKey);
    if (texts.isEmpty()) {
        return;
    }
    QSet<QUuid> ids;
    for (const QString& text : texts) {
        const QUuid id = QUuid::fromString(text);
        if (!id.isNull()) {
            ids.insert(id);
        }
    }
    setLockedConnectionIds(ids);
}

void ConnectionsManager::setConnections(const QList<PushConnection>& connections)
{
    if (ConnectionSecrets* secrets = m_services.secrets) {
        QHash<QUuid, const PushConnection*> previous;
        for (const PushConnection& connection : std::as_const(m_connections)) {
            previous.insert(connection.id, &connection);
        }
        for (const PushConnection& connection : connections) {
            secrets->update(connection, previous.value(connection.id));
            previous.remove(connection.id);
        }
        for (const PushConnection* gone : std::as_const(previous)) {
            secrets->forget(*gone);
        }
    }
    m_connections = connections;
    saveConnections();
    Q_EMIT connectionsChanged();
}

void ConnectionsManager::saveConnections()
{
    if (!m_services.store) {
        return;
    }
    QList<PushConnection> stored = m_connections;
    if (m_services.secrets) {
        for (PushConnection& connection : stored) {
            connection.password = m_services.secrets->storedPassword(connection);
        }
    }
    m_services.store->setData(kConnectionsKey, PushConnection::encodeList(stored));
}

QString ConnectionsManager::passwordProblem(const QUuid& connectionId) const
{
    return m_services.secrets ? m_services.secrets->problem(connectionId) : QString();
}

void ConnectionsManager::handlePasswordAvailable(const QUuid& connectionId, const QString& password)
{
    const auto it = std::find_if(m_connections.begin(), m_connections.end(),
                                 [&](const PushConnection& c) { return c.id == connectionId; });
    if (it == m_connections.end()) {
        return;
    }
    it->password = password;
    Q_EMIT connectionsChanged();
    if (m_awaitingPassword.remove(connectionId) && it->isEnabled) {
        startEngine(*it);
        updateAggregateState();
        Q_EMIT enginesChanged();
    }
}

void ConnectionsManager::setLockedConnectionIds(const QSet<QUuid>& ids)
{
    m_lockedConnectionIds = ids;
    if (m_services.store) {
        QStringList texts;
        for (const QUuid& id : ids) {
            texts.append(uuidText(id));
        }
        m_services.store->setStringList(kLockedConnectionsKey, texts);
    }
    Q_EMIT lockedConnectionIdsChanged();
}

void ConnectionsManager::setUnreadCount(int value)
{
    assign(m_unreadCount, value, &ConnectionsManager::unreadCountChanged);
}

// ---- editing ----

void ConnectionsManager::addConnection(const PushConnection& connection)
{
    for (const PushConnection& existing : std::as_const(m_connections)) {
        if (existing.id == connection.id) {
            return;
        }
    }
    QList<PushConnection> connections = m_connections;
    connections.append(connection);
    setConnections(connections);
}

void ConnectionsManager::updateConnection(const PushConnection& connection)
{
    QList<PushConnection> connections = m_connections;
    const auto it = std::find_if(connections.begin(), connections.end(),
                                 [&](const PushConnection& c) { return c.id == connection.id; });
    if (it == connections.end()) {
        return;
    }
    *it = connection;
    setConnections(connections);
    // An edit that leaves what is uploaded where as it was goes to the running engine: a rename or a click
    // of a stepper neither watches the tree again nor waits for the uploads under way.
    if (ConnectionEngine* running = engine(connection.id);
        running != nullptr && ConnectionEngine::takesLive(running->connection(), connection)) {
        running->applyLiveEdit(connection);
        return;
    }
    stopEngine(connection.id);
    if (connection.isEnabled) {
        startEngine(connection);
    }
    updateAggregateState();
}

void ConnectionsManager::deleteConnection(const QUuid& connectionId)
{
    stopEngine(connectionId);
    m_pauseReasons.forget(connectionId);
    QList<PushConnection> connections = m_connections;
    connections.removeIf([&](const PushConnection& c) { return c.id == connectionId; });
    setConnections(connections);
}

void ConnectionsManager::toggleLock(const QUuid& connectionId)
{
    QSet<QUuid> ids = m_lockedConnectionIds;
    if (!ids.remove(connectionId)) {
        ids.insert(connectionId);
    }
    setLockedConnectionIds(ids);
}

void ConnectionsManager::setFolderBookmark(const QString& folder, const QUuid& connectionId)
{
    const bool known = std::any_of(m_connections.cbegin(), m_connections.cend(),
                                   [&](const PushConnection& c) { return c.id == connectionId; });
    if (!known || !m_services.store) {
        return;
    }
    BookmarkManager::saveBookmark(*m_services.store, connectionId, folder);
    m_activeBookmarks.insert(connectionId, folder);
}

void ConnectionsManager::setHeld(const QUuid& connectionId, PauseReasons::Reason reason, bool held)
{
    changePause([&](PauseReasons& r) { return r.set(connectionId, reason, held); });
}

void ConnectionsManager::changePause(const std::function<bool(PauseReasons&)>& change)
{
    QHash<QUuid, bool> before;
    for (const auto& [id, engine] : m_engines) {
        before.insert(id, m_pauseReasons.isPaused(id));
    }
    const bool wasPaused = aggregatePaused();
    const bool wasForNetwork = isPausedForNetwork();
    if (!change(m_pauseReasons)) {
        return;
    }
    for (const auto& [id, engine] : m_engines) {
        const bool paused = m_pauseReasons.isPaused(id);
        if (paused != before.value(id)) {
            paused ? engine->pause() : engine->resume();
        }
    }
    if (wasForNetwork != isPausedForNetwork()) {
        Q_EMIT isPausedForNetworkChanged(isPausedForNetwork());
    }
    if (wasPaused != aggregatePaused()) {
        Q_EMIT aggregatePausedChanged(aggregatePaused());
    }
    updateAggregateState();
}

// ---- engines ----

ConnectionEngine* ConnectionsManager::engine(const QUuid& connectionId) const
{
    const auto it = m_engines.find(connectionId);
    return it == m_engines.end() ? nullptr : it->second.get();
}

QList<ConnectionEngine*> ConnectionsManager::engines() const
{
    QList<ConnectionEngine*> result;
    for (const auto& [id, engine] : m_engines) {
        result.append(engine.get());
    }
    return result;
}

void ConnectionsManager::startAll()
{
    observeNetworkSettings();
    const std::size_t before = m_engines.size();
    m_startingAll = true;
    for (const PushConnection& connection : std::as_const(m_connections)) {
        if (connection.isEnabled) {
            startEngine(connection);
        }
    }
    m_startingAll = false;
    updateAggregateState();
    if (m_engines.size() != before) {
        Q_EMIT enginesChanged();
    }
}

void ConnectionsManager::stopAll()
{
    m_awaitingPassword.clear();
    std::map<QUuid, std::unique_ptr<ConnectionEngine>> engines;
    engines.swap(m_engines);
    for (auto& [id, engine] : engines) {
        engine->stop();
        retire(std::move(engine));
    }
    for (QMetaObject::Connection& connection : m_cancellables) {
        disconnect(connection);
    }
    m_cancellables.clear();
    assign(m_aggregateState, EngineState::idle(), &ConnectionsManager::aggregateStateChanged, true);
    assign(m_aggregateUploading, false, &ConnectionsManager::aggregateUploadingChanged, true);
    assign(m_hasActiveEngines, false, &ConnectionsManager::hasActiveEnginesChanged, true);
    endPreventingSleep();
    Q_EMIT enginesChanged();
}

void ConnectionsManager::pauseAll()
{
    changePause([](PauseReasons& r) { return r.set(PauseReasons::Reason::user, true); });
}

void ConnectionsManager::resumeAll()
{
    changePause([](PauseReasons& r) { return r.set(PauseReasons::Reason::user, false); });
}

void ConnectionsManager::uploadNow()
{
    if (m_services.log) {
        m_services.log->log(tr("Upload Now: rescanning %n connections", nullptr, int(m_engines.size())),
                            LogEntry::LogLevel::info);
    }
    for (auto& [id, engine] : m_engines) {
        engine->scanNow();
    }
}

void ConnectionsManager::startEngine(const PushConnection& connection)
{
    if (m_engines.count(connection.id)) {
        return;
    }
    // It starts once the keyring gives out its password.
    if (m_services.secrets && !m_services.secrets->password(connection.id)) {
        m_awaitingPassword.insert(connection.id);
        return;
    }
    auto engine = std::make_unique<ConnectionEngine>(connection, m_services);
    // Results of its uploads still arrive after a stop and count like any other.
    if (m_configureEngine) {
        m_configureEngine(*engine);
    }
    ConnectionEngine* raw = engine.get();
    // Direct: the update itself is deferred (and shared by everything that changes in one turn), so an
    // engine that reports every step of a burst of files costs one recomputation, not one queued call each.
    m_cancellables.append(
        connect(raw, &ConnectionEngine::stateChanged, this, &ConnectionsManager::scheduleAggregateUpdate));
    m_cancellables.append(connect(raw, &ConnectionEngine::activeJobsChanged, this,
                                  &ConnectionsManager::scheduleAggregateUpdate));
    m_cancellables.append(connect(raw, &ConnectionEngine::isStabilityCheckingChanged, this,
                                  &ConnectionsManager::scheduleAggregateUpdate));
    // Uploads finished together raise the count once, by how many they were.
    m_cancellables.append(connect(raw, &ConnectionEngine::completedCountChanged, this,
                                  [this, counted = 0](int completed) mutable {
                                      setUnreadCount(m_unreadCount + std::max(0, completed - counted));
                                      counted = completed;
                                  }));
    // The state subscription also delivers the value current at subscription time.
    scheduleAggregateUpdate();
    m_engines.emplace(connection.id, std::move(engine));
    const auto bookmark = m_activeBookmarks.constFind(connection.id);
    const std::optional<QString> folder =
        bookmark == m_activeBookmarks.constEnd() ? std::nullopt : std::optional<QString>(*bookmark);
    // The engine this one replaces may still upload files of the folder: the new engine starts once they are
    // handled, or it would offer them again and send them a second time beside the first.
    ConnectionEngine* predecessor = nullptr;
    for (const auto& retiring : m_retiring) {
        if (retiring->connection().id == connection.id) {
            predecessor = retiring.get();
        }
    }
    // A connection that a reason holds begins paused.
    const bool paused = m_pauseReasons.isPaused(connection.id);
    if (predecessor == nullptr) {
        raw->start(folder);
        if (paused) {
            raw->pause();
        }
    } else {
        auto started = std::make_shared<bool>(false);
        const auto startOnce = [this, raw, folder, started] {
            if (!*started) {
                *started = true;
                raw->start(folder);
                if (m_pauseReasons.isPaused(raw->connection().id)) {
                    raw->pause();
                }
            }
        };
        connect(predecessor, &ConnectionEngine::transfersFinished, raw, startOnce, Qt::QueuedConnection);
        // A transfer that never ends must not keep the connection from working for good.
        QTimer::singleShot(m_handOverTimeoutMs, raw, startOnce);
    }
    if (!m_startingAll) {
        Q_EMIT enginesChanged();
    }
}

void ConnectionsManager::stopEngine(const QUuid& connectionId)
{
    m_awaitingPassword.remove(connectionId);
    const auto it = m_engines.find(connectionId);
    if (it == m_engines.end()) {
        return;
    }
    std::unique_ptr<ConnectionEngine> engine = std::move(it->second);
    m_engines.erase(it);
    engine->stop();
    retire(std::move(engine));
    Q_EMIT enginesChanged();
}

void ConnectionsManager::retire(std::unique_ptr<ConnectionEngine> engine)
{
    if (!engine->hasRunningTransfers()) {
        return;
    }
    ConnectionEngine* raw = engine.get();
    connect(
        raw, &ConnectionEngine::transfersFinished, this,
        [this, raw] {
            const auto it = std::find_if(m_retiring.begin(), m_retiring.end(),
                                         [raw](const auto& retiring) { return retiring.get() == raw; });
            if (it == m_retiring.end()) {
                return;
            }
            // Deleted later: the engine is still in its own result handler.
            it->release()->deleteLater();
            m_retiring.erase(it);
            if (m_retiring.empty()) {
                Q_EMIT transfersFinished();
            }
        },
        Qt::QueuedConnection);
    m_retiring.push_back(std::move(engine));
}

bool ConnectionsManager::hasRunningTransfers() const
{
    return !m_retiring.empty();
}

void ConnectionsManager::scheduleAggregateUpdate()
{
    if (m_aggregateUpdateScheduled) {
        return;
    }
    m_aggregateUpdateScheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_aggregateUpdateScheduled = false;
            updateAggregateState();
        },
        Qt::QueuedConnection);
}

void ConnectionsManager::updateAggregateState()
{
    bool uploading = false;
    bool checking = false;
    bool anyError = false;
    bool anyUploading = false;
    bool anyWatching = false;
    for (const auto& [id, engine] : m_engines) {
        uploading = uploading || !engine->activeJobs().isEmpty();
        checking = checking || engine->isStabilityChecking();
        switch (engine->state().kind()) {
        case EngineState::Kind::error:
            anyError = true;
            break;
        case EngineState::Kind::uploading:
            anyUploading = true;
            break;
        case EngineState::Kind::watching:
            anyWatching = true;
            break;
        case EngineState::Kind::idle:
        case EngineState::Kind::paused:
            break;
        }
    }
    EngineState state = EngineState::idle();
    if (anyError) {
        state = EngineState::error(tr("One or more connections have errors"));
    } else if (anyUploading) {
        state = EngineState::uploading();
    } else if (anyWatching) {
        state = EngineState::watching();
    }
    // Every value is assigned on each run, so observers may hear of a value that did not change.
    assign(m_hasActiveEngines, !m_engines.empty(), &ConnectionsManager::hasActiveEnginesChanged, true);
    assign(m_aggregateUploading, uploading, &ConnectionsManager::aggregateUploadingChanged, true);
    assign(m_aggregateStabilityChecking, checking, &ConnectionsManager::aggregateStabilityCheckingChanged,
           true);
    assign(m_aggregateState, state, &ConnectionsManager::aggregateStateChanged, true);

    if (uploading && m_services.settings && m_services.settings->preventSleepDuringDownloads()) {
        beginPreventingSleep();
    } else {
        endPreventingSleep();
    }
}

// ---- environment ----

void ConnectionsManager::handlePathUpdate(const NetworkPath& path)
{
    assign(m_isNetworkAvailable, path.isSatisfied(), &ConnectionsManager::isNetworkAvailableChanged);
    assign(m_isOnHotspot, path.isExpensive, &ConnectionsManager::isOnHotspotChanged);
    QString type = QStringLiteral("Network");
    if (!path.isSatisfied()) {
        type = QStringLiteral("None");
    } else if (path.isExpensive) {
        type = QStringLiteral("Hotspot");
    } else if (path.usesInterfaceType(NetworkPath::InterfaceType::wiredEthernet)) {
        type = QStringLiteral("Ethernet");
    } else if (path.usesInterfaceType(NetworkPath::InterfaceType::wifi)) {
        type = QStringLiteral("WiFi");
    }
    assign(m_networkType, type, &ConnectionsManager::networkTypeChanged);
    evaluateNetworkPause(m_isNetworkAvailable, m_isOnHotspot);
}

void ConnectionsManager::evaluateNetworkPause(bool available, bool hotspot)
{
    const AppSettings* settings = m_services.settings;
    const bool noNetwork = !available && settings && settings->pauseOnNoInternet();
    const bool metered = available && hotspot && settings && settings->pauseOnHotspot();
    changePause([&](PauseReasons& r) {
        // Both run: each reason follows its own cause.
        const bool a = r.set(PauseReasons::Reason::noNetwork, noNetwork);
        const bool b = r.set(PauseReasons::Reason::meteredNetwork, metered);
        return a || b;
    });
}

void ConnectionsManager::observeNetworkSettings()
{
    AppSettings* settings = m_services.settings;
    if (!settings) {
        return;
    }
    const auto evaluate = [this] { evaluateNetworkPause(m_isNetworkAvailable, m_isOnHotspot); };
    m_cancellables.append(
        connect(settings, &AppSettings::pauseOnHotspotChanged, this, evaluate, Qt::QueuedConnection));
    m_cancellables.append(
        connect(settings, &AppSettings::pauseOnNoInternetChanged, this, evaluate, Qt::QueuedConnection));
    QMetaObject::invokeMethod(this, evaluate, Qt::QueuedConnection);
}

void ConnectionsManager::beginPreventingSleep()
{
    if (m_isPreventingSleep) {
        return;
    }
    m_sleepAssertionID = m_power ? m_power->createIdleSleepAssertion(tr("Ondrix is uploading files")) : 0;
    assign(m_isPreventingSleep, true, &ConnectionsManager::isPreventingSleepChanged);
}

void ConnectionsManager::endPreventingSleep()
{
    if (!m_isPreventingSleep) {
        return;
    }
    if (m_power) {
        m_power->releaseIdleSleepAssertion(m_sleepAssertionID);
    }
    m_sleepAssertionID = 0;
    assign(m_isPreventingSleep, false, &ConnectionsManager::isPreventingSleepChanged);
}

void ConnectionsManager::handleWillSleep()
{
    const AppSettings* settings = m_services.settings;
    if (!settings || !settings->pauseResumeOnWake()) {
        return;
    }
    m_wakeResumeTimer.stop();
    if (m_services.log) {
        m_services.log->log(tr("System going to sleep — pausing all connections"), LogEntry::LogLevel::info);
    }
    changePause([](PauseReasons& r) { return r.set(PauseReasons::Reason::sleep, true); });
}

void ConnectionsManager::handleDidWake()
{
    const AppSettings* settings = m_services.settings;
    if (!settings || !settings->pauseResumeOnWake() || !isPausedForSleep()) {
        return;
    }
    if (m_services.log) {
        // Only the sleep's pause ends: the log must not promise uploads that other reasons still hold.
        QStringList holding;
        for (const PauseReasons::Reason reason : m_pauseReasons.reasons()) {
            if (reason != PauseReasons::Reason::sleep) {
                holding.append(PauseReasons::text(reason));
            }
        }
        m_services.log->log(
            holding.isEmpty()
                ? tr("System woke up — resuming connections")
                : tr("System woke up — connections stay paused (%1)").arg(holding.join(QStringLiteral(", "))),
            LogEntry::LogLevel::info);
    }
    m_wakeResumeTimer.start();
}

void ConnectionsManager::refreshFreeDiskSpace()
{
    const std::optional<qint64> bytes = freeDiskSpaceBytes(QDir::homePath());
    if (!bytes || *bytes < 0) {
        return;
    }
    assign(m_freeDiskSpaceGB, double(*bytes) / 1073741824.0, &ConnectionsManager::freeDiskSpaceGBChanged);
}

} // namespace ondrix
