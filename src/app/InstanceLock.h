#pragma once

#include <QLockFile>
#include <QString>

namespace ondrix {

// The one-Ondrix-per-store lock: a file beside the store that names its owner's process and is held with an
// flock for as long as the owner lives. Where the process number cannot be written (a full disk), the lock
// is still taken, by the flock alone: such a lock is this process's, not a foreign one. A lock file that no
// living process holds (one left by a crash, empty or not) is taken over.
//
// Main thread; the lock is given up when the object goes.
class InstanceLock {
public:
    explicit InstanceLock(const QString& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock unless another process holds it; does not wait.
    bool tryLock();
    // The process that holds the lock, or 0 when it could not record itself.
    qint64 ownerProcess() const;
    QString fileName() const { return m_lock.fileName(); }

private:
    // Whether any process holds the lock file's flock.
    bool isHeld() const;
    bool lockWithoutContents();

    QLockFile m_lock;
    // The lock file held by flock alone (its contents could not be written); -1 otherwise.
    int m_fd = -1;
};

} // namespace ondrix
