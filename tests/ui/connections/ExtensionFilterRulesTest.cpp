#include "ui/connections/ExtensionFilterRules.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::ExtensionFilterRules;

namespace {

const ExtensionCategory& category(const QString& id)
{
    const auto& all = ExtensionCategory::all();
    return *std::find_if(all.begin(), all.end(), [&](const ExtensionCategory& c) { return c.id == id; });
}

QMap<QString, Qt::CheckState> states(const PushConnection& c)
{
    QMap<QString, Qt::CheckState> result;
    for (const ExtensionCategory& cat : ExtensionCategory::all())
        result.insert(cat.id, categoryState(c, cat));
    return result;
}

} // namespace

// Categories follow a preset and its reset; unticking the only included category never opens the filter.
TEST(ExtensionFilterRules, CategoriesFollowPresetsAndNeverOpenTheFilterByAccident)
{
    PushConnection c;
    choosePreset(c, *FilterPresets::byId(u"photos"_s));
    EXPECT_EQ(c.extensionPreset, u"photos"_s);
    EXPECT_EQ(c.excludedExtensions, FilterPresets::tempList());
    const auto fromPreset = states(c);
    EXPECT_EQ(
        (QList{fromPreset[u"images"_s], fromPreset[u"raw"_s], fromPreset[u"video"_s], fromPreset[u"temp"_s]}),
        (QList{Qt::Checked, Qt::Checked, Qt::Unchecked, Qt::Checked}));
    EXPECT_FALSE(offersReset(c));

    toggleExtension(c, category(u"raw"_s), u"dng"_s);
    EXPECT_EQ(categoryState(c, category(u"raw"_s)), Qt::PartiallyChecked);
    EXPECT_TRUE(offersReset(c));
    EXPECT_EQ(selectedPreset(c).id, u"photos"_s) << "the chosen preset stays, with a reset offered";
    toggleCategory(c, category(u"raw"_s));
    EXPECT_EQ(categoryState(c, category(u"raw"_s)), Qt::Unchecked) << "partly checked unticks";
    toggleCategory(c, category(u"video"_s));
    EXPECT_EQ(categoryState(c, category(u"video"_s)), Qt::Checked);
    EXPECT_TRUE(FilterPresets::extensionSet(c.includedExtensions).contains(u"mkv"_s));
    toggleCategory(c, category(u"temp"_s));
    EXPECT_EQ(categoryState(c, category(u"temp"_s)), Qt::Unchecked);
    EXPECT_TRUE(c.excludedExtensions.isEmpty());

    resetToPreset(c);
    EXPECT_EQ(states(c), fromPreset);
    EXPECT_FALSE(offersReset(c));

    c = PushConnection{};
    choosePreset(c, *FilterPresets::byId(u"all_files"_s));
    EXPECT_TRUE(c.includedExtensions.isEmpty() && c.excludedExtensions.isEmpty());
    EXPECT_EQ(categoryState(c, category(u"images"_s)), Qt::Checked);
    EXPECT_EQ(categoryState(c, category(u"temp"_s)), Qt::Unchecked);

    toggleCategory(c, category(u"video"_s));
    EXPECT_TRUE(c.includedExtensions.isEmpty()) << "leaving video out must not restrict the rest";
    EXPECT_EQ(categoryState(c, category(u"video"_s)), Qt::Unchecked);
    EXPECT_EQ(categoryState(c, category(u"audio"_s)), Qt::Checked);
    toggleExtension(c, category(u"video"_s), u"mov"_s);
    EXPECT_EQ(categoryState(c, category(u"video"_s)), Qt::PartiallyChecked);
    EXPECT_FALSE(FilterPresets::extensionSet(c.excludedExtensions).contains(u"mov"_s));

    c = PushConnection{};
    c.extensionPreset = u"custom"_s;
    c.includedExtensions = u"JPG , png"_s;
    EXPECT_EQ(categoryState(c, category(u"images"_s)), Qt::PartiallyChecked);
    EXPECT_EQ(categoryState(c, category(u"video"_s)), Qt::Unchecked);

    toggleCategory(c, category(u"images"_s));
    EXPECT_EQ(categoryState(c, category(u"images"_s)), Qt::Unchecked)
        << "an emptied included list would admit every image again";
    EXPECT_FALSE(offersReset(c)) << "custom never offers a reset";
}
