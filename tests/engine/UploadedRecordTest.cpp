#include "engine/UploadedRecord.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace ondrix;
using ondrix::test::TestEnvironment;

namespace {

// A version dated `seconds` after 1970 with `size` bytes.
FileVersion at(double seconds, qint64 size)
{
    return {size, FileVersion::nanoseconds(seconds)};
}

class UploadedRecordTest : public ::testing::Test {
protected:
    UploadedRecordTest()
        : store(env.root() + QStringLiteral("/preferences.sqlite"))
    {
        connection.host = QStringLiteral("h");
        connection.localFolder = QStringLiteral("/a");
        connection.remoteFolder = QStringLiteral("/");
    }

    TestEnvironment env;
    PreferencesStore store;
    PushConnection connection;
};

} // namespace

TEST_F(UploadedRecordTest, KeysIgnoreATrailingSlashAndEarlierRecordsMoveOver)
{
    EXPECT_EQ(UploadedRecord::keyFor(connection), QStringLiteral("ondrix_uploaded_6953608075076"));
    PushConnection slashed = connection;
    slashed.localFolder = QStringLiteral("/a/");
    EXPECT_EQ(UploadedRecord::keyFor(slashed), UploadedRecord::keyFor(connection));

    // A record stored under the folder as it was written, with its slash, is found and moved.
    const QString raw = UploadedRecord::unnormalisedKeyFor(slashed);
    ASSERT_NE(raw, UploadedRecord::keyFor(connection));
    store.setRealDictionary(raw, {{QStringLiteral("/a/x.jpg"), 5.0}});
    EXPECT_TRUE(UploadedRecord(&store, slashed).contains(QStringLiteral("/a/x.jpg"), at(5.0, 1)));
    EXPECT_FALSE(store.contains(raw));
    EXPECT_EQ(store.realDictionaryValue(UploadedRecord::keyFor(connection))->size(), 1);

    // The id-based key of the first versions, also when an empty record sits under the new key.
    PushConnection other = connection;
    other.localFolder = QStringLiteral("/b");
    store.setRealDictionary(UploadedRecord::keyFor(other), {});
    store.setRealDictionary(UploadedRecord::legacyKeyFor(other), {{QStringLiteral("/b/a.jpg"), 1000.0}});
    const UploadedRecord record(&store, other);
    EXPECT_EQ(record.dates().value(QStringLiteral("/b/a.jpg")), 1000.0);
    EXPECT_FALSE(store.contains(UploadedRecord::legacyKeyFor(other)));
    // Entries of earlier versions have no size: a date less than a second away matches.
    EXPECT_TRUE(record.contains(QStringLiteral("/b/a.jpg"), at(1000.6, 123)));
    EXPECT_FALSE(record.contains(QStringLiteral("/b/a.jpg"), at(1001.0, 123)));
    EXPECT_FALSE(record.contains(QStringLiteral("/b/other.jpg"), at(1000.0, 123)));
}

TEST_F(UploadedRecordTest, VersionsWithinOneSecondAreToldApartBySizeAndDate)
{
    {
        UploadedRecord record(&store, connection);
        record.record(QStringLiteral("/a/card.jpg"), at(1000.25, 4000));
        EXPECT_TRUE(record.contains(QStringLiteral("/a/card.jpg"), at(1000.25, 4000)));
        EXPECT_FALSE(record.contains(QStringLiteral("/a/card.jpg"), at(1000.25, 4001)))
            << "another card's file";
        EXPECT_FALSE(record.contains(QStringLiteral("/a/card.jpg"), at(1000.5, 4000)))
            << "saved again in that second";
        // A burst recorded just before the record goes is in the store all the same.
        for (int i = 0; i < 200; ++i) {
            record.record(QStringLiteral("/a/burst-%1.jpg").arg(i), at(2000.0 + i, i));
        }
    }

    // Sizes survive a restart.
    const UploadedRecord reread(&store, connection);
    EXPECT_TRUE(reread.contains(QStringLiteral("/a/card.jpg"), at(1000.25, 4000)));
    EXPECT_FALSE(reread.contains(QStringLiteral("/a/card.jpg"), at(1000.25, 4001)));
    EXPECT_TRUE(reread.contains(QStringLiteral("/a/burst-199.jpg"), at(2199.0, 199)));
    EXPECT_EQ(store.realDictionaryValue(UploadedRecord::keyFor(connection))->size(), 201);
    EXPECT_EQ(
        store.realDictionaryValue(UploadedRecord::sizesKeyFor(UploadedRecord::keyFor(connection)))->size(),
        201);
    // Today's dates to the nanosecond survive the stored seconds, which hold them to about 0.2 µs: a file
    // recorded before a restart is still the same version after it, and one saved a microsecond later is not.
    const FileVersion today{7, 1'796'692'975'123'456'789};
    UploadedRecord(&store, connection).record(QStringLiteral("/a/today.jpg"), today);
    const UploadedRecord restarted(&store, connection);
    EXPECT_TRUE(restarted.contains(QStringLiteral("/a/today.jpg"), today));
    EXPECT_FALSE(restarted.contains(QStringLiteral("/a/today.jpg"), {7, today.modifiedNs + 1000}));
}

TEST_F(UploadedRecordTest, EntriesStayWhileTheirFilesExistAndGoWithThem)
{
    connection.localFolder = env.makeDir(QStringLiteral("watched"));
    PreferencesStore::RealDictionary many;
    for (int i = 0; i < 10000; ++i) {
        many.insert(QStringLiteral("/elsewhere/%1.jpg").arg(i), i);
    }
    for (int i = 0; i < 3; ++i) {
        many.insert(connection.localFolder + QStringLiteral("/gone-%1.jpg").arg(i), i);
    }
    store.setRealDictionary(UploadedRecord::keyFor(connection), many);
    const QString kept = env.writeFile(QStringLiteral("watched/kept.jpg"), "k");
    UploadedRecord record(&store, connection);
    record.record(kept, at(1.0, 1));
    EXPECT_EQ(record.dates().size(), 10004) << "no entry is evicted for room";

    record.forgetMissingBelow(connection.localFolder);
    EXPECT_EQ(record.dates().size(), 10001);
    EXPECT_TRUE(record.contains(kept, at(1.0, 1)));
    EXPECT_FALSE(record.dates().contains(connection.localFolder + QStringLiteral("/gone-1.jpg")));
    EXPECT_TRUE(record.dates().contains(QStringLiteral("/elsewhere/1.jpg"))) << "outside the folder: left";
    EXPECT_EQ(store.realDictionaryValue(UploadedRecord::keyFor(connection))->size(), 10001);
}
