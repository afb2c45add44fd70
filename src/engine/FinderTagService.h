#pragma once

#include "platform/TagStore.h"

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
// Stateless apart from its store: setTag may be called from any thread (the engine calls it on the main
// thread), and never throws. Problems (missing file, a file system without user extended attributes) end as
// system-log lines in the "ondrix.findertags" category and leave the file as it was.
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

    FinderTagService(); // on the file's extended attributes
    explicit FinderTagService(std::shared_ptr<const TagStore> store);

    void setTag(UploadColour colour, const QString& filePath) const noexcept;

    QStringList readTags(const QString& filePath) const;
    void writeTags(const QStringList& tags, const QString& filePath) const;

private:
    std::shared_ptr<const TagStore> m_store;
};

} // namespace ondrix
