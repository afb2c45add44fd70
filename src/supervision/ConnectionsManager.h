#pragma once

#include "engine/EngineServices.h"
#include "engine/EngineState.h"
#include "model/PushConnection.h"
#include "platform/NetworkPath.h"
#include "supervision/PauseReasons.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace ondrix {

class ConnectionEngine;
class FolderDeliveries;
class NetworkPathSource;
class PowerMonitor;

// Owns the configured connections and one running engine per enabled connection. It stores the list and the
// locked ids on every change, hands an edit to the running engine or replaces the engine when the edit
// changes what is uploaded where, pauses and resumes the engines as the reasons to pause come and go, and
// folds the engines' states into the summary values the tray icon and the popover show. It also reacts to the
// machine's surroundings: network loss and metered links pause the uploads, sleep pauses them until the wake,
// idle sleep is held off while files upload, and free disk space is measured.
//
// Lives on the main thread; every operation and every change of an observable value happens there.
class ConnectionsManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<ondrix::PushConnection> connections READ connections WRITE setConnections NOTIFY
                   connectionsChanged)
    Q_PROPERTY(QSet<QUuid> lockedConnectionIds READ lockedConnectionIds NOTIFY lockedConnectionIdsChanged)
    Q_PROPERTY(int unreadCount READ unreadCount WRITE setUnreadCount NOTIFY unreadCountChanged)
    Q_PROPERTY(ondrix::EngineState aggregateState READ aggregateState NOTIFY aggregateStateChanged)
    Q_PROPERTY(bool aggregatePaused READ aggregatePaused NOTIFY aggregatePausedChanged)
    Q_PROPERTY(bool aggregateUploading READ aggregateUploading NOTIFY aggregateUploadingChanged)
    Q_PROPERTY(bool aggregateStabilityChecking READ aggregateStabilityChecking NOTIFY
                   aggregateStabilityCheckingChanged)
    Q_PROPERTY(bool hasActiveEngines READ hasActiveEngines NOTIFY hasActiveEnginesChanged)
    Q_PROPERTY(bool isNetworkAvailable READ isNetworkAvailable NOTIFY isNetworkAvailableChanged)
    Q_PROPERTY(bool isOnHotspot READ isOnHotspot NOTIFY isOnHotspotChanged)
    Q_PROPERTY(bool isPausedForNetwork READ isPausedForNetwork NOTIFY isPausedForNetworkChanged)
    Q_PROPERTY(bool isPreventingSleep READ isPreventingSleep NOTIFY isPreventingSleepChanged)
    Q_PROPERTY(double freeDiskSpaceGB READ freeDiskSpaceGB NOTIFY freeDiskSpaceGBChanged)
    Q_PROPERTY(QString networkType READ networkType NOTIFY networkTypeChanged)

public:
    static const QString kConnectionsKey;
    static const QString kLockedConnectionsKey;
    static constexpr int kDefaultWakeResumeDelayMs = 3000;
    // How long an edited connection's new engine waits for the uploads of the engine it replaces.
    static constexpr int kDefaultHandOverTimeoutMs = 120000;

    // `services` are handed on to every engine; `network` and `power` may be null (no monitoring then).
    // Without deliveries in `services`, the manager's own decide for files that several connections take.
    // Loads the stored connections and locks, restores the folder bookmarks, starts monitoring the network
    // and sleep, and reads the free disk space. No engine runs until startAll.
    ConnectionsManager(const EngineServices& services, NetworkPathSource* network, PowerMonitor* power,
                       QObject* parent = nullptr);
    ~ConnectionsManager() override;

    QList<PushConnection> connections() const { return m_connections; }
    // Replaces the list and stores it.
    void setConnections(const QList<PushConnection>& connections);
    QSet<QUuid> lockedConnectionIds() const { return m_lockedConnectionIds; }
    int unreadCount() const { return m_unreadCount; }
    void setUnreadCount(int value);
    EngineState aggregateState() const { return m_aggregateState; }
    // Every connection is paused together, for one reason or more.
    bool aggregatePaused() const { return m_pauseReasons.isPaused(); }
    bool aggregateUploading() const { return m_aggregateUploading; }
    bool aggregateStabilityChecking() const { return m_aggregateStabilityChecking; }
    bool hasActiveEngines() const { return m_hasActiveEngines; }
    bool isNetworkAvailable() const { return m_isNetworkAvailable; }
    bool isOnHotspot() const { return m_isOnHotspot; }
    bool isPausedForNetwork() const
    {
        return m_pauseReasons.holds(PauseReasons::Reason::noNetwork) ||
               m_pauseReasons.holds(PauseReasons::Reason::meteredNetwork);
    }
    bool isPreventingSleep() const { return m_isPreventingSleep; }
    double freeDiskSpaceGB() const { return m_freeDiskSpaceGB; }
    QString networkType() const { return m_networkType; }
    bool isPausedForSleep() const { return m_pauseReasons.holds(PauseReasons::Reason::sleep); }
    // Why the uploads are paused: every reason holds until its own cause lifts it.
    const PauseReasons& pauseReasons() const { return m_pauseReasons; }
    quint32 sleepAssertionID() const { return m_sleepAssertionID; }
    QHash<QUuid, QString> activeBookmarks() const { return m_activeBookmarks; }

    // Why the connection's password is not available yet (it waits for the keyring); empty when it is.
    // Such a connection does not start until it is.
    QString passwordProblem(const QUuid& connectionId) const;

    // The running engine of a connection, or null.
    ConnectionEngine* engine(const QUuid& connectionId) const;
    QList<ConnectionEngine*> engines() const;

    void addConnection(const PushConnection& connection);
    // Stores the edit. The running engine takes it as it runs when only its name, simultaneous uploads,
    // stability wait, tags, keyword or bandwidth changed; otherwise the engine is stopped and started again.
    void updateConnection(const PushConnection& connection);
    void deleteConnection(const QUuid& connectionId);
    void toggleLock(const QUuid& connectionId);
    void startAll();
    void stopAll();
    // The user's pause of every connection, and its end; other reasons to pause stay in force.
    void pauseAll();
    void resumeAll();
    // "Upload Now": every running engine rescans its folder at once and offers its failed files again
    // without waiting out their back-off.
    void uploadNow();
    void setFolderBookmark(const QString& folder, const QUuid& connectionId);
    // Holds one connection paused for `reason` (or lets go of it). Its engine runs only while no reason holds
    // it; a resume of all leaves it paused.
    void setHeld(const QUuid& connectionId, PauseReasons::Reason reason, bool held);
    // Stopped engines whose uploads are still under way: their results are still recorded.
    bool hasRunningTransfers() const;

    void updateAggregateState();
    // Runs updateAggregateState() once in a later turn of the event loop, however often it is asked for until
    // then: every engine reports its state, so a recount per report would cost the square of their number.
    void scheduleAggregateUpdate();
    void handlePathUpdate(const NetworkPath& path);
    void evaluateNetworkPause(bool available, bool hotspot);
    void refreshFreeDiskSpace();

    // Durations, shortened by tests.
    void setWakeResumeDelayMs(int ms) { m_wakeResumeTimer.setInterval(ms); }
    void setHandOverTimeoutMs(int ms) { m_handOverTimeoutMs = ms; }
    // Applied to every engine this manager creates from now on (tests shorten the engines' durations).
    void setEngineConfigurator(std::function<void(ConnectionEngine&)> configure)
    {
        m_configureEngine = std::move(configure);
    }

Q_SIGNALS:
    void connectionsChanged();
    void lockedConnectionIdsChanged();
    void unreadCountChanged(int value);
    void aggregateStateChanged(const ondrix::EngineState& state);
    void aggregatePausedChanged(bool value);
    void aggregateUploadingChanged(bool value);
    void aggregateStabilityCheckingChanged(bool value);
    void hasActiveEnginesChanged(bool value);
    void isNetworkAvailableChanged(bool value);
    void isOnHotspotChanged(bool value);
    void isPausedForNetworkChanged(bool value);
    void isPreventingSleepChanged(bool value);
    void freeDiskSpaceGBChanged(double value);
    void networkTypeChanged(const QString& value);
    // An engine was created, replaced or removed.
    void enginesChanged();
    // The last stopped engine with uploads under way has handled their results.
    void transfersFinished();
    // passwordProblem() changed for some connections.
    void passwordProblemsChanged();

private:
    void loadConnections();
    void loadLockedIds();
    // Writes the list to the store, each password as the secrets owner says the store keeps it.
    void saveConnections();
    void handlePasswordAvailable(const QUuid& connectionId, const QString& password);
    void setLockedConnectionIds(const QSet<QUuid>& ids);
    void startEngine(const PushConnection& connection);
    void stopEngine(const QUuid& connectionId);
    // Keeps a stopped engine until its running uploads are handled, then lets it go.
    void retire(std::unique_ptr<ConnectionEngine> engine);
    void observeNetworkSettings();
    void beginPreventingSleep();
    void endPreventingSleep();
    void handleWillSleep();
    void handleDidWake();
    // Applies a change of the pause reasons: engines pause or resume as their reasons come and go.
    void changePause(const std::function<bool(PauseReasons&)>& change);

    template <typename T, typename Signal>
    void assign(T& field, const T& value, Signal signal, bool always = false);

    // Declared before the services that point to it.
    const std::unique_ptr<FolderDeliveries> m_deliveries;
    const EngineServices m_services;
    NetworkPathSource* const m_network;
    PowerMonitor* const m_power;

    QList<PushConnection> m_connections;
    QSet<QUuid> m_lockedConnectionIds;
    int m_unreadCount = 0;
    EngineState m_aggregateState;
    bool m_aggregateUploading = false;
    bool m_aggregateStabilityChecking = false;
    bool m_hasActiveEngines = false;
    bool m_isNetworkAvailable = true;
    bool m_isOnHotspot = false;
    bool m_isPreventingSleep = false;
    double m_freeDiskSpaceGB = 0;
    QString m_networkType = QStringLiteral("Unknown");

    std::map<QUuid, std::unique_ptr<ConnectionEngine>> m_engines;
    // Stopped engines whose uploads are still under way.
    std::vector<std::unique_ptr<ConnectionEngine>> m_retiring;
    int m_handOverTimeoutMs = kDefaultHandOverTimeoutMs;
    QList<QMetaObject::Connection> m_cancellables;
    bool m_aggregateUpdateScheduled = false;
    // startAll() announces its engines once, when all are created.
    bool m_startingAll = false;
    quint32 m_sleepAssertionID = 0;
    QHash<QUuid, QString> m_activeBookmarks;
    PauseReasons m_pauseReasons;
    // Enabled connections that start when their password comes.
    QSet<QUuid> m_awaitingPassword;
    QTimer m_wakeResumeTimer;
    std::function<void(ConnectionEngine&)> m_configureEngine;
};

} // namespace ondrix
