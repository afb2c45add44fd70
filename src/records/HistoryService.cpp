#include "records/HistoryService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

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
    m_entries.prepend(entry);
    if (m_entries.size() > maxEntries) {
        m_entries.resize(maxEntries);
    }
    Q_EMIT entriesChanged();
    scheduleWrite();
}

void HistoryService::clearOnOwnerThread()
{
    const bool wasEmpty = m_entries.isEmpty();
    m_entries.clear();
    if (!wasEmpty) {
        Q_EMIT entriesChanged();
    }
    scheduleWrite();
}

void HistoryService::scheduleWrite()
{
    {
        std::lock_guard lock(m_mutex);
        m_snapshot = m_entries; // implicitly shared: the copy is taken when the list next changes
    }
    m_wakeWriter.notify_one();
}

void HistoryService::waitForFileWrites()
{
    std::unique_lock lock(m_mutex);
    m_writerIdle.wait(lock, [this] { return !m_snapshot && !m_writing; });
}

void HistoryService::writerLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wakeWriter.wait(lock, [this] { return m_snapshot || m_stopping; });
        if (!m_snapshot) {
            return;
        }
        const QList<HistoryEntry> snapshot = std::move(*m_snapshot);
        m_snapshot.reset();
        m_writing = true;
        lock.unlock();
        writeFile(snapshot);
        lock.lock();
        m_writing = false;
        m_writerIdle.notify_all();
    }
}

bool HistoryService::writeFile(const QList<HistoryEntry>& snapshot) const
{
    const QByteArray bytes = encode(snapshot);
    QSaveFile file(m_filePath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
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
