#pragma once

#include "platform/StoreConnection.h"

#include <QString>

#include <memory>

namespace ondrix {

// Opens the preferences database at the start of a run, whatever shape the file is in. A file SQLite calls
// corrupt or not a database is moved aside (renamed with a timestamp), a fresh store is created in its place
// and the problem goes to the system log; such copies are removed kDamagedCopyDays later. Any other failure
// to open (a full disk, a store owned by another user, a read-only folder) leaves the file exactly as it is,
// so the next start finds it again: the store is then opened read-only if it can be read, else it lives in
// memory for this run.
//
// Used once, by the thread that creates the store.
class StoreRecovery {
public:
    // Copies of a damaged store are removed this many days after they were moved aside.
    static constexpr int kDamagedCopyDays = 30;

    // Opens (creating it and its folder when missing) the database at `path`.
    explicit StoreRecovery(const QString& path);

    // The connection it opened (closed only when not even memory could be had).
    std::unique_ptr<StoreConnection> takeConnection() { return std::move(m_connection); }
    // How the connection reached the store; other connections of the run open it the same way.
    StoreConnection::Access access() const { return m_access; }
    // The file a damaged store was moved to; empty when that did not happen.
    QString movedAsidePath() const { return m_movedAsidePath; }
    // Why the file could not be opened for writing, with its path; empty when it was.
    QString openProblem() const { return m_openProblem; }

private:
    static bool isDamaged(int rc);
    void moveAsideAndStartFresh(const QString& path);
    bool openAs(StoreConnection::Access access);

    const QString m_path;
    std::unique_ptr<StoreConnection> m_connection;
    StoreConnection::Access m_access = StoreConnection::Access::memory;
    QString m_movedAsidePath;
    QString m_openProblem;
};

} // namespace ondrix
