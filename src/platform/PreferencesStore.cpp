#include "platform/PreferencesStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QTimeZone>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

Q_LOGGING_CATEGORY(lcPreferences, "ondrix.preferences")

namespace ondrix {

namespace {

// The schema is documented in README.md; scripts may write to it, so keep both in step.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS preferences (
    key   TEXT PRIMARY KEY NOT NULL,
    type  TEXT NOT NULL CHECK (type IN ('bool', 'integer', 'double', 'string', 'data', 'stringList',
                                        'realDictionary')),
    value
);
CREATE TABLE IF NOT EXISTS dictionary_entries (
    key   TEXT NOT NULL,
    entry TEXT NOT NULL,
    value REAL NOT NULL,
    PRIMARY KEY (key, entry)
) WITHOUT ROWID;
CREATE TRIGGER IF NOT EXISTS dictionary_entry_parent BEFORE INSERT ON dictionary_entries
BEGIN
    INSERT INTO preferences (key, type, value) VALUES (NEW.key, 'realDictionary', NULL)
        ON CONFLICT (key) DO UPDATE SET type = 'realDictionary', value = NULL WHERE type <> 'realDictionary';
END;
CREATE TRIGGER IF NOT EXISTS preference_retyped AFTER UPDATE OF type ON preferences
    WHEN NEW.type <> 'realDictionary'
BEGIN
    DELETE FROM dictionary_entries WHERE key = NEW.key;
END;
CREATE TRIGGER IF NOT EXISTS preference_removed AFTER DELETE ON preferences
BEGIN
    DELETE FROM dictionary_entries WHERE key = OLD.key;
END;
PRAGMA user_version = 1;
)sql";

constexpr const char* kStatements[] = {
    "SELECT type, value FROM preferences WHERE key = ?1",
    "SELECT 1 FROM preferences WHERE key = ?1",
    "INSERT INTO preferences (key, type, value) VALUES (?1, ?2, ?3) "
    "ON CONFLICT (key) DO UPDATE SET type = excluded.type, value = excluded.value",
    "DELETE FROM preferences WHERE key = ?1",
    "SELECT entry, value FROM dictionary_entries WHERE key = ?1",
    "DELETE FROM dictionary_entries WHERE key = ?1",
    "INSERT INTO dictionary_entries (key, entry, value) VALUES (?1, ?2, ?3) "
    "ON CONFLICT (key, entry) DO UPDATE SET value = excluded.value",
    "DELETE FROM dictionary_entries WHERE key = ?1 AND entry = ?2",
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
};

constexpr int kBusyTimeoutMs = 5000;
constexpr int kSchemaVersion = 1;
// A store that cannot be opened for a reason other than damage is tried this often, this far apart, before
// the run goes on without it.
constexpr int kOpenAttempts = 3;
constexpr int kOpenRetryDelayMs = 100;

enum ValueKind { NullValue, IntegerValue, RealValue, TextValue, BlobValue };

void bindText(sqlite3_stmt* stmt, int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

QString columnText(sqlite3_stmt* stmt, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt, column));
}

// Resets the statement when the scope ends so the next use starts clean and no read lock is kept.
struct StatementScope {
    sqlite3_stmt* stmt;
    ~StatementScope()
    {
        if (stmt) {
            sqlite3_reset(stmt);
            sqlite3_clear_bindings(stmt);
        }
    }
};

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
    const QDateTime oldest = QDateTime::currentDateTimeUtc().addDays(-PreferencesStore::kDamagedCopyDays);
    const QStringList copies = store.dir().entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    for (const QString& name : copies) {
        QDateTime movedAt = QDateTime::fromString(name.mid(prefix.size(), 16), kMovedAsideStamp);
        movedAt.setTimeZone(QTimeZone::utc());
        if (movedAt.isValid() && movedAt < oldest) {
            QFile::remove(store.dir().filePath(name));
        }
    }
}

} // namespace

PreferencesStore::PreferencesStore(const QString& path)
    : m_path(path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    removeOldDamagedCopies(path);
    // Create the file with owner-only permissions before SQLite does, so passwords are never readable by
    // others, not even for a moment. SQLite gives the -wal and -shm files the same mode.
    const QByteArray nativePath = QFile::encodeName(path);
    const int fd = ::open(nativePath.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::fchmod(fd, 0600);
        ::close(fd);
    }

    int rc = openAt(path, Access::readWrite);
    for (int attempt = 1; attempt < kOpenAttempts && !isDamaged(rc) && rc != SQLITE_OK; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kOpenRetryDelayMs));
        rc = openAt(path, Access::readWrite);
    }
    if (rc == SQLITE_OK) {
        m_persistent = true;
        return;
    }
    if (isDamaged(rc)) {
        moveAsideAndStartFresh(path);
        if (m_persistent) {
            return;
        }
    } else {
        // A full disk, a store owned by another user, a folder that went read-only, a lock held too long: the
        // file is healthy, or at least not known to be damaged, so it stays exactly where it is and the next
        // start tries it again. Reading it still works in some of these cases, and then the connections are
        // there for this run; changes are not saved and each failed write is reported.
        m_openProblem = QStringLiteral("%1 (%2)").arg(QString::fromUtf8(sqlite3_errstr(rc)), path);
        if (openAt(path, Access::readOnly) == SQLITE_OK || openAt(path, Access::snapshot) == SQLITE_OK) {
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
        m_openProblem = QStringLiteral("%1 (%2)").arg(QString::fromUtf8(sqlite3_errstr(rc)), path);
    }
    openInMemory();
}

bool PreferencesStore::isDamaged(int rc)
{
    const int primary = rc & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

void PreferencesStore::moveAsideAndStartFresh(const QString& path)
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
    const int freshFd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (freshFd >= 0) {
        ::close(freshFd);
    }
    m_persistent = openAt(path, Access::readWrite) == SQLITE_OK;
}

PreferencesStore::~PreferencesStore()
{
    closeDatabase();
}

int PreferencesStore::openAt(const QString& file, Access access)
{
    QByteArray nativePath = QFile::encodeName(file);
    int flags =
        access == Access::readWrite ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    if (access == Access::snapshot) {
        nativePath = "file:" + nativePath.toPercentEncoding("/") + "?immutable=1";
        flags |= SQLITE_OPEN_URI;
    }
    if (sqlite3_open_v2(nativePath.constData(), &m_db, flags, nullptr) != SQLITE_OK) {
        return fail("open");
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    if (access == Access::readWrite) {
        // WAL keeps readers and the writer of another instance out of each other's way and survives a crash
        // at any point; synchronous=NORMAL is durable against process crashes, which is what we need.
        // The records are read into memory once at start; SQLite's own page cache (2 MiB by default) would
        // keep a second copy of them resident for the life of the process. The file system caches the
        // pages anyway, so a small cache costs a read system call where it misses, not a disk access.
        // secure_delete: a value written over or removed (a password blanked once the keyring holds it)
        // is zeroed, not left in a free page.
        const char* setup =
            "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA cache_size = -256; "
            "PRAGMA secure_delete = ON;";
        if (sqlite3_exec(m_db, setup, nullptr, nullptr, nullptr) != SQLITE_OK) {
            return fail("set up");
        }
        // The schema is written only into a store that lacks it: opening a complete store writes nothing,
        // so it opens on a full disk too.
        sqlite3_stmt* version = nullptr;
        int schemaVersion = 0;
        if (sqlite3_prepare_v2(m_db, "PRAGMA user_version", -1, &version, nullptr) == SQLITE_OK &&
            sqlite3_step(version) == SQLITE_ROW) {
            schemaVersion = sqlite3_column_int(version, 0);
        }
        sqlite3_finalize(version);
        if (schemaVersion != kSchemaVersion &&
            sqlite3_exec(m_db, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
            return fail("set up");
        }
    }
    // Only a check that ran and found problems means damage; a check that could not run (an I/O error, a
    // log it cannot read) says nothing about the file.
    sqlite3_stmt* check = nullptr;
    if (sqlite3_prepare_v2(m_db, "PRAGMA quick_check", -1, &check, nullptr) != SQLITE_OK) {
        return fail("check");
    }
    const int checked = sqlite3_step(check);
    const bool healthy = checked == SQLITE_ROW && columnText(check, 0) == QLatin1String("ok");
    sqlite3_finalize(check);
    if (checked != SQLITE_ROW) {
        return fail("check");
    }
    if (!healthy) {
        qCWarning(lcPreferences, "[PreferencesStore] integrity check of %s failed", qUtf8Printable(file));
        closeDatabase();
        return SQLITE_CORRUPT;
    }
    if (!prepareStatements()) {
        return fail("prepare");
    }
    return SQLITE_OK;
}

int PreferencesStore::fail(const char* what)
{
    const int rc = m_db ? sqlite3_extended_errcode(m_db) : SQLITE_CANTOPEN;
    reportError(what);
    closeDatabase();
    return rc == SQLITE_OK ? SQLITE_ERROR : rc;
}

void PreferencesStore::openInMemory()
{
    if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
            SQLITE_OK ||
        sqlite3_exec(m_db, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK || !prepareStatements()) {
        reportError("open in memory");
        closeDatabase();
    }
}

bool PreferencesStore::prepareStatements()
{
    static_assert(std::size(kStatements) == static_cast<std::size_t>(Statement::Count));
    for (int i = 0; i < static_cast<int>(Statement::Count); ++i) {
        if (sqlite3_prepare_v3(m_db, kStatements[i], -1, SQLITE_PREPARE_PERSISTENT, &m_statements[i],
                               nullptr) != SQLITE_OK) {
            return false;
        }
    }
    return true;
}

void PreferencesStore::closeDatabase()
{
    for (auto& stmt : m_statements) {
        sqlite3_finalize(stmt);
        stmt = nullptr;
    }
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

sqlite3_stmt* PreferencesStore::statement(Statement which) const
{
    return m_statements[static_cast<int>(which)];
}

bool PreferencesStore::step(sqlite3_stmt* stmt, const char* what) const
{
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE || rc == SQLITE_ROW) {
        return true;
    }
    reportError(what);
    return false;
}

void PreferencesStore::reportError(const char* what) const
{
    qCWarning(lcPreferences, "[PreferencesStore] %s failed for %s: %s", what, qUtf8Printable(m_path),
              m_db ? sqlite3_errmsg(m_db) : "no database");
}

std::optional<PreferenceValue> PreferencesStore::readRaw(const QString& key) const
{
    std::lock_guard lock(m_mutex);
    sqlite3_stmt* stmt = statement(Statement::Read);
    if (!stmt) {
        return std::nullopt;
    }
    StatementScope scope{stmt};
    bindText(stmt, 1, key);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW) {
        if (rc != SQLITE_DONE) {
            reportError("read");
        }
        return std::nullopt;
    }
    PreferenceValue raw;
    raw.type = columnText(stmt, 0);
    switch (sqlite3_column_type(stmt, 1)) {
    case SQLITE_INTEGER:
        raw.storage = PreferenceValue::Storage::integer;
        raw.integer = sqlite3_column_int64(stmt, 1);
        break;
    case SQLITE_FLOAT:
        raw.storage = PreferenceValue::Storage::real;
        raw.real = sqlite3_column_double(stmt, 1);
        break;
    case SQLITE_TEXT:
        raw.storage = PreferenceValue::Storage::text;
        raw.bytes = QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)),
                               sqlite3_column_bytes(stmt, 1));
        break;
    case SQLITE_BLOB:
        raw.storage = PreferenceValue::Storage::blob;
        raw.bytes =
            QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, 1)), sqlite3_column_bytes(stmt, 1));
        break;
    default:
        raw.storage = PreferenceValue::Storage::null;
        break;
    }
    return raw;
}

bool PreferencesStore::contains(const QString& key) const
{
    std::lock_guard lock(m_mutex);
    sqlite3_stmt* stmt = statement(Statement::Contains);
    if (!stmt) {
        return false;
    }
    StatementScope scope{stmt};
    bindText(stmt, 1, key);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        reportError("read");
    }
    return rc == SQLITE_ROW;
}

bool PreferencesStore::boolValue(const QString& key) const
{
    const auto value = readRaw(key);
    return value && value->toBool();
}

qint64 PreferencesStore::integerValue(const QString& key) const
{
    const auto value = readRaw(key);
    return value ? value->toInteger() : 0;
}

double PreferencesStore::doubleValue(const QString& key) const
{
    const auto value = readRaw(key);
    return value ? value->toDouble() : 0.0;
}

QString PreferencesStore::stringValue(const QString& key) const
{
    const auto value = readRaw(key);
    return value ? value->toString() : QString();
}

QByteArray PreferencesStore::dataValue(const QString& key) const
{
    const auto value = readRaw(key);
    return value ? value->toData() : QByteArray();
}

QStringList PreferencesStore::stringListValue(const QString& key) const
{
    const auto value = readRaw(key);
    return value ? value->toStringList() : QStringList();
}

std::optional<PreferencesStore::RealDictionary>
PreferencesStore::realDictionaryValue(const QString& key) const
{
    std::lock_guard lock(m_mutex);
    const auto raw = readRaw(key);
    if (!raw || raw->type != QLatin1String("realDictionary")) {
        return std::nullopt;
    }
    sqlite3_stmt* stmt = statement(Statement::ReadEntries);
    StatementScope scope{stmt};
    bindText(stmt, 1, key);
    RealDictionary dictionary;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        dictionary.insert(columnText(stmt, 0), sqlite3_column_double(stmt, 1));
    }
    if (rc != SQLITE_DONE) {
        reportError("read");
    }
    return dictionary;
}

void PreferencesStore::writeRaw(const QString& key, const char* type, int valueKind, const QByteArray& bytes,
                                qint64 integer, double real)
{
    std::lock_guard lock(m_mutex);
    sqlite3_stmt* stmt = statement(Statement::Upsert);
    if (!stmt) {
        return;
    }
    StatementScope scope{stmt};
    bindText(stmt, 1, key);
    sqlite3_bind_text(stmt, 2, type, -1, SQLITE_STATIC);
    switch (valueKind) {
    case IntegerValue:
        sqlite3_bind_int64(stmt, 3, integer);
        break;
    case RealValue:
        sqlite3_bind_double(stmt, 3, real);
        break;
    case TextValue:
        sqlite3_bind_text(stmt, 3, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    case BlobValue:
        sqlite3_bind_blob(stmt, 3, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    default:
        sqlite3_bind_null(stmt, 3);
        break;
    }
    step(stmt, "write");
}

void PreferencesStore::setBool(const QString& key, bool value)
{
    writeRaw(key, "bool", IntegerValue, {}, value ? 1 : 0, 0);
}

void PreferencesStore::setInteger(const QString& key, qint64 value)
{
    writeRaw(key, "integer", IntegerValue, {}, value, 0);
}

void PreferencesStore::setDouble(const QString& key, double value)
{
    writeRaw(key, "double", RealValue, {}, 0, value);
}

void PreferencesStore::setString(const QString& key, const QString& value)
{
    writeRaw(key, "string", TextValue, value.toUtf8(), 0, 0);
}

void PreferencesStore::setData(const QString& key, const QByteArray& value)
{
    writeRaw(key, "data", BlobValue, value, 0, 0);
}

void PreferencesStore::setStringList(const QString& key, const QStringList& value)
{
    const QByteArray json = QJsonDocument(QJsonArray::fromStringList(value)).toJson(QJsonDocument::Compact);
    writeRaw(key, "stringList", TextValue, json, 0, 0);
}

void PreferencesStore::writeTogether(const std::function<void()>& writes)
{
    std::lock_guard lock(m_mutex);
    if (m_writeTogetherDepth > 0 || !statement(Statement::Begin)) {
        ++m_writeTogetherDepth;
        writes();
        --m_writeTogetherDepth;
        return;
    }
    bool began = false;
    {
        StatementScope begin{statement(Statement::Begin)};
        began = step(begin.stmt, "begin");
    }
    ++m_writeTogetherDepth;
    writes();
    --m_writeTogetherDepth;
    if (began) {
        StatementScope commit{statement(Statement::Commit)};
        if (!step(commit.stmt, "commit")) {
            StatementScope rollback{statement(Statement::Rollback)};
            sqlite3_step(rollback.stmt);
        }
    }
}

void PreferencesStore::setRealDictionary(const QString& key, const RealDictionary& value)
{
    std::lock_guard lock(m_mutex);
    if (m_writeTogetherDepth > 0) {
        // Already inside a transaction: the rows become part of it.
        writeDictionaryRows(key, value);
        return;
    }
    if (!statement(Statement::Begin)) {
        return;
    }
    {
        StatementScope begin{statement(Statement::Begin)};
        if (!step(begin.stmt, "begin")) {
            return;
        }
    }
    const bool ok = writeDictionaryRows(key, value);
    StatementScope end{statement(ok ? Statement::Commit : Statement::Rollback)};
    if (!step(end.stmt, ok ? "commit" : "rollback") && ok) {
        StatementScope rollback{statement(Statement::Rollback)};
        sqlite3_step(rollback.stmt);
    }
}

bool PreferencesStore::writeDictionaryRows(const QString& key, const RealDictionary& value)
{
    sqlite3_stmt* parent = statement(Statement::Upsert);
    if (!parent) {
        return false;
    }
    bool ok = true;
    {
        StatementScope scope{parent};
        bindText(parent, 1, key);
        sqlite3_bind_text(parent, 2, "realDictionary", -1, SQLITE_STATIC);
        sqlite3_bind_null(parent, 3);
        ok = step(parent, "write");
    }
    if (ok) {
        sqlite3_stmt* clear = statement(Statement::ClearEntries);
        StatementScope scope{clear};
        bindText(clear, 1, key);
        ok = step(clear, "write");
    }
    sqlite3_stmt* insert = statement(Statement::UpsertEntry);
    for (auto it = value.cbegin(); ok && it != value.cend(); ++it) {
        StatementScope scope{insert};
        bindText(insert, 1, key);
        bindText(insert, 2, it.key());
        sqlite3_bind_double(insert, 3, it.value());
        ok = step(insert, "write");
    }
    return ok;
}

void PreferencesStore::setRealDictionaryEntry(const QString& key, const QString& entry, double value)
{
    std::lock_guard lock(m_mutex);
    sqlite3_stmt* stmt = statement(Statement::UpsertEntry);
    if (!stmt) {
        return;
    }
    StatementScope scope{stmt};
    bindText(stmt, 1, key);
    bindText(stmt, 2, entry);
    sqlite3_bind_double(stmt, 3, value);
    step(stmt, "write");
}

void PreferencesStore::removeRealDictionaryEntry(const QString& key, const QString& entry)
{
    std::lock_guard lock(m_mutex);
    sqlite3_stmt* stmt = statement(Statement::RemoveEntry);
    if (!stmt) {
        return;
    }
    StatementScope scope{stmt};
    bindText(stmt, 1, key);
    bindText(stmt, 2, entry);
    step(stmt, "write");
}

void PreferencesStore::remove(const QString& key)
{
    std::lock_guard lock(m_mutex);
    sqlite3_stmt* stmt = statement(Statement::Remove);
    if (!stmt) {
        return;
    }
    StatementScope scope{stmt};
    bindText(stmt, 1, key);
    step(stmt, "remove");
}

} // namespace ondrix
