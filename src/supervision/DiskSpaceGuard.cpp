#include "supervision/DiskSpaceGuard.h"

#include "model/AppSettings.h"
#include "model/PushConnection.h"
#include "platform/DiskSpace.h"
#include "records/LogService.h"
#include "records/NotificationService.h"
#include "supervision/ConnectionsManager.h"

#include <QDir>
#include <QLocale>
#include <QStorageInfo>

namespace ondrix {

namespace {

constexpr double kBytesPerGB = 1073741824.0;

QString volumeOf(const QString& path)
{
    const QStorageInfo info(path);
    return info.isValid() ? info.rootPath() : QString();
}

QString gigabytes(qint64 bytes)
{
    return QLocale().toString(double(bytes) / kBytesPerGB, 'f', 1);
}

} // namespace

DiskSpaceGuard::DiskSpaceGuard(ConnectionsManager& manager, const EngineServices& services,
                               FreeSpace freeSpace, QObject* parent)
    : QObject(parent)
    , m_manager(manager)
    , m_services(services)
    , m_freeSpace(freeSpace ? std::move(freeSpace) : FreeSpace(&freeDiskSpaceBytes))
{
    m_timer.setInterval(kDefaultCheckIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &DiskSpaceGuard::check);
    m_timer.start();
    // A batch of uploads has ended when the manager stops uploading. The manager repeats its value with
    // every change of its engines, so only a stop asks for a check, and one check waits at a time.
    connect(&manager, &ConnectionsManager::aggregateUploadingChanged, this, [this](bool uploading) {
        if (!uploading) {
            m_checkSoon.request();
        }
    });
    connect(&manager, &ConnectionsManager::connectionsChanged, this, &DiskSpaceGuard::check,
            Qt::QueuedConnection);
    if (AppSettings* settings = services.settings) {
        connect(settings, &AppSettings::diskSpaceWarningEnabledChanged, this, &DiskSpaceGuard::check,
                Qt::QueuedConnection);
        connect(settings, &AppSettings::diskSpaceThresholdGBChanged, this, &DiskSpaceGuard::check,
                Qt::QueuedConnection);
    }
    check();
}

bool DiskSpaceGuard::freesSpace(const PushConnection& connection, const QString& volume) const
{
    if (connection.deleteLocalAfterUpload) {
        return true;
    }
    // A move to an archive on another volume makes room here; one on the same volume does not.
    return connection.postUploadAction.kind() == PostUploadAction::Kind::moveToArchive &&
           volumeOf(connection.postUploadAction.path()) != volume;
}

void DiskSpaceGuard::check()
{
    m_manager.refreshFreeDiskSpace();
    const AppSettings* settings = m_services.settings;
    const bool enabled = settings && settings->diskSpaceWarningEnabled();
    const qint64 threshold =
        enabled ? qint64(std::max(0, settings->diskSpaceThresholdGB())) * qint64(kBytesPerGB) : 0;

    // Each volume once: the home folder's and those of the watched folders.
    QHash<QString, QString> pathOfVolume;
    QHash<QUuid, QString> volumeOfConnection;
    if (enabled) {
        const QString home = QDir::homePath();
        pathOfVolume.insert(volumeOf(home), home);
        for (const PushConnection& connection : m_manager.connections()) {
            if (!connection.isEnabled || connection.localFolder.isEmpty()) {
                continue;
            }
            const QString volume = volumeOf(connection.localFolder);
            if (volume.isEmpty()) {
                continue;
            }
            pathOfVolume.insert(volume, connection.localFolder);
            volumeOfConnection.insert(connection.id, volume);
        }
    }
    QSet<QString> low;
    QHash<QString, qint64> freeOfVolume;
    for (auto it = pathOfVolume.cbegin(); it != pathOfVolume.cend(); ++it) {
        const std::optional<qint64> free = m_freeSpace(it.value());
        if (!free) {
            // Unreadable now: it keeps the state it had.
            if (m_lowVolumes.contains(it.key())) {
                low.insert(it.key());
            }
            continue;
        }
        freeOfVolume.insert(it.key(), *free);
        const bool wasLow = m_lowVolumes.contains(it.key());
        if (wasLow ? *free < threshold + kResumeMarginBytes : *free < threshold) {
            low.insert(it.key());
        }
    }

    QSet<QUuid> held;
    QHash<QString, QStringList> pausedNames;
    for (const PushConnection& connection : m_manager.connections()) {
        const QString volume = volumeOfConnection.value(connection.id);
        if (!volume.isEmpty() && low.contains(volume) && !freesSpace(connection, volume)) {
            held.insert(connection.id);
            pausedNames[volume].append(connection.name);
        }
    }
    for (const QString& volume : std::as_const(low)) {
        if (!m_lowVolumes.contains(volume)) {
            announce(volume, freeOfVolume.value(volume), true, pausedNames.value(volume));
        }
    }
    for (const QString& volume : std::as_const(m_lowVolumes)) {
        if (!low.contains(volume) && freeOfVolume.contains(volume)) {
            announce(volume, freeOfVolume.value(volume), false, {});
        }
    }
    for (const QUuid& id : held) {
        m_manager.setHeld(id, PauseReasons::Reason::lowDiskSpace, true);
    }
    for (const QUuid& id : std::as_const(m_held)) {
        if (!held.contains(id)) {
            m_manager.setHeld(id, PauseReasons::Reason::lowDiskSpace, false);
        }
    }
    m_held = held;
    m_lowVolumes = low;
}

void DiskSpaceGuard::announce(const QString& volume, qint64 freeBytes, bool low, const QStringList& paused)
{
    QString text;
    if (low) {
        text = tr("Low disk space: %1 GB free on %2, below the %3 GB minimum.")
                   .arg(gigabytes(freeBytes), volume)
                   .arg(m_services.settings->diskSpaceThresholdGB());
        if (!paused.isEmpty()) {
            text += QLatin1Char(' ') +
                    tr("Paused until there is room again (their uploads do not free space): %1")
                        .arg(paused.join(QLatin1String(", ")));
        }
    } else {
        text = tr("Disk space is back: %1 GB free on %2; connections paused for it resume.")
                   .arg(gigabytes(freeBytes), volume);
    }
    if (m_services.log) {
        m_services.log->log(text, low ? LogEntry::LogLevel::warning : LogEntry::LogLevel::info);
    }
    if (m_services.notifications && m_services.settings) {
        m_services.notifications->notifyStatus(QStringLiteral("disk-") + volume,
                                               low ? tr("Ondrix: Low disk space")
                                                   : tr("Ondrix: Disk space is back"),
                                               text, *m_services.settings);
    }
}

} // namespace ondrix
