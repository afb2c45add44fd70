#pragma once

#include "platform/PreferenceValue.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <mutex>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace ondrix {

// One SQLite connection to the preferences database with its prepared statements: the rows of
// PreferencesStore without the conversion rules. Failed statements go to the system log and return false or
// nothing.
//
// Not thread-safe by itself: whoever uses it holds `mutex()` (PreferencesStore gives each thread a connection
// of its own, so the lock is only ever contended on a connection threads share).
class StoreConnection {
public:
    // `snapshot`: read-only, without the shared-memory index a full disk has no room for; what the main file
    // holds (a store closed cleanly holds everything there). `memory`: a database of this run only.
    enum class Access { readWrite, readOnly, snapshot, memory };
    using Entries = QHash<QString, double>;

    // `reportPath` names the store in the system log.
    explicit StoreConnection(QString reportPath);
    ~StoreConnection();
    StoreConnection(const StoreConnection&) = delete;
    StoreConnection& operator=(const StoreConnection&) = delete;

    // SQLITE_OK, or the error that made the file unusable (the connection stays closed then). `verify` runs
    // SQLite's integrity check, and a file that fails it answers SQLITE_CORRUPT; the first opening in a run
    // asks for it, the other connections of the run trust it.
    int open(const QString& file, Access access, bool verify);
    bool isOpen() const { return m_db != nullptr; }
    std::recursive_mutex& mutex() const { return m_mutex; }

    std::optional<PreferenceValue> read(const QString& key) const;
    bool contains(const QString& key) const;
    // The entries of a dictionary; the caller checked that the key holds one.
    Entries entries(const QString& key) const;

    // A value of `type` stored as `value`'s storage; a null storage writes SQL NULL.
    bool write(const QString& key, const char* type, const PreferenceValue& value);
    bool remove(const QString& key);
    // The parent row and the entries of a dictionary, replacing what the key held.
    bool writeDictionary(const QString& key, const Entries& value);
    bool writeEntry(const QString& key, const QString& entry, double value);
    bool removeEntry(const QString& key, const QString& entry);

    // Copies the write-ahead log into the file and empties it; false when a reader kept it from finishing.
    bool checkpoint();

    // Transactions, for StoreTransaction.
    bool begin();
    bool commit();
    void rollback();
    // How many StoreTransaction guards are open on this connection; only the outermost one commits.
    int transactionDepth = 0;

private:
    enum class Statement {
        Read,
        Contains,
        Upsert,
        Remove,
        ReadEntries,
        ClearEntries,
        UpsertEntry,
        RemoveEntry,
        Begin,
        Commit,
        Rollback,
        Count
    };

    int fail(const char* what);
    void close();
    bool prepareStatements();
    bool createSchemaIfMissing();
    sqlite3_stmt* statement(Statement which) const { return m_statements[static_cast<int>(which)]; }
    bool step(sqlite3_stmt* stmt, const char* what) const;
    bool run(Statement which, const char* what);
    void reportError(const char* what) const;

    const QString m_reportPath;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statements[static_cast<int>(Statement::Count)] = {};
    mutable std::recursive_mutex m_mutex;
};

} // namespace ondrix
