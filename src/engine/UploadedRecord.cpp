#include "engine/UploadedRecord.h"

#include "model/UuidText.h"
#include "platform/FileName.h"

#include <QFile>
#include <QScopeGuard>

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <memory>
#include <vector>

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
    , m_writer([this] { return takeWrites(); }, BackgroundWriter::Pacing{kCommitWindow, {}}, "ondrix-record")
{}

UploadedRecord::~UploadedRecord()
{
    m_writer.stop();
}

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
    return QStringLiteral("ondrix_uploaded_") + uuidText(connection.id);
}

QString UploadedRecord::sizesKeyFor(const QString& key)
{
    return key + QStringLiteral("_sizes");
}

void UploadedRecord::loadLocked() const
{
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    const auto finished = qScopeGuard([this] { m_loadedFlag.store(true, std::memory_order_release); });
    if (!m_store) {
        return;
    }
    const auto adopt = [this](const Dates& dates, const Dates& sizes) {
        m_versions.reserve(dates.size());
        for (auto it = dates.cbegin(); it != dates.cend(); ++it) {
            const auto size = sizes.constFind(it.key());
            m_versions.insert(pathKey(it.key()), Version{FileVersion::nanoseconds(it.value()),
                                                         size == sizes.cend() ? -1 : qint64(*size)});
        }
    };
    if (auto dates = m_store->realDictionaryValue(m_key); dates && !dates->isEmpty()) {
        adopt(*dates, m_store->realDictionaryValue(m_sizesKey).value_or(Dates()));
        return;
    }
    for (const QString& earlier : m_earlierKeys) {
        if (auto dates = m_store->realDictionaryValue(earlier); dates && !dates->isEmpty()) {
            adopt(*dates, Dates());
            m_store->writeTogether([&] {
                m_store->setRealDictionary(m_key, *dates);
                m_store->remove(earlier);
            });
            return;
        }
    }
}

void UploadedRecord::load() const
{
    std::lock_guard lock(m_mutex);
    loadLocked();
}

bool UploadedRecord::contains(const QString& path, const FileVersion& now) const
{
    std::lock_guard lock(m_mutex);
    loadLocked();
    const auto version = m_versions.constFind(pathKey(path));
    if (version == m_versions.constEnd()) {
        return false;
    }
    const qint64 apart = std::abs(version->modifiedNs - now.modifiedNs);
    if (version->size < 0) {
        return apart < 1'000'000'000;
    }
    // Two versions saved within one second (a card copied with its dates kept, a quick second save) differ
    // in size or in the sub-second part of their date: both go up.
    return version->size == now.size && apart < FileVersion::kStoredPrecisionNs;
}

void UploadedRecord::record(const QString& path, const FileVersion& version)
{
    record(std::vector<Entry>{Entry{path, version}});
}

void UploadedRecord::record(const std::vector<Entry>& entries)
{
    if (entries.empty()) {
        return;
    }
    std::lock_guard lock(m_mutex);
    loadLocked();
    // No cap: an entry stays while its file exists (a cap evicted entries whose files were then uploaded
    // again, evicting others in turn); forgetMissingBelow drops the rest.
    for (const Entry& entry : entries) {
        // Kept as the store will give it back, so a version recorded now and one read after a restart are
        // one.
        const double stored = FileVersion::seconds(entry.version.modifiedNs);
        m_versions.insert(pathKey(entry.path), Version{FileVersion::nanoseconds(stored),
                                                       entry.version.size >= 0 ? entry.version.size : -1});
    }
    if (m_store) {
        m_writer.submit([&] { m_unwritten.insert(m_unwritten.end(), entries.begin(), entries.end()); });
    }
}

void UploadedRecord::waitForWrites() const
{
    m_writer.flush();
}

BackgroundWriter::Job UploadedRecord::takeWrites()
{
    if (m_unwritten.empty()) {
        return {};
    }
    auto batch = std::make_shared<std::vector<Entry>>();
    batch->swap(m_unwritten);
    return [this, batch] {
        m_store->writeTogether([&] {
            for (const Entry& entry : *batch) {
                m_store->setRealDictionaryEntry(m_key, entry.path,
                                                FileVersion::seconds(entry.version.modifiedNs));
                if (entry.version.size >= 0) {
                    m_store->setRealDictionaryEntry(m_sizesKey, entry.path, double(entry.version.size));
                } else {
                    m_store->removeRealDictionaryEntry(m_sizesKey, entry.path);
                }
            }
        });
    };
}

void UploadedRecord::forgetMissingBelow(const QString& root)
{
    if (!m_store) {
        return;
    }
    load();
    // The store has to know every entry recorded so far, or one could be taken for a vanished file's.
    waitForWrites();
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    // Read and looked up without the record's lock: a tree of many files takes a while, and the engine asks
    // the record about new files meanwhile.
    std::vector<std::pair<QString, double>> gone;
    {
        const Dates stored = m_store->realDictionaryValue(m_key).value_or(Dates());
        for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
            struct stat info {};
            if (it.key().startsWith(prefix) && ::lstat(FileName::encode(it.key()).constData(), &info) != 0 &&
                errno == ENOENT) {
                gone.emplace_back(it.key(), it.value());
            }
        }
    }
    if (gone.empty()) {
        return;
    }
    std::lock_guard lock(m_mutex);
    // An entry recorded again meanwhile belongs to a file that is back: it stays.
    std::erase_if(gone, [&](const std::pair<QString, double>& entry) {
        const auto version = m_versions.constFind(pathKey(entry.first));
        return version == m_versions.constEnd() ||
               version->modifiedNs != FileVersion::nanoseconds(entry.second);
    });
    for (const auto& entry : gone) {
        m_versions.remove(pathKey(entry.first));
    }
    if (!gone.empty()) {
        m_store->writeTogether([&] {
            for (const auto& entry : gone) {
                m_store->removeRealDictionaryEntry(m_key, entry.first);
                m_store->removeRealDictionaryEntry(m_sizesKey, entry.first);
            }
        });
    }
}

UploadedRecord::Dates UploadedRecord::dates() const
{
    load();
    waitForWrites();
    return m_store ? m_store->realDictionaryValue(m_key).value_or(Dates()) : Dates();
}

quint64 UploadedRecord::pathKey(const QString& path)
{
    // Any fixed seed: the keys live only in memory.
    constexpr size_t kSeed = 0x6f6e647269780001ULL;
    static_assert(sizeof(size_t) == sizeof(quint64));
    return quint64(qHash(QStringView(path), kSeed));
}

} // namespace ondrix
