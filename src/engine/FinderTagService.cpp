#include "engine/FinderTagService.h"

#include "platform/FileName.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include <chrono>

namespace ondrix {

Q_LOGGING_CATEGORY(lcFinderTags, "ondrix.findertags")

namespace {

QString fileName(const QString& filePath)
{
    return QFileInfo(filePath).fileName();
}

} // namespace

QString FinderTagService::rawValue(UploadColour colour)
{
    switch (colour) {
    case UploadColour::yellow:
        return QStringLiteral("Yellow\n5");
    case UploadColour::blue:
        return QStringLiteral("Blue\n4");
    case UploadColour::green:
        return QStringLiteral("Green\n2");
    case UploadColour::red:
        return QStringLiteral("Red\n6");
    }
    return {};
}

QString FinderTagService::colourName(UploadColour colour)
{
    const QString raw = rawValue(colour);
    return raw.left(raw.indexOf(u'\n'));
}

std::optional<FinderTagService::UploadColour> FinderTagService::colourFromRawValue(const QString& value)
{
    for (const UploadColour colour : allColours) {
        if (rawValue(colour) == value) {
            return colour;
        }
    }
    return std::nullopt;
}

bool FinderTagService::isOwnColourTag(const QString& tag)
{
    const qsizetype lineFeed = tag.indexOf(u'\n');
    const QStringView name = lineFeed < 0 ? QStringView(tag) : QStringView(tag).left(lineFeed);
    for (const UploadColour colour : allColours) {
        if (name == colourName(colour)) {
            return true;
        }
    }
    return false;
}

QStringList FinderTagService::replacingOwnColourTags(const QStringList& tags, const QString& tag)
{
    QStringList kept;
    kept.reserve(tags.size() + 1);
    for (const QString& existing : tags) {
        if (!isOwnColourTag(existing)) {
            kept.append(existing);
        }
    }
    kept.append(tag);
    return kept;
}

FinderTagService::FinderTagService(std::shared_ptr<const TagStore> store)
    : m_store(std::move(store))
{}

FinderTagService::~FinderTagService()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wakeWriter.notify_one();
    if (m_writer.joinable()) {
        m_writer.join();
    }
}

void FinderTagService::queueTag(UploadColour colour, const QString& filePath)
{
    bool wakeWriter = false;
    {
        std::lock_guard lock(m_mutex);
        if (!m_writer.joinable()) {
            m_writer = std::thread([this] { writerLoop(); });
        }
        // A writer with work in hand takes this request with it; only an idle one needs waking.
        wakeWriter = m_queue.isEmpty();
        if (!m_queuedColours.contains(filePath)) {
            m_queue.append(filePath);
        }
        m_queuedColours.insert(filePath, colour);
    }
    if (wakeWriter) {
        m_wakeWriter.notify_one();
    }
}

void FinderTagService::settle(const QString& filePath)
{
    std::unique_lock lock(m_mutex);
    m_written.wait(lock, [&] { return m_writing != filePath; });
    const auto queued = m_queuedColours.constFind(filePath);
    if (queued == m_queuedColours.constEnd()) {
        return;
    }
    const UploadColour colour = *queued;
    m_queuedColours.erase(queued);
    m_queue.removeOne(filePath);
    lock.unlock();
    setTag(colour, filePath);
}

void FinderTagService::waitForTagWrites()
{
    std::unique_lock lock(m_mutex);
    m_flushRequested = true;
    m_wakeWriter.notify_one();
    m_written.wait(lock, [this] { return m_queue.isEmpty() && m_writing.isNull(); });
}

void FinderTagService::writerLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        // Whatever is queued is written before the writer ends.
        m_wakeWriter.wait(lock, [this] { return !m_queue.isEmpty() || m_stopping; });
        if (m_queue.isEmpty()) {
            return;
        }
        // A small file is queued, uploading and uploaded within milliseconds: waiting a moment lets its
        // colours collapse into one write.
        m_wakeWriter.wait_for(lock, std::chrono::milliseconds(kCoalesceMs),
                              [this] { return m_stopping || m_flushRequested; });
        while (!m_queue.isEmpty()) {
            const QString path = m_queue.takeFirst();
            const UploadColour colour = m_queuedColours.take(path);
            m_writing = path;
            lock.unlock();
            setTag(colour, path);
            lock.lock();
            m_writing = QString();
            m_written.notify_all();
        }
        m_flushRequested = false;
    }
}

void FinderTagService::setTag(UploadColour colour, const QString& filePath) const noexcept
{
    try {
        if (!FileName::exists(filePath)) {
            qCInfo(lcFinderTags).noquote()
                << "[FinderTagService] File not found, skipping:" << fileName(filePath);
            return;
        }
        const QString raw = rawValue(colour);
        const int error = m_store->writeTags(
            filePath, TagStore::TagList::userTags,
            replacingOwnColourTags(m_store->readTags(filePath, TagStore::TagList::userTags), raw));
        if (error != 0) {
            qCWarning(lcFinderTags).noquote()
                << QStringLiteral("[FinderTagService] setxattr failed (errno %1) for %2")
                       .arg(error)
                       .arg(fileName(filePath));
            return;
        }
        // The freedesktop list follows by the same rule. A file system without user attributes has already
        // failed above, so a failure here is rare enough to be only a debug line.
        const QStringList desktopTags = m_store->readTags(filePath, TagStore::TagList::desktopTags);
        const int desktopError = m_store->writeTags(filePath, TagStore::TagList::desktopTags,
                                                    replacingOwnColourTags(desktopTags, colourName(colour)));
        if (desktopError != 0) {
            qCDebug(lcFinderTags).noquote()
                << QStringLiteral("[FinderTagService] desktop tags not written (errno %1) for %2")
                       .arg(desktopError)
                       .arg(fileName(filePath));
        }
        qCInfo(lcFinderTags).noquote()
            << QStringLiteral("[FinderTagService] Tagged '%1' as %2").arg(fileName(filePath), raw);
    } catch (...) {
        // Tags are a side show: an allocation failure must not take the engine down.
    }
}

QStringList FinderTagService::readTags(const QString& filePath) const
{
    return m_store->readTags(filePath, TagStore::TagList::userTags);
}

void FinderTagService::writeTags(const QStringList& tags, const QString& filePath) const
{
    const int error = m_store->writeTags(filePath, TagStore::TagList::userTags, tags);
    if (error != 0) {
        qCWarning(lcFinderTags).noquote()
            << QStringLiteral("[FinderTagService] setxattr failed (errno %1) for %2")
                   .arg(error)
                   .arg(fileName(filePath));
    }
}

} // namespace ondrix
