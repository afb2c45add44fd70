#include "model/ExtensionFilter.h"

#include "model/FilterPresets.h"

#include <gtest/gtest.h>

using namespace ondrix;

namespace {

QSet<QString> set(std::initializer_list<const char*> items)
{
    QSet<QString> result;
    for (const char* item : items) {
        result.insert(QString::fromUtf8(item));
    }
    return result;
}

} // namespace

// One parser for the filter and the presets: a blank piece is no extension in either.
TEST(ExtensionFilterTest, ListsParseTheSameForTheFilterAndThePresets)
{
    for (const char* text : {"JPG, png ,,\tJpeg\t", "jpg, png, jpeg, ", " , jpg,png,jpeg"}) {
        EXPECT_EQ(ExtensionFilter::parse(QString::fromUtf8(text)), set({"jpg", "png", "jpeg"})) << text;
        EXPECT_EQ(FilterPresets::extensionSet(QString::fromUtf8(text)), set({"jpg", "png", "jpeg"})) << text;
    }
    EXPECT_EQ(ExtensionFilter::parse(QStringLiteral(".jpg, raw\n")), set({".jpg", "raw\n"}));
    EXPECT_TRUE(ExtensionFilter::parse(QStringLiteral(" ,\t, ")).isEmpty());
}

TEST(ExtensionFilterTest, FilesAreAdmittedByTheirExtension)
{
    const ExtensionFilter excludeJpg(QString(), QStringLiteral("JPG, "));
    EXPECT_FALSE(excludeJpg.admits(QStringLiteral("/in/photo.jpg")));
    EXPECT_TRUE(excludeJpg.admits(QStringLiteral("/in/notes")));
    EXPECT_TRUE(excludeJpg.admits(QStringLiteral("/in/photo.png")));

    const ExtensionFilter onlyJpg(QStringLiteral("jpg, "), QString());
    EXPECT_TRUE(onlyJpg.admits(QStringLiteral("/in/A.JPG")));
    EXPECT_FALSE(onlyJpg.admits(QStringLiteral("/in/notes")));
    EXPECT_FALSE(onlyJpg.admits(QStringLiteral("/in/a.jpeg")));
    EXPECT_FALSE(onlyJpg.admits(QStringLiteral("/in/folder.jpg/notes")));

    const ExtensionFilter blanks(QStringLiteral(" , "), QStringLiteral(","));
    EXPECT_TRUE(blanks.admits(QStringLiteral("/in/notes")));
    EXPECT_TRUE(blanks.admits(QStringLiteral("/in/a.tar.gz")));

    EXPECT_EQ(ExtensionFilter::extensionOf(QStringLiteral("/in/a.tar.GZ")), QStringLiteral("gz"));
    EXPECT_EQ(ExtensionFilter::extensionOf(QStringLiteral("/in/.profile")), QString());
    EXPECT_EQ(ExtensionFilter::extensionOf(QStringLiteral("/in/name.")), QString());
}
