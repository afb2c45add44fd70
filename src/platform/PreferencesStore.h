#pragma once

#include "platform/PreferenceValue.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace ondrix {

// The per-user preferences store: typed values under string keys in an SQLite database (WAL mode, file mode
// 0600 because connection passwords live in it where no keyring holds them; secure_delete on, so values
// written over do not linger in free pages). Reads follow the user-defaults conversion rules: a missing key
// reads false, 0 or empty, a number reads as bool when it is non-zero, a string reads as a number when it
// starts with one, and so on (see the read functions). String→real dictionaries keep their entries in a child
// table so that setting or removing one entry is a single statement whatever the size of the dictionary.
//
// A file SQLite calls corrupt or not a database is moved aside (renamed with a timestamp), a fresh store is
// created in its place and the problem goes to the system log; such copies are removed kDamagedCopyDays
// later. Any other failure to open (a full disk, a store owned by another user, a read-only folder) leaves
// the file exactly as it is, so the next start finds it again: the store is then opened read-only if it can
// be read, else it lives in memory for this run, and openProblem() says why. Failed writes are reported to
// the system log only and otherwise ignored.
//
// Thread affinity: meant for the main thread, but every call takes an internal lock, so any thread may use
// it. Several instances (in this or other processes) may open the same file; each call is its own
// transaction and sees the others' committed writes.
class PreferencesStore {
public:
    using RealDictionary = QHash<QString, double>;
    // Copies of a damaged store are removed this many days after they were moved aside.
    static constexpr int kDamagedCopyDays = 30;

    // Opens (creating it and its folder when missing) the database at `path`.
    explicit PreferencesStore(const QString& path);
    ~PreferencesStore();
    PreferencesStore(const PreferencesStore&) = delete;
    PreferencesStore& operator=(const PreferencesStore&) = delete;

    QString path() const { return m_path; }
    // The file a corrupt store was moved to when this instance opened it; empty when that did not happen.
    QString movedAsidePath() const { return m_movedAsidePath; }
    // False when changes are not saved: the file could be opened read-only at most, or not at all and the
    // values live in memory only.
    bool isPersistent() const { return m_persistent; }
    // Why the file could not be opened for writing, with its path; empty when it was. For the activity log.
    QString openProblem() const { return m_openProblem; }

    // True when any value, of any type, is stored under the key.
    bool contains(const QString& key) const;

    // The typed reads convert what is stored as PreferenceValue describes; a missing key reads false, 0 or
    // empty.
    bool boolValue(const QString& key) const;
    // Numbers (doubles truncated toward zero, saturated), and strings that start with an integer.
    qint64 integerValue(const QString& key) const;
    // Numbers, and strings that start with a number.
    double doubleValue(const QString& key) const;
    // Strings; numbers as their decimal text ("1" and "0" for booleans); a null string for other types.
    QString stringValue(const QString& key) const;
    // Data values only.
    QByteArray dataValue(const QString& key) const;
    // String lists only.
    QStringList stringListValue(const QString& key) const;
    // String→real dictionaries only; none when the key is missing or holds another type.
    std::optional<RealDictionary> realDictionaryValue(const QString& key) const;

    void setBool(const QString& key, bool value);
    void setInteger(const QString& key, qint64 value);
    void setDouble(const QString& key, double value);
    void setString(const QString& key, const QString& value);
    void setData(const QString& key, const QByteArray& value);
    void setStringList(const QString& key, const QStringList& value);
    // Replaces the whole dictionary (one transaction).
    void setRealDictionary(const QString& key, const RealDictionary& value);
    // Sets one entry; turns the key into a dictionary when it held something else or nothing.
    void setRealDictionaryEntry(const QString& key, const QString& entry, double value);
    // Removes one entry; the dictionary stays, possibly empty.
    void removeRealDictionaryEntry(const QString& key, const QString& entry);

    void remove(const QString& key);

    // Runs `writes` (calls of the setters above) as one transaction, so a group of values that change
    // together costs one commit instead of one each. Other threads wait until it ends; a nested call joins
    // the outer one.
    void writeTogether(const std::function<void()>& writes);

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

    std::optional<PreferenceValue> readRaw(const QString& key) const;
    void writeRaw(const QString& key, const char* type, int valueKind, const QByteArray& bytes,
                  qint64 integer, double real);

    // The parent row and the entries of a dictionary, inside a transaction the caller holds.
    bool writeDictionaryRows(const QString& key, const RealDictionary& value);
    // `snapshot`: read-only, without the shared-memory index a full disk has no room for; what the main file
    // holds (a store closed cleanly holds everything there).
    enum class Access { readWrite, readOnly, snapshot };
    // SQLITE_OK, or the error that made the file unusable (the database is then closed).
    int openAt(const QString& file, Access access);
    static bool isDamaged(int rc);
    void moveAsideAndStartFresh(const QString& path);
    int fail(const char* what);
    void openInMemory();
    void closeDatabase();
    bool prepareStatements();
    sqlite3_stmt* statement(Statement which) const;
    bool step(sqlite3_stmt* stmt, const char* what) const;
    void reportError(const char* what) const;

    QString m_path;
    QString m_movedAsidePath;
    QString m_openProblem;
    bool m_persistent = false;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statements[static_cast<int>(Statement::Count)] = {};
    mutable std::recursive_mutex m_mutex;
    // Depth of writeTogether calls: inside one, the setters do not open transactions of their own.
    int m_writeTogetherDepth = 0;
};

} // namespace ondrix
