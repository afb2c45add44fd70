#include "model/FilterPresets.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;

namespace {

QString detect(const QString& included, const QString& excluded)
{
    return FilterPresets::matchingPreset(included, excluded).id;
}

const QString videoList = u"mp4, mov, avi, mkv, mts, m2ts, mxf, r3d, braw, prores"_s;

} // namespace

TEST(FilterPresets, ListsAreSetsAndDetectTheirPreset)
{
    EXPECT_EQ(FilterPresets::extensionSet(" JPG ,jpeg,, PnG\t,"), (QSet<QString>{"jpg", "jpeg", "png"}));
    EXPECT_EQ(FilterPresets::extensionSet("jpg, jpg, JPG"), (QSet<QString>{"jpg"}));
    EXPECT_TRUE(FilterPresets::extensionSet("").isEmpty());
    EXPECT_TRUE(FilterPresets::extensionSet(" , \t,").isEmpty());
    // Only spaces and tabs are trimmed; a dot is part of the entry.
    EXPECT_EQ(FilterPresets::extensionSet(".jpg,\ntxt"), (QSet<QString>{".jpg", "\ntxt"}));

    const QString temp = FilterPresets::tempList();
    const QString photos = FilterPresets::byId("photos")->extensions;

    EXPECT_EQ(detect("", ""), "all_files");
    EXPECT_EQ(detect("", temp), "all_except_temp");
    EXPECT_EQ(detect("", " TMP,temp ,part,crdownload,download,partial,thumbs.db,ds_store,"),
              "all_except_temp");
    EXPECT_EQ(detect(videoList, ""), "custom");
    // The first of two presets with the same lists wins, in any order and case.
    QStringList shuffled = photos.toUpper().split(", ");
    std::reverse(shuffled.begin(), shuffled.end());
    EXPECT_EQ(detect(shuffled.join(","), temp), "photography");
    // A leading dot never matches a preset entry.
    EXPECT_EQ(detect(".mp4, mov, avi, mkv, mts, m2ts, mxf, r3d, braw, prores", temp), "custom");
    EXPECT_EQ(detect("", ".tmp, temp, part, crdownload, download, partial, thumbs.db, ds_store"), "custom");
    EXPECT_EQ(detect("pdf", "tmp"), "custom");

    // Every preset but "custom" is found from the lists it fills in (or the earlier twin).
    for (const FilterPreset& preset : FilterPresets::all()) {
        const ExtensionLists lists = FilterPresets::listsOf(preset);
        const QString expected = preset.id == "photos"   ? "photography"
                                 : preset.id == "custom" ? "all_except_temp"
                                                         : preset.id;
        EXPECT_EQ(detect(lists.included, lists.excluded), expected) << preset.id.toStdString();
    }

    const FilterPreset video = *FilterPresets::byId("video");
    EXPECT_FALSE(FilterPresets::listsChanged(video, videoList, temp));
    EXPECT_FALSE(FilterPresets::listsChanged(video, videoList.toUpper() + ",,", temp));
    EXPECT_TRUE(FilterPresets::listsChanged(video, videoList + ", wav", temp));
    EXPECT_TRUE(FilterPresets::listsChanged(video, videoList, ""));
    EXPECT_FALSE(FilterPresets::listsChanged(*FilterPresets::byId("custom"), "anything", "at all"));
}
