#pragma once

#include <QString>

namespace ondrix {

class WatchedTree;

// A read lease on an open file. The kernel grants it only while no process has the file open for writing,
// and breaks it when one opens the file for writing or truncates it; that opener then waits until the lease
// is given up, so nothing can be written into the file between the last look at it and what follows. The
// break is announced by a signal (SIGIO unless told otherwise, which would end the process): it is asked for
// as SIGURG, whose default is to be ignored. Leases are not available everywhere (a file of another user, a
// network file system, leases switched off); callers then rely on their other checks.
//
// Any thread; the descriptor must stay open while the lease lives.
class ReadLease {
public:
    enum class State { held, openForWriting, unavailable };

    explicit ReadLease(int fd);
    ~ReadLease();
    ReadLease(const ReadLease&) = delete;
    ReadLease& operator=(const ReadLease&) = delete;

    State state() const { return m_state; }
    int error() const { return m_error; }
    // False once someone has asked to write: the lease is then being broken.
    bool isIntact() const;

    // Whether some process (this one included) holds the regular file at `path` open for writing right
    // now: a writer that pauses between pieces, which no wait for the size to settle can tell from one
    // that is done. False when it cannot be told (no lease there, or no such file). Reached through `tree`
    // when given.
    static bool isOpenForWriting(const QString& path, const WatchedTree* tree = nullptr);

private:
    int m_fd;
    State m_state = State::unavailable;
    int m_error = 0;
};

} // namespace ondrix
