#include "records/HistoryService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <chrono>

namespace ondrix {

HistoryService::HistoryService(const QString& filePath, QObject* parent)
    : QObject(parent)
    , m_filePath(filePath)
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
    m_writer = std::thread([this] { writerLoop(); });
}

HistoryService::~HistoryService()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wakeWriter.notify_one();
    m_writer.join();
}

void HistoryService::add(const HistoryEntry& entry)
{
    QMetaObject::invokeMethod(
        this, [this, entry] { insertOnOwnerThread(entry); }, Qt::QueuedConnection);
}

void HistoryService::clear()
{
    QMetaObject::invokeMethod(this, &HistoryService::clearOnOwnerThread, Qt::QueuedConnection);
}

void HistoryService::insertOnOwnerThread(const HistoryEntry& entry)
{
    bool wakeWriter = false;
    {
        std::lock_guard lock(m_mutex);
        m_entries.prepend(entry);
        if (m_entries.size() > maxEntries) {
            m_entries.resize(maxEntries);
        }
        // Once the list is marked changed, the writer takes later changes with it.
        wakeWriter = !m_dirty;
        m_dirty = true;
    }
    if (wakeWriter) {
        m_wakeWriter.notify_one();
    }
    Q_EMIT entriesChanged();
}

void HistoryService::clearOnOwnerThread()
{
    bool wasEmpty = false;
    {
        std::lock_guard lock(m_mutex);
        wasEmpty = m_entries.isEmpty();
        m_entries.clear();
        m_dirty = true;
    }
    m_wakeWriter.notify_one();
    if (!wasEmpty) {
        Q_EMIT entriesChanged();
    }
}

void HistoryService::waitForFileWrites()
{
    std::unique_lock lock(m_mutex);
    m_flushRequested = true;
    m_wakeWriter.notify_one();
    m_writerIdle.wait(lock, [this] { return !m_dirty && !m_writing; });
}

void HistoryService::writerLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wakeWriter.wait(lock, [this] { return m_dirty || m_stopping; });
        if (!m_dirty) {
            return;
        }
        // The list as it is now, shared rather than copied: the owner thread copies it only when it next
        // changes the list, once per write instead of once per change.
        const QList<HistoryEntry> snapshot = m_entries;
        m_dirty = false;
        m_writing = true;
        lock.unlock();
        writeFile(snapshot);
        lock.lock();
        m_writing = false;
        if (!m_dirty) {
            m_flushRequested = false; // whoever waited for the file has it now
        }
        m_writerIdle.notify_all();
        // Changes arriving meanwhile are gathered into the next write.
        m_wakeWriter.wait_for(lock, std::chrono::milliseconds(kMinWriteIntervalMs),
                              [this] { return m_stopping || m_flushRequested; });
    }
}

bool HistoryService::writeFile(const QList<HistoryEntry>& snapshot) const
{
    const QByteArray bytes = encode(snapshot);
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
