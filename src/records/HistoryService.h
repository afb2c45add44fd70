#pragma once

#include "records/BackgroundWriter.h"
#include "records/HistoryEntry.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <optional>

namespace ondrix {

// The upload history: the newest `maxEntries` finished transfers, newest first, mirrored to a JSON file so
// the history survives restarts.
//
// `add` and `clear` may be called from any thread and return at once; the list changes on the thread the
// service lives on (the main thread): at once when called there, else by a queued call. After every change
// the service's writer thread replaces the file atomically with the list as it then is (a crash mid-write
// leaves the previous file whole); changes that pile up meanwhile end up in one write. A burst of uploads
// would otherwise rewrite and sync the whole file hundreds of times a second, so writes are at least
// `kMinWriteIntervalMs` apart: the file trails the list by at most that long. File and coding failures are
// silent.
class HistoryService : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<ondrix::HistoryEntry> entries READ entries NOTIFY entriesChanged)

public:
    static constexpr int maxEntries = 500;
    static constexpr int kMinWriteIntervalMs = 500;

    // Creates the file's folder when missing and loads the file; an unreadable or undecodable file is an
    // empty history (the file is left alone until the next change).
    explicit HistoryService(const QString& filePath, QObject* parent = nullptr);
    // Writes a snapshot still waiting for the file before it returns.
    ~HistoryService() override;

    void add(const HistoryEntry& entry);
    // Adds the entries in their order, as many calls of `add` would, with one change of the list.
    void add(const QList<HistoryEntry>& entries);
    void clear();

    QList<HistoryEntry> entries() const { return m_entries; }
    QString filePath() const { return m_filePath; }

    // Blocks until the newest snapshot handed to the writer has been written (or has failed); a write held
    // back by the interval goes at once.
    void waitForFileWrites();

    // The file's form: a compact JSON array of the entries in the given order.
    static QByteArray encode(const QList<HistoryEntry>& entries);
    // None unless the whole document is an array of valid entries.
    static std::optional<QList<HistoryEntry>> decode(const QByteArray& json);

Q_SIGNALS:
    void entriesChanged();

private:
    void insertOnOwnerThread(const QList<HistoryEntry>& entries);
    void clearOnOwnerThread();
    BackgroundWriter::Job takeSnapshot();
    bool writeFile(const QList<HistoryEntry>& snapshot);
    QByteArray encodeReusing(const QList<HistoryEntry>& snapshot);

    const QString m_filePath;

    // Changed only on the owner thread and under the writer's lock; the writer reads it under the lock.
    QList<HistoryEntry> m_entries;
    // The list changed since the writer last took it.
    bool m_dirty = false;
    // The writer thread's: each entry's JSON from the previous write, by id. Entries never change once added,
    // and encoding one costs a time-zone lookup, so a burst of uploads rewriting 500 entries every interval
    // encoded each entry hundreds of times.
    struct Encoded {
        QString filename;
        qint64 bytes = 0;
        QByteArray json;
    };
    QHash<QUuid, Encoded> m_encoded;
    // Last: it stops before the members it reads go.
    BackgroundWriter m_writer;
};

} // namespace ondrix
