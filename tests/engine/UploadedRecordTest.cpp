#include "engine/UploadedRecord.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using ondrix::test::TestEnvironment;

namespace {

FileVersion at(double seconds, qint64 size)
{
    return {size, FileVersion::nanoseconds(seconds)};
}

class UploadedRecordTest : public ::testing::Test {
protected:
    TestEnvironment env;
    PreferencesStore store{env.root() + u"/preferences.sqlite"_s};
    PushConnection connection{.host = u"h"_s, .localFolder = u"/a"_s, .remoteFolder = u"/"_s};
};

} // namespace

TEST_F(UploadedRecordTest, KeysIgnoreATrailingSlashAndEarlierRecordsMoveOver)
{
    EXPECT_EQ(UploadedRecord::keyFor(connection), u"ondrix_uploaded_6953608075076"_s);
    const PushConnection slashed{.host = u"h"_s, .localFolder = u"/a/"_s, .remoteFolder = u"/"_s};
    EXPECT_EQ(UploadedRecord::keyFor(slashed), UploadedRecord::keyFor(connection));

    // A record stored under the folder as it was written, with its slash, is found and moved.
    const QString raw = UploadedRecord::unnormalisedKeyFor(slashed);
    ASSERT_NE(raw, UploadedRecord::keyFor(connection));
    store.setRealDictionary(raw, {{u"/a/x.jpg"_s, 5.0}});
    EXPECT_TRUE(UploadedRecord(&store, slashed).contains(u"/a/x.jpg"_s, at(5.0, 1)));
    EXPECT_FALSE(store.contains(raw));
    EXPECT_EQ(store.realDictionaryValue(UploadedRecord::keyFor(connection))->size(), 1);

    // The id-based key of the first versions, also when an empty record sits under the new key.
    const PushConnection other{.host = u"h"_s, .localFolder = u"/b"_s, .remoteFolder = u"/"_s};
    store.setRealDictionary(UploadedRecord::keyFor(other), {});
    store.setRealDictionary(UploadedRecord::legacyKeyFor(other), {{u"/b/a.jpg"_s, 1000.0}});
    const UploadedRecord record(&store, other);
    EXPECT_EQ(record.dates().value(u"/b/a.jpg"_s), 1000.0);
    EXPECT_FALSE(store.contains(UploadedRecord::legacyKeyFor(other)));
    // Entries of earlier versions have no size: a date less than a second away matches.
    EXPECT_TRUE(record.contains(u"/b/a.jpg"_s, at(1000.6, 123)));
    EXPECT_FALSE(record.contains(u"/b/a.jpg"_s, at(1001.0, 123)));
    EXPECT_FALSE(record.contains(u"/b/other.jpg"_s, at(1000.0, 123)));
}

// Today's dates to the nanosecond survive the stored seconds, which hold them to about 0.2 µs: a file
// recorded before a restart is still the same version after it, and one saved a microsecond later is not.
TEST_F(UploadedRecordTest, VersionsWithinOneSecondAreToldApartAndEntriesGoWithTheirFiles)
{
    const FileVersion today{7, 1'796'692'975'123'456'789};
    {
        UploadedRecord record(&store, connection);
        record.record(u"/a/card.jpg"_s, at(1000.25, 4000));
        EXPECT_TRUE(record.contains(u"/a/card.jpg"_s, at(1000.25, 4000)));
        EXPECT_FALSE(record.contains(u"/a/card.jpg"_s, at(1000.25, 4001))) << "another card's file";
        EXPECT_FALSE(record.contains(u"/a/card.jpg"_s, at(1000.5, 4000))) << "saved again in that second";
        record.record(u"/a/today.jpg"_s, today);
        // A burst recorded just before the record goes is in the store all the same.
        for (int i = 0; i < 200; ++i) {
            record.record(u"/a/burst-%1.jpg"_s.arg(i), at(2000.0 + i, i));
        }
    }
    const UploadedRecord reread(&store, connection);
    EXPECT_TRUE(reread.contains(u"/a/card.jpg"_s, at(1000.25, 4000)));
    EXPECT_FALSE(reread.contains(u"/a/card.jpg"_s, at(1000.25, 4001)));
    EXPECT_TRUE(reread.contains(u"/a/burst-199.jpg"_s, at(2199.0, 199)));
    EXPECT_TRUE(reread.contains(u"/a/today.jpg"_s, today));
    EXPECT_FALSE(reread.contains(u"/a/today.jpg"_s, {7, today.modifiedNs + 1000}));
    const QString key = UploadedRecord::keyFor(connection);
    EXPECT_EQ(store.realDictionaryValue(key)->size(), 202);
    EXPECT_EQ(store.realDictionaryValue(UploadedRecord::sizesKeyFor(key))->size(), 202);

    // Entries stay while their files exist, however many, and go with them.
    connection.localFolder = env.makeDir(u"watched"_s);
    PreferencesStore::RealDictionary many;
    for (int i = 0; i < 10003; ++i) { // 3 of them below the folder, their files gone
        many.insert((i < 10000 ? u"/elsewhere"_s : connection.localFolder) + u"/%1.jpg"_s.arg(i), i);
    }
    store.setRealDictionary(UploadedRecord::keyFor(connection), many);
    const QString kept = env.writeFile(u"watched/kept.jpg"_s, "k");
    UploadedRecord record(&store, connection);
    record.record(kept, at(1.0, 1));
    EXPECT_EQ(record.dates().size(), 10004) << "no entry is evicted for room";

    record.forgetMissingBelow(connection.localFolder);
    EXPECT_EQ(record.dates().size(), 10001);
    EXPECT_TRUE(record.contains(kept, at(1.0, 1)));
    EXPECT_TRUE(record.dates().contains(u"/elsewhere/1.jpg"_s)) << "outside the folder: left";
    EXPECT_EQ(store.realDictionaryValue(UploadedRecord::keyFor(connection))->size(), 10001);
}
