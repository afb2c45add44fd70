#pragma once

#include "engine/EngineServices.h"
#include "model/NextTurn.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QUuid>

#include <functional>
#include <optional>

namespace ondrix {

class ConnectionsManager;
struct PushConnection;

// Watches the free space of the volume that holds the home folder and of each watched folder's volume while
// the low-space warning is on. Below the threshold a volume is announced once (log and notification) and
// the connections watching a folder on it that keep their local files are held paused: their uploads free
// nothing, and keyword injection and the stored state need room. Connections that delete their files after
// upload go on, since they make room. Once the volume has the threshold plus a margin free again, the held
// connections resume and the user is told. Looks every minute, after each batch of uploads and whenever the
// settings or connections change; it also keeps the manager's free-space figure current.
//
// Lives on the main thread.
class DiskSpaceGuard : public QObject {
    Q_OBJECT

public:
    // Free bytes on the volume holding a path; none when it cannot be read.
    using FreeSpace = std::function<std::optional<qint64>(const QString& path)>;

    static constexpr int kDefaultCheckIntervalMs = 60000;
    // How far above the threshold the free space must climb before paused connections resume, so that a
    // volume hovering at the threshold does not pause and resume them over and over.
    static constexpr qint64 kResumeMarginBytes = 64LL * 1024 * 1024;

    // Looks once at once. `freeSpace` defaults to the platform's reading.
    DiskSpaceGuard(ConnectionsManager& manager, const EngineServices& services, FreeSpace freeSpace = {},
                   QObject* parent = nullptr);

    void check();
    void setCheckIntervalMs(int ms) { m_timer.setInterval(ms); }
    // Volumes (mount points) now below the threshold.
    QSet<QString> lowVolumes() const { return m_lowVolumes; }

private:
    // One check soon for any number of requests in the same turn (a start of many engines sends many).
    void requestCheck();
    // Whether the connection's uploads make room on its folder's volume.
    bool freesSpace(const PushConnection& connection, const QString& volume) const;
    void announce(const QString& volume, qint64 freeBytes, bool low, const QStringList& paused);

    ConnectionsManager& m_manager;
    const EngineServices m_services;
    FreeSpace m_freeSpace;
    QTimer m_timer;
    QSet<QString> m_lowVolumes;
    QSet<QUuid> m_held;
    // A check after the end of uploads is on its way.
    NextTurn m_checkSoon{this, [this] { check(); }};
};

} // namespace ondrix
