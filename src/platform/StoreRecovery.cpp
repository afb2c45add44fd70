#include "platform/StoreRecovery.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimeZone>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

Q_DECLARE_LOGGING_CATEGORY(lcPreferences)

namespace ondrix {

namespace {

// A store that cannot be opened for a reason other than damage is tried this often, this far apart, before
// the run goes on without it.
constexpr int kOpenAttempts = 3;
constexpr int kOpenRetryDelayMs = 100;

const QString kMovedAsideStamp = QStringLiteral("yyyyMMdd'T'HHmmss'Z'");

QString movedAsideName(const QString& path)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(kMovedAsideStamp);
    QString candidate = path + QStringLiteral(".corrupt-") + stamp;
    for (int n = 1; QFileInfo::exists(candidate); ++n) {
        candidate = path + QStringLiteral(".corrupt-") + stamp + QLatin1Char('-') + QString::number(n);
    }
    return candidate;
}

// Copies of a damaged store (and their -wal and -shm files) whose name says they were moved aside more than
// kDamagedCopyDays ago: they may hold old passwords, and nobody is going to look at them any more.
void removeOldDamagedCopies(const QString& path)
{
    const QFileInfo store(path);
    const QString prefix = store.fileName() + QStringLiteral(".corrupt-");
    const QDateTime oldest = QDateTime::currentDateTimeUtc().addDays(-StoreRecovery::kDamagedCopyDays);
    const QStringList copies = store.dir().entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    for (const QString& name : copies) {
        QDateTime movedAt = QDateTime::fromString(name.mid(prefix.size(), 16), kMovedAsideStamp);
        movedAt.setTimeZone(QTimeZone::utc());
        if (movedAt.isValid() && movedAt < oldest) {
            QFile::remove(store.dir().filePath(name));
        }
    }
}

// Creates the file with owner-only permissions before SQLite does, so passwords are never readable by others,
// not even for a moment. SQLite gives the -wal and -shm files the same mode.
void createPrivately(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::fchmod(fd, 0600);
        ::close(fd);
    }
}

QString problemText(int rc, const QString& path)
{
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(sqlite3_errstr(rc)), path);
}

} // namespace

StoreRecovery::StoreRecovery(const QString& path)
    : m_path(path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    removeOldDamagedCopies(path);
    createPrivately(path);

    using Access = StoreConnection::Access;
    m_connection = std::make_unique<StoreConnection>(path);
    int rc = m_connection->open(path, Access::readWrite, true);
    for (int attempt = 1; attempt < kOpenAttempts && !isDamaged(rc) && rc != SQLITE_OK; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kOpenRetryDelayMs));
        rc = m_connection->open(path, Access::readWrite, true);
    }
    if (rc == SQLITE_OK) {
        m_access = Access::readWrite;
        return;
    }
    if (isDamaged(rc)) {
        moveAsideAndStartFresh(path);
        if (m_access == Access::readWrite) {
            return;
        }
    } else {
        // A full disk, a store owned by another user, a folder that went read-only, a lock held too long: the
        // file is healthy, or at least not known to be damaged, so it stays exactly where it is and the next
        // start tries it again. Reading it still works in some of these cases, and then the connections are
        // there for this run; changes are not saved and each failed write is reported.
        m_openProblem = problemText(rc, path);
        if (openAs(Access::readOnly) || openAs(Access::snapshot)) {
            qCWarning(
                lcPreferences,
                "[PreferencesStore] cannot open %s for writing (%s); it was left as it is and is read only "
                "for this run, so changes are not saved",
                qUtf8Printable(path), sqlite3_errstr(rc));
            return;
        }
    }
    qCWarning(
        lcPreferences,
        "[PreferencesStore] cannot open %s (%s); it was left as it is and preferences are kept in memory "
        "for this run",
        qUtf8Printable(path), sqlite3_errstr(rc));
    if (m_openProblem.isEmpty()) {
        m_openProblem = problemText(rc, path);
    }
    openAs(Access::memory);
}

bool StoreRecovery::openAs(StoreConnection::Access access)
{
    if (m_connection->open(m_path, access, access != StoreConnection::Access::memory) != SQLITE_OK) {
        return false;
    }
    m_access = access;
    return true;
}

bool StoreRecovery::isDamaged(int rc)
{
    const int primary = rc & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

void StoreRecovery::moveAsideAndStartFresh(const QString& path)
{
    const QString aside = movedAsideName(path);
    if (!QFile::rename(path, aside)) {
        m_openProblem =
            QCoreApplication::translate("PreferencesStore", "%1 is damaged and could not be moved aside")
                .arg(path);
        return;
    }
    m_movedAsidePath = aside;
    for (const char* suffix : {"-wal", "-shm"}) {
        const QString companion = path + QLatin1String(suffix);
        if (QFileInfo::exists(companion) && !QFile::rename(companion, aside + QLatin1String(suffix))) {
            QFile::remove(companion);
        }
    }
    qCWarning(
        lcPreferences,
        "[PreferencesStore] %s is not a valid preferences database; kept it as %s and started with fresh "
        "preferences",
        qUtf8Printable(path), qUtf8Printable(aside));
    createPrivately(path);
    openAs(StoreConnection::Access::readWrite);
}

} // namespace ondrix
