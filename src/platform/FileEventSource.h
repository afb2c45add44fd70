#pragma once

#include <QFlags>
#include <QList>
#include <QObject>
#include <QString>

namespace ondrix {

// One change the operating system reported for one path below the watched folder.
struct FileEvent {
    enum Flag {
        IsFile = 0x001,
        IsDirectory = 0x002,
        Created = 0x004,
        Modified = 0x008,
        // A writer closed the file: the end of a burst of writes.
        WriteClosed = 0x010,
        // The item arrived under this name by a rename (or a move into the tree).
        Renamed = 0x020,
        // The item left this name (deleted, or renamed away).
        Removed = 0x040,
        // Found inside a folder that was created or moved in, rather than reported by the system.
        Discovered = 0x080,
    };
    Q_DECLARE_FLAGS(Flags, Flag)

    QString path;
    Flags flags;

    bool operator==(const FileEvent&) const = default;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(FileEvent::Flags)

// Reports per-path changes anywhere below one folder, folders created or moved in later included.
// Implementations live on the main thread and emit every signal there; events arrive in the order the
// system reported them.
class FileEventSource : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Begins watching `rootPath` recursively. Returns false when the system refuses to watch at all
    // (nothing is watched then); calling it while watching does nothing and returns true.
    virtual bool start(const QString& rootPath) = 0;
    virtual void stop() = 0;
    virtual bool isWatching() const = 0;

Q_SIGNALS:
    void eventsArrived(const QList<ondrix::FileEvent>& events);
    // Changes were lost (the system's queue overflowed): only a scan of the folder finds them now.
    void eventsLost(const QString& message);
    // Part of the tree cannot be watched (a system limit was reached); the watches already in place stay.
    void becameUnreliable(const QString& message);
    // The watched folder itself was deleted or moved away: nothing below its path is watched any more, also
    // when a folder of that name appears again.
    void rootLost();
};

} // namespace ondrix
