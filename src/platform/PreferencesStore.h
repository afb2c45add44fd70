#pragma once

#include "platform/PreferenceValue.h"
#include "platform/StoreConnection.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace ondrix {

struct PreferencesConnections;

// The per-user preferences store: typed values under string keys in an SQLite database (WAL mode, file mode
// 0600 because connection passwords live in it where no keyring holds them; secure_delete on, so values
// written over do not linger in free pages). Reads follow the user-defaults conversion rules: a missing key
// reads false, 0 or empty, a number reads as bool when it is non-zero, a string reads as a number when it
// starts with one, and so on (see the read functions). String→real dictionaries keep their entries in a child
// table so that setting or removing one entry is a single statement whatever the size of the dictionary.
//
// StoreRecovery opens the file: a damaged one is moved aside, one that cannot be written now is left as it is
// and read only or kept in memory for the run, and openProblem() says why. Failed writes are reported to the
// system log only and otherwise ignored.
//
// Thread affinity: any thread may use it. Each thread gets a connection of its own (WAL lets readers go on
// while another connection writes), so the main thread's reads never wait for the record being loaded or
// committed on another thread; writes of different threads take turns in SQLite. A store that lives in
// memory or is read only has one connection that threads share. Several instances (in this or other
// processes) may open the same file; each call is its own transaction and sees the others' committed writes.
class PreferencesStore {
public:
    using RealDictionary = QHash<QString, double>;
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

    // Runs `writes` (calls of the setters above on this thread) as one transaction, so a group of values that
    // change together costs one commit instead of one each. Writes of other threads wait until it ends, their
    // reads see the values from before it; a nested call joins the outer one.
    void writeTogether(const std::function<void()>& writes);
    // Leaves no copy of a value written over or removed on the disk: the write-ahead log, which still holds
    // the pages as they were, is copied into the file (where removed content is zeroed) and emptied. For a
    // password that left the store; it waits for readers of other threads, up to the store's busy timeout.
    void eraseOverwritten();

private:
    // A connection for the calling thread, locked for the caller.
    struct Use {
        StoreConnection& connection;
        std::unique_lock<std::recursive_mutex> lock;
        StoreConnection* operator->() const { return &connection; }
    };
    Use use() const;
    std::optional<PreferenceValue> readRaw(const QString& key) const;
    void writeRaw(const QString& key, const char* type, const PreferenceValue& value);

    QString m_path;
    QString m_movedAsidePath;
    QString m_openProblem;
    bool m_persistent = false;
    // The connection StoreRecovery opened: the creating thread's, and every thread's when the store is not a
    // writable file or a thread's own connection cannot be opened.
    std::unique_ptr<StoreConnection> m_shared;
    std::thread::id m_creator;
    // The other threads' connections; shared with those threads so that each closes its own when it ends.
    std::shared_ptr<PreferencesConnections> m_connections;
};

} // namespace ondrix
