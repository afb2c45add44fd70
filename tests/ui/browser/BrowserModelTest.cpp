#include "model/RemotePath.h"
#include "platform/PreferencesStore.h"
#include "support/TestEnvironment.h"
#include "ui/browser/BrowserTagStore.h"
#include "ui/browser/RemoteItemModel.h"
#include "ui/browser/RemoteItemSortModel.h"
#include "ui/browser/RemoteNames.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using ondrix::test::TestEnvironment;

namespace {

RemoteItem entry(const QString& folder, const QString& name, bool isDirectory = false, qint64 size = 0,
                 const QDateTime& modified = {})
{
    return {RemotePath::join(folder, name), name, isDirectory, size, modified};
}

QDateTime day(int year, int month, int dayOfMonth)
{
    return QDateTime(QDate(year, month, dayOfMonth), QTime(12, 0), Qt::UTC);
}

} // namespace

// Names that could act elsewhere are refused and shown visibly; the table sorts with folders first.
TEST(RemoteNamesTest, NamesTypesAndSummaryAndTheTableSortsWithFoldersFirst)
{
    for (const QString& name : {u"a\nDELE b"_s, u"a\rb"_s, QString::fromUtf16(u"a\0b", 3), u"../etc"_s,
                                u"a/b"_s, u".."_s, u"."_s, QString()}) {
        EXPECT_FALSE(RemoteNames::isSafe(name)) << name.toStdString();
    }
    EXPECT_TRUE(RemoteNames::isSafe(u"IMG 1 (copy) ü.jpg"_s));
    EXPECT_TRUE(RemoteNames::isSafe(u"..hidden"_s));
    EXPECT_EQ(RemoteNames::shown(QString::fromUtf16(u"a\nb\0c", 5)), QString::fromUtf16(u"a\u240Ab\u2400c"));
    EXPECT_EQ(RemoteNames::shown(u"caf"_s + QChar(char16_t(0xDCE9))), u"caf\\xE9"_s);
    EXPECT_EQ(RemoteNames::shown(QString::fromUtf16(u"x\u202Etxt.exe")),
              QString::fromUtf16(u"x\uFFFDtxt.exe"));
    // An entry is safe only where the listing put it: its path must be its folder plus its name.
    EXPECT_TRUE(RemoteNames::isSafeEntry(entry("/a/", "b"), "/a/"));
    EXPECT_FALSE(RemoteNames::isSafeEntry({"/etc/passwd", "b", false, 0}, "/a/"));

    EXPECT_EQ(RemoteNames::typeText(entry("/", "x", true)), "Folder");
    EXPECT_EQ(RemoteNames::typeText(entry("/", "photo.jpeg")), "JPEG File");
    EXPECT_EQ(RemoteNames::typeText(entry("/", "README")), "File");
    EXPECT_EQ(RemoteNames::typeText(entry("/", ".profile")), "File");
    EXPECT_EQ(RemoteNames::summary(2, 1), "2 folders, 1 file");
    EXPECT_EQ(RemoteNames::summary(0, 2), "2 files");

    const QList<RemoteItem> listing = {
        entry("/a", "b", true, 0, day(2026, 1, 1)), entry("/a", "Z", true),
        entry("/a", "big.jpg", false, 5'000'000, day(2026, 3, 1)),
        entry("/a", "c.txt", false, 10, day(2025, 5, 5)),
        entry("/a", QString::fromUtf16(u"evil\nname"), false, 1, day(2026, 2, 2))};
    RemoteItemModel model;
    model.setListing("/a", listing);
    RemoteItemSortModel sorted;
    sorted.setSourceModel(&model);

    EXPECT_EQ(model.folderCount(), 2);
    EXPECT_EQ(model.index(2, RemoteItemModel::SizeColumn).data().toString(), "5.0 MB");
    EXPECT_TRUE(model.index(0, RemoteItemModel::SizeColumn).data().toString().isEmpty());
    EXPECT_EQ(model.index(3, RemoteItemModel::TypeColumn).data().toString(), "TXT File");
    // Dates in the user's time zone and the locale's short form; none where the listing gave none.
    EXPECT_EQ(model.index(3, RemoteItemModel::ModifiedColumn).data().toString(),
              QLocale().toString(day(2025, 5, 5).toLocalTime(), QLocale::ShortFormat));
    EXPECT_TRUE(model.index(1, RemoteItemModel::ModifiedColumn).data().toString().isEmpty());
    EXPECT_EQ(model.index(4, RemoteItemModel::NameColumn).data().toString(),
              QString::fromUtf16(u"evil\u240Aname"));
    EXPECT_TRUE(!model.isSafe(4) && model.isSafe(0));

    const auto names = [&sorted] {
        QStringList result;
        for (int row = 0; row < sorted.rowCount(); ++row)
            result << sorted.index(row, 0).data().toString().left(4);
        return result;
    };
    sorted.sort(RemoteItemModel::NameColumn, Qt::DescendingOrder);
    EXPECT_EQ(names(), QStringList({"Z", "b", "evil", "c.tx", "big."}));
    sorted.sort(RemoteItemModel::SizeColumn, Qt::DescendingOrder);
    EXPECT_EQ(names(), QStringList({"Z", "b", "big.", "c.tx", "evil"}));
    sorted.sort(RemoteItemModel::TypeColumn, Qt::AscendingOrder);
    EXPECT_EQ(names(), QStringList({"b", "Z", "evil", "big.", "c.tx"}));
    sorted.sort(RemoteItemModel::ModifiedColumn, Qt::DescendingOrder);
    EXPECT_EQ(names(), QStringList({"b", "Z", "big.", "evil", "c.tx"}));

    model.setTags({{"/a/c.txt", BrowserTag::green}});
    EXPECT_EQ(model.index(3, 0).data(RemoteItemModel::TagColourRole).value<QColor>(),
              colour(BrowserTag::green));
    EXPECT_FALSE(model.index(2, 0).data(RemoteItemModel::TagColourRole).isValid());
    // The colour is named in words as well, for whoever cannot tell it.
    for (const int role : {int(Qt::ToolTipRole), int(Qt::AccessibleTextRole)}) {
        EXPECT_EQ(model.index(3, 0).data(role).toString(), u"c.txt (tag: Green)"_s);
        EXPECT_FALSE(model.index(2, 0).data(role).toString().contains("tag"_L1));
    }
}

TEST(BrowserTagStoreTest, TagsAreKeptPerConnectionAndFollowRenamesAndDeletions)
{
    TestEnvironment env;
    const QString file = env.root() + u"/preferences.sqlite"_s;
    const QUuid first = QUuid::createUuid(), second = QUuid::createUuid();
    {
        PreferencesStore store(file);
        BrowserTagStore tags(store, first);
        tags.setTag({"/a", "/a/x.jpg", "/b"}, BrowserTag::red);
        tags.setTag({"/b"}, BrowserTag::purple);
        tags.moveEntry("/a", "/renamed");
        tags.removeEntry("/b");
        tags.setTag({"/c"}, BrowserTag::gray);
        tags.setTag({"/c"}, std::nullopt);
        BrowserTagStore(store, second).setTag({"/other"}, BrowserTag::blue);
    }
    PreferencesStore store(file);
    using Tags = QHash<QString, BrowserTag>;
    EXPECT_EQ(BrowserTagStore(store, first).tags(),
              (Tags{{"/renamed", BrowserTag::red}, {"/renamed/x.jpg", BrowserTag::red}}));
    EXPECT_EQ(BrowserTagStore(store, second).tags(), (Tags{{"/other", BrowserTag::blue}}));

    // The stored form: JSON data under the connection's upper-case id; what cannot be read counts as none.
    const QString key = u"BrowserTags_"_s + first.toString(QUuid::WithoutBraces).toUpper();
    EXPECT_TRUE(store.dataValue(key).contains("\"/renamed\":\"red\""));
    store.setData(key, "{not json");
    EXPECT_TRUE(BrowserTagStore(store, first).tags().isEmpty());
    store.setData(key, R"({"/a":"magenta","/b":"green"})");
    EXPECT_EQ(BrowserTagStore(store, first).tags(), (Tags{{"/b", BrowserTag::green}}));
}
