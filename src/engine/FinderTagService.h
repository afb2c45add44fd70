#pragma once

#include "platform/TagStore.h"
#include "platform/WatchedTree.h"
#include "records/BackgroundWriter.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

namespace ondrix {

// Colours a local file by where it is in the upload pipeline: yellow when queued, blue when its upload
// starts, green when uploaded, red when the upload failed. Only the four colour tags are replaced; every
// other tag of the file keeps its text and its place. The user-tags list is mirrored into the freedesktop tag
// list by the same rule, so desktop file managers on Linux show the colour as well.
//
// setTag writes at once and may be called from any thread. queueTag hands the write to the service's own
// writer thread, so a burst of small uploads does not hold the main thread up with attribute writes: requests
// are written oldest first, at most `kCoalesceMs` after they arrive, and a file whose colour changes again
// before its turn (queued, then uploading, then uploaded within a few milliseconds) gets only its newest
// colour. Neither throws. Problems (missing
// file, a file system without user extended attributes) end as system-log lines in the "ondrix.findertags"
// category and leave the file as it was.
class FinderTagService {
public:
    enum class UploadColour { yellow, blue, green, red };

    static constexpr std::array<UploadColour, 4> allColours{UploadColour::yellow, UploadColour::blue,
                                                            UploadColour::green, UploadColour::red};

    // "Yellow\n5", "Blue\n4", "Green\n2", "Red\n6": name, line feed, the file manager's colour number.
    static QString rawValue(UploadColour colour);
    // The raw value up to the line feed: "Yellow", "Blue", "Green", "Red".
    static QString colourName(UploadColour colour);
    static std::optional<UploadColour> colourFromRawValue(const QString& rawValue);
    // Whether the tag's name part (up to the first line feed, or all of it) is one of the four colour names.
    static bool isOwnColourTag(const QString& tag);
    // `tags` without the four colour tags, with `tag` appended.
    static QStringList replacingOwnColourTags(const QStringList& tags, const QString& tag);

    static constexpr int kCoalesceMs = 100;

    // On the attributes `store` reads and writes; the composition root gives the real one.
    explicit FinderTagService(std::shared_ptr<const TagStore> store);
    // Writes the colours still queued before it returns.
    ~FinderTagService();
    FinderTagService(const FinderTagService&) = delete;
    FinderTagService& operator=(const FinderTagService&) = delete;

    // With `within`, the file is reached through that tree (the watched folder it lies in): a link anywhere
    // on its way leaves it untagged.
    void setTag(UploadColour colour, const QString& filePath,
                const WatchedTree* within = nullptr) const noexcept;

    void queueTag(UploadColour colour, const QString& filePath,
                  std::shared_ptr<const WatchedTree> within = {});
    // Brings the file's tags up to date before it returns: a colour still queued for it is written now on
    // this thread, after a write of it in progress. For the file's last colour ahead of moving or removing
    // it.
    void settle(const QString& filePath);
    // Takes the four colours off the file (after any colour still queued for it), keeping the user's tags.
    void clearColour(const QString& filePath, const WatchedTree* within = nullptr);
    // Blocks until every queued colour has been written.
    void waitForTagWrites();

    QStringList readTags(const QString& filePath) const;
    void writeTags(const QStringList& tags, const QString& filePath) const;

private:
    BackgroundWriter::Job takeNext();

    std::shared_ptr<const TagStore> m_store;

    // Guarded by the writer's lock.
    QList<QString> m_queue; // files in the order of their first waiting request
    struct Request {
        UploadColour colour;
        std::shared_ptr<const WatchedTree> tree;
    };
    QHash<QString, Request> m_queuedColours;
    QString m_writing; // the file the writer is tagging now
    // Last: it stops before the members it reads go.
    BackgroundWriter m_writer;
};

} // namespace ondrix
