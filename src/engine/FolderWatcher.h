#pragma once

#include "platform/FileEventSource.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

namespace ondrix {

class MonotonicClock;

// Watches one folder tree and reports each regular file that was created, modified or renamed into place.
// Directories, removals, attribute-only changes, files that no longer exist and ignored names (hidden,
// temporary) never reach the owner. Events for one path are coalesced: the first after a quiet period is
// delivered at once, later ones within the coalescing latency are merged into one delivery at its end, and
// the writes that finish the burst a delivery announced are not announced again.
//
// Lives on the main thread; onFileEvent is called there, in the order the system reported the changes.
class FolderWatcher : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isWatching READ isWatching NOTIFY isWatchingChanged)
    Q_PROPERTY(bool isReliable READ isReliable NOTIFY isReliableChanged)

public:
    enum class FSEventKind { Created, Modified, Renamed };
    Q_ENUM(FSEventKind)
    using FileEventHandler = std::function<void(const QString& filePath, FSEventKind kind)>;

    static constexpr double kDefaultLatencySeconds = 0.5;

    // The watcher owns `source`; it is told to watch `folder` on start.
    FolderWatcher(const QString& folder, std::unique_ptr<FileEventSource> source, QObject* parent = nullptr);
    ~FolderWatcher() override;

    // The ignored-name rules shared by the watcher and the engine's folder scan: for files, and for the
    // folders whose whole contents are passed over.
    static bool isIgnoredFileName(const QString& fileName);
    static bool isIgnoredFolderName(QStringView folderName);
    // Whether a file at `relativePath` below the watched folder is passed over: an ignored name, or inside
    // an ignored folder at any depth.
    static bool isIgnoredPath(QStringView relativePath);

    // Begins watching; does nothing while watching. When the system refuses, the watcher stays silent.
    void start();
    void stop();

    QString watchedFolder() const { return m_watchedFolder; }
    bool isWatching() const { return m_isWatching; }
    // False once part of the tree could not be watched (system limit); the owner's scan covers the rest.
    bool isReliable() const { return m_isReliable; }
    void setOnFileEvent(FileEventHandler handler) { m_onFileEvent = std::move(handler); }

    // Seconds over which the events of one path are coalesced.
    double latency() const { return double(m_latencyMs) / 1000.0; }
    void setLatency(double seconds);
    // Coalescing windows are measured on `clock` (not owned) instead of the system's.
    void setClock(MonotonicClock* clock);

Q_SIGNALS:
    void isWatchingChanged(bool isWatching);
    void isReliableChanged(bool isReliable);
    // Changes were missed (the system's event queue overflowed); the message tells a person what to do.
    void eventsLost(const QString& message);
    // A system limit stopped part of the tree from being watched; the message says how to raise it.
    void becameUnreliable(const QString& message);
    // The watched folder was deleted or moved away; the watcher reports nothing more.
    void folderLost();

private:
    struct PathState {
        FileEvent::Flags pending;
        // The window was opened by the first event after a quiet period, delivered at once.
        bool openedByLeading = true;
        // A writer has written since the last close: the burst is still going on.
        bool writeOpen = false;
        // A writer closed the file since the last delivery: any later write starts a burst of its own.
        bool closedSinceDelivery = false;
        bool newBurst = false;
        quint64 window = 0;
    };
    struct Window {
        qint64 deadlineMs;
        QString path;
        quint64 window;
    };

    void handleEvents(const QList<FileEvent>& events);
    void handleEvent(const FileEvent& event);
    void openWindow(const QString& path, PathState& state);
    void closeDueWindows();
    void armTimer();
    void deliver(const QString& path, FileEvent::Flags flags);
    void setWatching(bool watching);
    void setReliable(bool reliable);

    const QString m_watchedFolder;
    FileEventSource* const m_source;
    FileEventHandler m_onFileEvent;
    bool m_isWatching = false;
    bool m_isReliable = true;
    int m_latencyMs = int(kDefaultLatencySeconds * 1000);
    QHash<QString, PathState> m_paths;
    // Open windows in deadline order (all have the same length, so arrival order is deadline order).
    std::deque<Window> m_windows;
    quint64 m_nextWindow = 1;
    MonotonicClock* m_clock = nullptr;
    QTimer m_timer;
};

} // namespace ondrix
