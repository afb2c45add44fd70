#include "platform/StoreConnection.h"

#include <QFile>
#include <QLoggingCategory>

#include <sqlite3.h>

Q_DECLARE_LOGGING_CATEGORY(lcPreferences)

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

} // namespace

StoreConnection::StoreConnection(QString reportPath)
    : m_reportPath(std::move(reportPath))
{}

StoreConnection::~StoreConnection()
{
    close();
}

int StoreConnection::open(const QString& file, Access access, bool verify)
{
    QByteArray nativePath = access == Access::memory ? QByteArray(":memory:") : QFile::encodeName(file);
    int flags = access == Access::readWrite || access == Access::memory
                    ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                    : SQLITE_OPEN_READONLY;
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
        // WAL keeps readers and writers of other connections out of each other's way and survives a crash
        // at any point; synchronous=NORMAL is durable against process crashes, which is what we need.
        // The records are read into memory once at start; SQLite's own page cache (2 MiB by default) would
        // keep a second copy of them resident for the life of the process. The file system caches the
        // pages anyway, so a small cache costs a read system call where it misses, not a disk access.
        // secure_delete: a value written over or removed (a password blanked once the keyring holds it)
        // is zeroed, not left in a free page.
        const char* setup =
            "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA cache_size = -256; "
            "PRAGMA secure_delete = ON;";
        if (sqlite3_exec(m_db, setup, nullptr, nullptr, nullptr) != SQLITE_OK || !createSchemaIfMissing()) {
            return fail("set up");
        }
    } else if (access == Access::memory &&
               sqlite3_exec(m_db, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
        return fail("set up");
    }
    if (verify) {
        // Only a check that ran and found problems means damage; a check that could not run (an I/O error,
        // a log it cannot read) says nothing about the file.
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
            close();
            return SQLITE_CORRUPT;
        }
    }
    if (!prepareStatements()) {
        return fail("prepare");
    }
    return SQLITE_OK;
}

bool StoreConnection::createSchemaIfMissing()
{
    // The schema is written only into a store that lacks it: opening a complete store writes nothing, so it
    // opens on a full disk too.
    sqlite3_stmt* version = nullptr;
    int schemaVersion = 0;
    if (sqlite3_prepare_v2(m_db, "PRAGMA user_version", -1, &version, nullptr) == SQLITE_OK &&
        sqlite3_step(version) == SQLITE_ROW) {
        schemaVersion = sqlite3_column_int(version, 0);
    }
    sqlite3_finalize(version);
    return schemaVersion == kSchemaVersion ||
           sqlite3_exec(m_db, kSchema, nullptr, nullptr, nullptr) == SQLITE_OK;
}

int StoreConnection::fail(const char* what)
{
    const int rc = m_db ? sqlite3_extended_errcode(m_db) : SQLITE_CANTOPEN;
    reportError(what);
    close();
    return rc == SQLITE_OK ? SQLITE_ERROR : rc;
}

bool StoreConnection::prepareStatements()
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

void StoreConnection::close()
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

bool StoreConnection::step(sqlite3_stmt* stmt, const char* what) const
{
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE || rc == SQLITE_ROW) {
        return true;
    }
    reportError(what);
    return false;
}

bool StoreConnection::run(Statement which, const char* what)
{
    StatementScope scope{statement(which)};
    return scope.stmt && step(scope.stmt, what);
}

void StoreConnection::reportError(const char* what) const
{
    qCWarning(lcPreferences, "[PreferencesStore] %s failed for %s: %s", what, qUtf8Printable(m_reportPath),
              m_db ? sqlite3_errmsg(m_db) : "no database");
}

std::optional<PreferenceValue> StoreConnection::read(const QString& key) const
{
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

bool StoreConnection::contains(const QString& key) const
{
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

StoreConnection::Entries StoreConnection::entries(const QString& key) const
{
    Entries dictionary;
    sqlite3_stmt* stmt = statement(Statement::ReadEntries);
    if (!stmt) {
        return dictionary;
    }
    StatementScope scope{stmt};
    bindText(stmt, 1, key);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        dictionary.insert(columnText(stmt, 0), sqlite3_column_double(stmt, 1));
    }
    if (rc != SQLITE_DONE) {
        reportError("read");
    }
    return dictionary;
}

bool StoreConnection::write(const QString& key, const char* type, const PreferenceValue& value)
{
    sqlite3_stmt* stmt = statement(Statement::Upsert);
    if (!stmt) {
        return false;
    }
    StatementScope scope{stmt};
    bindText(stmt, 1, key);
    sqlite3_bind_text(stmt, 2, type, -1, SQLITE_STATIC);
    const QByteArray& bytes = value.bytes;
    switch (value.storage) {
    case PreferenceValue::Storage::integer:
        sqlite3_bind_int64(stmt, 3, value.integer);
        break;
    case PreferenceValue::Storage::real:
        sqlite3_bind_double(stmt, 3, value.real);
        break;
    case PreferenceValue::Storage::text:
        sqlite3_bind_text(stmt, 3, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    case PreferenceValue::Storage::blob:
        sqlite3_bind_blob(stmt, 3, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    case PreferenceValue::Storage::null:
        sqlite3_bind_null(stmt, 3);
        break;
    }
    return step(stmt, "write");
}

bool StoreConnection::remove(const QString& key)
{
    sqlite3_stmt* stmt = statement(Statement::Remove);
    if (!stmt) {
        return false;
    }
    StatementScope scope{stmt};
    bindText(stmt, 1, key);
    return step(stmt, "remove");
}

bool StoreConnection::writeDictionary(const QString& key, const Entries& value)
{
    if (!write(key, "realDictionary", PreferenceValue{})) {
        return false;
    }
    {
        sqlite3_stmt* clear = statement(Statement::ClearEntries);
        StatementScope scope{clear};
        bindText(clear, 1, key);
        if (!step(clear, "write")) {
            return false;
        }
    }
    for (auto it = value.cbegin(); it != value.cend(); ++it) {
        if (!writeEntry(key, it.key(), it.value())) {
            return false;
        }
    }
    return true;
}

bool StoreConnection::writeEntry(const QString& key, const QString& entry, double value)
{
    sqlite3_stmt* stmt = statement(Statement::UpsertEntry);
    if (!stmt) {
        return false;
    }
    StatementScope scope{stmt};
    bindText(stmt, 1, key);
    bindText(stmt, 2, entry);
    sqlite3_bind_double(stmt, 3, value);
    return step(stmt, "write");
}

bool StoreConnection::removeEntry(const QString& key, const QString& entry)
{
    sqlite3_stmt* stmt = statement(Statement::RemoveEntry);
    if (!stmt) {
        return false;
    }
    StatementScope scope{stmt};
    bindText(stmt, 1, key);
    bindText(stmt, 2, entry);
    return step(stmt, "write");
}

bool StoreConnection::checkpoint()
{
    return m_db != nullptr && sqlite3_wal_checkpoint_v2(m_db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr,
                                                        nullptr) == SQLITE_OK;
}

bool StoreConnection::begin()
{
    return run(Statement::Begin, "begin");
}

bool StoreConnection::commit()
{
    return run(Statement::Commit, "commit");
}

void StoreConnection::rollback()
{
    StatementScope scope{statement(Statement::Rollback)};
    if (scope.stmt) {
        sqlite3_step(scope.stmt);
    }
}

} // namespace ondrix
