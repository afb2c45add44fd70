#include "records/HistoryService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QThread>

#include <chrono>

namespace ondrix {

HistoryService::HistoryService(const QString& filePath, QObject* parent)
    : QObject(parent)
    , m_filePath(filePath)
    , m_writer([this] { return takeSnapshot(); },
               BackgroundWriter::Pacing{std::chrono::milliseconds(0),
                                        std::chrono::milliseconds(kMinWriteIntervalMs)},
               "ondrix-history")
{
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    QFile file(filePath);
    if (file.open(QIODevice::ReadOnly)) {
        if (auto loaded = decode(file.readAll())) {
            if (loaded->size() > maxEntries) {
                loaded->resize(maxEntries);
            }
            m_entries = std::move(*loaded);
        }
    }
}

HistoryService::~HistoryService()
{
    m_writer.stop();
}

void HistoryService::add(const HistoryEntry& entry)
{
    add(QList<HistoryEntry>{entry});
}

void HistoryService::add(const QList<HistoryEntry>& entries)
{
    if (entries.isEmpty()) {
        return;
    }
    // On the owner thread the list changes at once: a queued call would cost every burst of uploads a
    // wake-up of the main thread.
    if (QThread::currentThread() == thread()) {
        insertOnOwnerThread(entries);
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, entries] { insertOnOwnerThread(entries); }, Qt::QueuedConnection);
}

void HistoryService::clear()
{
    // Like add, so an entry added after a clear on the owner thread is not cleared by it.
    if (QThread::currentThread() == thread()) {
        clearOnOwnerThread();
        return;
    }
    QMetaObject::invokeMethod(this, &HistoryService::clearOnOwnerThread, Qt::QueuedConnection);
}

void HistoryService::insertOnOwnerThread(const QList<HistoryEntry>& entries)
{
    m_writer.submit([&] {
        // Newest first: the last of the entries ends up on top.
        for (const HistoryEntry& entry : entries) {
            m_entries.prepend(entry);
        }
        if (m_entries.size() > maxEntries) {
            m_entries.resize(maxEntries);
        }
        m_dirty = true;
    });
    Q_EMIT entriesChanged();
}

void HistoryService::clearOnOwnerThread()
{
    const bool wasEmpty = m_writer.submit([this] {
        const bool empty = m_entries.isEmpty();
        m_entries.clear();
        m_dirty = true;
        return empty;
    });
    if (!wasEmpty) {
        Q_EMIT entriesChanged();
    }
}

void HistoryService::waitForFileWrites()
{
    m_writer.flush();
}

BackgroundWriter::Job HistoryService::takeSnapshot()
{
    if (!m_dirty) {
        return {};
    }
    m_dirty = false;
    // The list as it is now, shared rather than copied: the owner thread copies it only when it next changes
    // the list, once per write instead of once per change.
    return [this, snapshot = m_entries] { writeFile(snapshot); };
}

QByteArray HistoryService::encodeReusing(const QList<HistoryEntry>& snapshot)
{
    QHash<QUuid, Encoded> encoded;
    encoded.reserve(snapshot.size());
    QByteArray bytes;
    bytes.reserve(qsizetype(snapshot.size()) * 200 + 2);
    bytes.append('[');
    for (const HistoryEntry& entry : snapshot) {
        const auto known = m_encoded.constFind(entry.id);
        // The name and size guard against two entries of a hand-edited file with one id.
        const bool reusable = known != m_encoded.constEnd() && known->filename == entry.filename &&
                              known->bytes == entry.bytes && !encoded.contains(entry.id);
        const QByteArray json =
            reusable ? known->json : QJsonDocument(entry.toJson()).toJson(QJsonDocument::Compact);
        encoded.insert(entry.id, Encoded{entry.filename, entry.bytes, json});
        if (bytes.size() > 1) {
            bytes.append(',');
        }
        bytes.append(json);
    }
    bytes.append(']');
    m_encoded = std::move(encoded);
    return bytes;
}

bool HistoryService::writeFile(const QList<HistoryEntry>& snapshot)
{
    const QByteArray bytes = encodeReusing(snapshot);
    QSaveFile file(m_filePath);
    // Owner-only: the history names the user's files and servers.
    return file.open(QIODevice::WriteOnly) &&
           file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
           file.write(bytes) == bytes.size() && file.commit();
}

QByteArray HistoryService::encode(const QList<HistoryEntry>& entries)
{
    QJsonArray array;
    for (const HistoryEntry& entry : entries) {
        array.append(entry.toJson());
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

std::optional<QList<HistoryEntry>> HistoryService::decode(const QByteArray& json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray()) {
        return std::nullopt;
    }
    const QJsonArray array = document.array();
    QList<HistoryEntry> entries;
    entries.reserve(array.size());
    for (const QJsonValue value : array) {
        if (!value.isObject()) {
            return std::nullopt;
        }
        auto entry = HistoryEntry::fromJson(value.toObject());
        if (!entry) {
            return std::nullopt;
        }
        entries.append(std::move(*entry));
    }
    return entries;
}

} // namespace ondrix
