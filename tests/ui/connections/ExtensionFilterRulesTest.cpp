// Presets, category boxes and single extensions of the filter editor, on the lists the engine applies.
#include "ui/connections/ExtensionFilterRules.h"

#include <gtest/gtest.h>

using namespace ondrix;
using namespace ondrix::ExtensionFilterRules;

namespace {

const ExtensionCategory& category(const QString& id)
{
    for (const ExtensionCategory& c : ExtensionCategory::all()) {
        if (c.id == id) {
            return c;
        }
    }
    throw std::out_of_range("no category");
}

QMap<QString, Qt::CheckState> states(const PushConnection& c)
{
    QMap<QString, Qt::CheckState> result;
    for (const ExtensionCategory& cat : ExtensionCategory::all()) {
        result.insert(cat.id, categoryState(c, cat));
    }
    return result;
}

} // namespace

TEST(ExtensionFilterRules, CategoriesFollowAPresetAndComeBackAfterReset)
{
    PushConnection c;
    choosePreset(c, *FilterPresets::byId(QStringLiteral("photos")));
    EXPECT_EQ(c.extensionPreset, QStringLiteral("photos"));
    EXPECT_EQ(c.excludedExtensions, FilterPresets::tempList())
        << "an include preset leaves out the junk list";
    const auto fromPreset = states(c);
    EXPECT_EQ(fromPreset.value(QStringLiteral("images")), Qt::Checked);
    EXPECT_EQ(fromPreset.value(QStringLiteral("raw")), Qt::Checked);
    EXPECT_EQ(fromPreset.value(QStringLiteral("video")), Qt::Unchecked);
    EXPECT_EQ(fromPreset.value(QStringLiteral("temp")), Qt::Checked);
    EXPECT_FALSE(offersReset(c));

    toggleExtension(c, category(QStringLiteral("raw")), QStringLiteral("dng"));
    EXPECT_EQ(categoryState(c, category(QStringLiteral("raw"))), Qt::PartiallyChecked);
    EXPECT_TRUE(offersReset(c));
    EXPECT_EQ(selectedPreset(c).id, QStringLiteral("photos"))
        << "the chosen preset stays, with a reset offered";
    toggleCategory(c, category(QStringLiteral("raw")));
    EXPECT_EQ(categoryState(c, category(QStringLiteral("raw"))), Qt::Unchecked) << "partly checked unticks";
    toggleCategory(c, category(QStringLiteral("video")));
    EXPECT_EQ(categoryState(c, category(QStringLiteral("video"))), Qt::Checked);
    EXPECT_TRUE(FilterPresets::extensionSet(c.includedExtensions).contains(QStringLiteral("mkv")));
    toggleCategory(c, category(QStringLiteral("temp")));
    EXPECT_EQ(categoryState(c, category(QStringLiteral("temp"))), Qt::Unchecked);
    EXPECT_TRUE(c.excludedExtensions.isEmpty());

    resetToPreset(c);
    EXPECT_EQ(states(c), fromPreset);
    EXPECT_FALSE(offersReset(c));
}

TEST(ExtensionFilterRules, AnEmptyIncludedListTakesEverythingNotLeftOut)
{
    PushConnection c;
    choosePreset(c, *FilterPresets::byId(QStringLiteral("all_files")));
    EXPECT_TRUE(c.includedExtensions.isEmpty());
    EXPECT_TRUE(c.excludedExtensions.isEmpty());
    EXPECT_EQ(categoryState(c, category(QStringLiteral("images"))), Qt::Checked);
    EXPECT_EQ(categoryState(c, category(QStringLiteral("temp"))), Qt::Unchecked);

    toggleCategory(c, category(QStringLiteral("video")));
    EXPECT_TRUE(c.includedExtensions.isEmpty()) << "leaving video out must not restrict the rest";
    EXPECT_EQ(categoryState(c, category(QStringLiteral("video"))), Qt::Unchecked);
    EXPECT_EQ(categoryState(c, category(QStringLiteral("audio"))), Qt::Checked);
    toggleExtension(c, category(QStringLiteral("video")), QStringLiteral("mov"));
    EXPECT_EQ(categoryState(c, category(QStringLiteral("video"))), Qt::PartiallyChecked);
    EXPECT_FALSE(FilterPresets::extensionSet(c.excludedExtensions).contains(QStringLiteral("mov")));
}

TEST(ExtensionFilterRules, UntickingTheOnlyIncludedCategoryNeverOpensTheFilter)
{
    PushConnection c;
    c.extensionPreset = QStringLiteral("custom");
    c.includedExtensions = QStringLiteral("JPG , png");
    EXPECT_EQ(categoryState(c, category(QStringLiteral("images"))), Qt::PartiallyChecked);
    EXPECT_EQ(categoryState(c, category(QStringLiteral("video"))), Qt::Unchecked);

    toggleCategory(c, category(QStringLiteral("images")));
    EXPECT_EQ(categoryState(c, category(QStringLiteral("images"))), Qt::Unchecked)
        << "an emptied included list would admit every image again";
    EXPECT_FALSE(offersReset(c)) << "custom never offers a reset";
}
