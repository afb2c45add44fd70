#pragma once

#include "model/PushConnection.h"
#include "platform/FileVersion.h"
#include "platform/PreferencesStore.h"
#include "records/BackgroundWriter.h"

#include <QHash>
#include <QString>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <vector>

namespace ondrix {

// What one connection has uploaded: local path → the version that was sent, stored as its modification date
// (seconds since 1970, see FileVersion::seconds) with its size beside it. Stored under "ondrix_uploaded_" + a
// hash of host, local folder and remote folder, the sizes under a sibling key; records under the keys of
// earlier versions are moved over when the record is first read.
//
// Thread-safe: the first scan reads it on the transfer pool, the engine writes it on the main thread. It is
// read from the store once, by whichever thread needs it first; the engine has it read on the transfer pool
// and asks `isLoaded` first, since reading the record of a big tree keeps the store busy for a while.
// New entries count at once and reach the store from the record's own writer thread, which gathers them for
// `kCommitWindow` before it commits them in one transaction: a burst of small uploads neither waits for the
// store on the main thread nor commits once per file. A crash loses at most that window's entries, whose
// files the next start finds unrecorded and sends again; `waitForWrites` cuts the window short.
class UploadedRecord {
public:
    using Dates = PreferencesStore::RealDictionary;

    static constexpr std::chrono::milliseconds kCommitWindow{250};

    UploadedRecord(PreferencesStore* store, const PushConnection& connection);
    // Writes the entries not yet in the store.
    ~UploadedRecord();
    UploadedRecord(const UploadedRecord&) = delete;
    UploadedRecord& operator=(const UploadedRecord&) = delete;

    // "ondrix_uploaded_" + djb2 of host|localFolder|remoteFolder, the folders without a trailing slash, so
    // "/x/out/" and "/x/out" share one record while edits of the three fields start a new one.
    static QString keyFor(const PushConnection& connection);
    // The same hash over the folders exactly as written (records of earlier versions).
    static QString unnormalisedKeyFor(const PushConnection& connection);
    // The key records had before they were keyed by folders.
    static QString legacyKeyFor(const PushConnection& connection);
    // Where the sizes of the record under `key` are kept.
    static QString sizesKeyFor(const QString& key);
    QString key() const { return m_key; }

    // Whether the file at `path` was uploaded as `version` is (its date and size; a size of -1 is unknown).
    // An entry with a size matches only that size and that date (to the store's precision); an entry of an
    // earlier version, without a size, matches any size dated less than a second away.
    bool contains(const QString& path, const FileVersion& version) const;
    // One version of a file that was sent.
    struct Entry {
        QString path;
        FileVersion version;
    };

    // Records the version of `path` that was sent: `contains` knows it at once, the store shortly after.
    void record(const QString& path, const FileVersion& version);
    // Records several, handed to the store's writer together (uploads that finished together, one commit).
    void record(const std::vector<Entry>& entries);
    // Blocks until every entry recorded so far is in the store.
    void waitForWrites() const;
    // Forgets entries below `root` whose files no longer exist; the record would otherwise only grow. Reads
    // the paths from the store (without a store nothing is kept to forget).
    void forgetMissingBelow(const QString& root);

    // Reads the record from the store unless that happened already.
    void load() const;
    // Whether the record has been read, so that asking it does not wait for the store.
    bool isLoaded() const { return m_loadedFlag.load(std::memory_order_acquire); }

    // The dates as stored, for tests and diagnostics (empty without a store).
    Dates dates() const;

private:
    // One entry per file, under a 64-bit hash of its path: the paths stay in the store, and a tree of
    // 100 000 uploaded files costs a few megabytes instead of twenty. A file is taken for uploaded only when
    // its date and size match too, so two paths sharing a hash (one in 10^14 for such a tree) would also
    // need the same date to the nanosecond and the same size to be mistaken for each other.
    static quint64 pathKey(const QString& path);

    // What the store keeps of a version: its date as read back from the stored seconds.
    struct Version {
        qint64 modifiedNs = 0;
        qint64 size = -1; // unknown: an entry of an earlier version
    };

    void loadLocked() const;
    BackgroundWriter::Job takeWrites();

    PreferencesStore* const m_store;
    const QString m_key;
    const QString m_sizesKey;
    const QStringList m_earlierKeys;
    mutable std::mutex m_mutex;
    mutable bool m_loaded = false;
    mutable std::atomic_bool m_loadedFlag = false;
    mutable QHash<quint64, Version> m_versions;
    // Guarded by the writer's lock.
    std::vector<Entry> m_unwritten;
    // Last: it stops before the members it reads go.
    mutable BackgroundWriter m_writer;
};

} // namespace ondrix
