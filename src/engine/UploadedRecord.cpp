#include "engine/UploadedRecord.h"

#include "platform/FileName.h"

#include <QFile>

#include <sys/stat.h>

#include <cmath>

namespace ondrix {

namespace {

QString djb2Key(const QString& text)
{
    quint64 hash = 5381;
    for (const char byte : text.toUtf8()) {
        hash = hash * 33 + quint64(quint8(byte));
    }
    return QStringLiteral("ondrix_uploaded_") + QString::number(hash);
}

QString withoutTrailingSlash(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) {
        folder.chop(1);
    }
    return folder;
}

} // namespace

UploadedRecord::UploadedRecord(PreferencesStore* store, const PushConnection& connection)
    : m_store(store)
    , m_key(keyFor(connection))
    , m_sizesKey(sizesKeyFor(m_key))
    , m_earlierKeys([&] {
        QStringList keys;
        if (const QString raw = unnormalisedKeyFor(connection); raw != keyFor(connection)) {
            keys.append(raw);
        }
        keys.append(legacyKeyFor(connection));
        return keys;
    }())
{}

QString UploadedRecord::keyFor(const PushConnection& connection)
{
    return djb2Key(connection.host + QLatin1Char('|') + withoutTrailingSlash(connection.localFolder) +
                   QLatin1Char('|') + withoutTrailingSlash(connection.remoteFolder));
}

QString UploadedRecord::unnormalisedKeyFor(const PushConnection& connection)
{
    return djb2Key(connection.host + QLatin1Char('|') + connection.localFolder + QLatin1Char('|') +
                   connection.remoteFolder);
}

QString UploadedRecord::legacyKeyFor(const PushConnection& connection)
{
    return QStringLiteral("ondrix_uploaded_") + connection.id.toString(QUuid::WithoutBraces).toUpper();
}

QString UploadedRecord::sizesKeyFor(const QString& key)
{
    return key + QStringLiteral("_sizes");
}

double UploadedRecord::secondsOf(qint64 modifiedNs)
{
    return double(modifiedNs / 1000000000) + double(modifiedNs % 1000000000) / 1e9;
}

void UploadedRecord::loadLocked() const
{
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    if (!m_store) {
        return;
    }
    if (auto dates = m_store->realDictionaryValue(m_key); dates && !dates->isEmpty()) {
        m_dates = std::move(*dates);
        m_sizes = m_store->realDictionaryValue(m_sizesKey).value_or(Dates());
        return;
    }
    for (const QString& earlier : m_earlierKeys) {
        if (auto dates = m_store->realDictionaryValue(earlier); dates && !dates->isEmpty()) {
            m_dates = std::move(*dates);
            m_store->writeTogether([&] {
                m_store->setRealDictionary(m_key, m_dates);
                m_store->remove(earlier);
            });
            return;
        }
    }
}

bool UploadedRecord::contains(const QString& path, double modified, qint64 size) const
{
    std::lock_guard lock(m_mutex);
    loadLocked();
    const auto date = m_dates.constFind(path);
    if (date == m_dates.constEnd()) {
        return false;
    }
    const auto recordedSize = m_sizes.constFind(path);
    if (recordedSize == m_sizes.constEnd()) {
        return std::abs(*date - modified) < 1.0;
    }
    // Two versions saved within one second (a card copied with its dates kept, a quick second save) differ
    // in size or in the sub-second part of their date: both go up.
    return qint64(*recordedSize) == size && std::abs(*date - modified) < 1e-6;
}

void UploadedRecord::record(const QString& path, double modified, qint64 size)
{
    std::lock_guard lock(m_mutex);
    loadLocked();
    // No cap: an entry stays while its file exists (a cap evicted entries whose files were then uploaded
    // again, evicting others in turn); forgetMissingBelow drops the rest.
    m_dates.insert(path, modified);
    if (size >= 0) {
        m_sizes.insert(path, double(size));
    } else {
        m_sizes.remove(path);
    }
    if (m_store) {
        m_store->writeTogether([&] {
            m_store->setRealDictionaryEntry(m_key, path, modified);
            if (size >= 0) {
                m_store->setRealDictionaryEntry(m_sizesKey, path, double(size));
            } else {
                m_store->removeRealDictionaryEntry(m_sizesKey, path);
            }
        });
    }
}

void UploadedRecord::forgetMissingBelow(const QString& root)
{
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    Dates below;
    {
        std::lock_guard lock(m_mutex);
        loadLocked();
        for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it) {
            if (it.key().startsWith(prefix)) {
                below.insert(it.key(), it.value());
            }
        }
    }
    // Looked up without the lock: a tree of many files takes a while, and the engine asks the record about
    // new files meanwhile.
    QStringList gone;
    for (auto it = below.cbegin(); it != below.cend(); ++it) {
        struct stat info {};
        if (::lstat(FileName::encode(it.key()).constData(), &info) != 0 && errno == ENOENT) {
            gone.append(it.key());
        }
    }
    if (gone.isEmpty()) {
        return;
    }
    std::lock_guard lock(m_mutex);
    // An entry recorded again meanwhile belongs to a file that is back: it stays.
    gone.removeIf([&](const QString& path) { return m_dates.value(path, -1.0) != below.value(path); });
    for (const QString& path : gone) {
        m_dates.remove(path);
        m_sizes.remove(path);
    }
    if (m_store && !gone.isEmpty()) {
        m_store->writeTogether([&] {
            for (const QString& path : gone) {
                m_store->removeRealDictionaryEntry(m_key, path);
                m_store->removeRealDictionaryEntry(m_sizesKey, path);
            }
        });
    }
}

UploadedRecord::Dates UploadedRecord::dates() const
{
    std::lock_guard lock(m_mutex);
    loadLocked();
    return m_dates;
}

} // namespace ondrix
