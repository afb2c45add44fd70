#pragma once

#include "engine/EngineServices.h"
#include "supervision/StatusSnapshot.h"

#include <QDateTime>
#include <QObject>
#include <QThreadPool>
#include <QUuid>

#include <functional>
#include <memory>

namespace ondrix {

class AppSettings;
class ConnectionActivity;
class ConnectionSecrets;
class ConnectionsManager;
class DiskSpaceGuard;
class ScheduleSupervisor;
class FinderTagService;
class HistoryService;
class LogService;
class NetworkPathSource;
class NotificationCenter;
class NotificationService;
class PowerMonitor;
class PreferencesStore;
class SecretStore;
class SoundPlayer;
class StatsService;

// The composition root: builds the long-lived services in their fixed order (the store and the settings
// first, then the log, counters, history and the connections manager) with the Linux adapters, owns them
// for the life of the process, and starts and stops the engines. The headless runner and the tray shell
// both stand on it.
//
// Lives on the main thread.
class Application : public QObject {
    Q_OBJECT

public:
    // Called once the preferences store is open and before any service is built, so the texts they log
    // while starting (a store that cannot be saved, an unreadable connection list) are in the interface
    // language that `storeOpened` installs.
    using StoreOpened = std::function<void(const PreferencesStore&)>;
    // `desktopSession`: a keyring that is not running yet may still come (it starts with the login);
    // otherwise passwords stay in the store when there is none at start.
    explicit Application(const StoreOpened& storeOpened = {}, bool desktopSession = false,
                         QObject* parent = nullptr);
    ~Application() override;

    // Starts every enabled connection and asks for notification permission when notifications are on.
    void start();
    // Stops every engine; transfers already under way go on. `transfersFinished` follows once none runs.
    void stop();
    bool hasRunningTransfers() const;

    PreferencesStore& store() const { return *m_store; }
    AppSettings& settings() const { return *m_settings; }
    LogService& log() const { return *m_log; }
    StatsService& stats() const { return *m_stats; }
    HistoryService& history() const { return *m_history; }
    NotificationService& notifications() const { return *m_notifications; }
    NotificationCenter& notificationCenter() const { return *m_notificationCenter; }
    ConnectionsManager& manager() const { return *m_manager; }
    SoundPlayer& sounds() const { return *m_sounds; }
    QThreadPool& transferPool() { return m_transferPool; }
    ConnectionActivity& activity() const { return *m_activity; }
    // The state of every connection now: what the status report and the metrics show.
    StatusSnapshot statusSnapshot() const;

Q_SIGNALS:
    void transfersFinished();

private:
    void sizeTransferPool();

    const QDateTime m_startedAt = QDateTime::currentDateTimeUtc();
    QThreadPool m_transferPool;
    std::unique_ptr<PreferencesStore> m_store;
    std::unique_ptr<NotificationCenter> m_notificationCenter;
    std::unique_ptr<NotificationService> m_notifications;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<LogService> m_log;
    std::unique_ptr<StatsService> m_stats;
    std::unique_ptr<ConnectionActivity> m_activity;
    std::unique_ptr<HistoryService> m_history;
    std::unique_ptr<SoundPlayer> m_sounds;
    std::unique_ptr<FinderTagService> m_tags;
    std::unique_ptr<NetworkPathSource> m_network;
    std::unique_ptr<PowerMonitor> m_power;
    std::unique_ptr<SecretStore> m_keyring;
    std::unique_ptr<ConnectionSecrets> m_secrets;
    std::unique_ptr<ConnectionsManager> m_manager;
    // Hold connections paused outside their schedule and while their disk is nearly full.
    std::unique_ptr<ScheduleSupervisor> m_schedule;
    std::unique_ptr<DiskSpaceGuard> m_diskSpace;
};

} // namespace ondrix
