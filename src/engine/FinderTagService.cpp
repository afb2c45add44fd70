#include "engine/FinderTagService.h"

#include "platform/FileName.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include <cerrno>
#include <chrono>

namespace ondrix {

Q_LOGGING_CATEGORY(lcFinderTags, "ondrix.findertags")

namespace {

QString fileName(const QString& filePath)
{
    return QFileInfo(filePath).fileName();
}

// Where the store is to find `filePath`: with a tree, the file's name inside its parent folder as that tree
// opened it (through the descriptor `parent` holds while the store works), so no link on the way is
// followed; else the path itself. Empty, with errno set, when the file cannot be reached.
QString addressOf(const QString& filePath, const WatchedTree* within, WatchedTree::Parent& parent)
{
    if (within == nullptr) {
        return filePath;
    }
    parent = within->openParent(filePath);
    if (!parent.folder.isValid()) {
        return {};
    }
    return QStringLiteral("/proc/self/fd/%1/").arg(parent.folder.get()) + FileName::decode(parent.name);
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
    // A small file is queued, uploading and uploaded within milliseconds: waiting a moment lets its colours
    // collapse into one write.
    , m_writer([this] { return takeNext(); },
               BackgroundWriter::Pacing{std::chrono::milliseconds(kCoalesceMs), std::chrono::milliseconds(0)},
               "ondrix-tags")
{}

FinderTagService::~FinderTagService()
{
    m_writer.stop();
}

void FinderTagService::queueTag(UploadColour colour, const QString& filePath,
                                std::shared_ptr<const WatchedTree> within)
{
    m_writer.submit([&] {
        if (!m_queuedColours.contains(filePath)) {
            m_queue.append(filePath);
        }
        m_queuedColours.insert(filePath, Request{colour, std::move(within)});
    });
}

void FinderTagService::settle(const QString& filePath)
{
    const std::optional<Request> queued = m_writer.whenReady([&] { return m_writing != filePath; },
                                                             [&]() -> std::optional<Request> {
                                                                 const auto it =
                                                                     m_queuedColours.constFind(filePath);
                                                                 if (it == m_queuedColours.constEnd()) {
                                                                     return std::nullopt;
                                                                 }
                                                                 const Request request = *it;
                                                                 m_queuedColours.erase(it);
                                                                 m_queue.removeOne(filePath);
                                                                 return request;
                                                             });
    if (queued) {
        setTag(queued->colour, filePath, queued->tree.get());
    }
}

void FinderTagService::waitForTagWrites()
{
    m_writer.flush();
}

BackgroundWriter::Job FinderTagService::takeNext()
{
    // Called again after each write: the file written last is done.
    m_writing = QString();
    if (m_queue.isEmpty()) {
        return {};
    }
    const QString path = m_queue.takeFirst();
    const Request request = m_queuedColours.take(path);
    m_writing = path;
    return [this, request, path] { setTag(request.colour, path, request.tree.get()); };
}

void FinderTagService::setTag(UploadColour colour, const QString& filePath,
                              const WatchedTree* within) const noexcept
{
    try {
        WatchedTree::Parent parent;
        const QString address = addressOf(filePath, within, parent);
        if (address.isEmpty()) {
            qCDebug(lcFinderTags).noquote() << QStringLiteral("[FinderTagService] %1 not reached (errno %2)")
                                                   .arg(fileName(filePath))
                                                   .arg(errno);
            return;
        }
        // One read of each list, and no write where the colour is there already.
        const QString raw = rawValue(colour);
        const int error =
            m_store->updateTags(address, TagStore::TagList::userTags,
                                [&](const QStringList& tags) { return replacingOwnColourTags(tags, raw); });
        if (error == ENOENT) {
            qCDebug(lcFinderTags).noquote()
                << "[FinderTagService] File not found, skipping:" << fileName(filePath);
            return;
        }
        if (error != 0) {
            qCWarning(lcFinderTags).noquote()
                << QStringLiteral("[FinderTagService] setxattr failed (errno %1) for %2")
                       .arg(error)
                       .arg(fileName(filePath));
            return;
        }
        // The freedesktop list follows by the same rule. A file system without user attributes has already
        // failed above, so a failure here is rare enough to be only a debug line.
        const QString name = colourName(colour);
        const int desktopError =
            m_store->updateTags(address, TagStore::TagList::desktopTags,
                                [&](const QStringList& tags) { return replacingOwnColourTags(tags, name); });
        if (desktopError != 0) {
            qCDebug(lcFinderTags).noquote()
                << QStringLiteral("[FinderTagService] desktop tags not written (errno %1) for %2")
                       .arg(desktopError)
                       .arg(fileName(filePath));
        }
        // One line per colour change of every file: a diagnostic, not news for the journal.
        qCDebug(lcFinderTags).noquote()
            << QStringLiteral("[FinderTagService] Tagged '%1' as %2").arg(fileName(filePath), raw);
    } catch (...) {
        // Tags are a side show: an allocation failure must not take the engine down.
    }
}

void FinderTagService::clearColour(const QString& filePath, const WatchedTree* within)
{
    settle(filePath);
    WatchedTree::Parent parent;
    const QString address = addressOf(filePath, within, parent);
    if (address.isEmpty()) {
        return;
    }
    for (const TagStore::TagList list : {TagStore::TagList::userTags, TagStore::TagList::desktopTags}) {
        (void)m_store->updateTags(address, list, [](const QStringList& tags) {
            QStringList kept;
            for (const QString& tag : tags) {
                if (!isOwnColourTag(tag)) {
                    kept.append(tag);
                }
            }
            return kept;
        });
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
