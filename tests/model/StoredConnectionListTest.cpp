#include "model/StoredConnectionList.h"

#include "platform/PreferencesStore.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;

// An absent or readable list is no problem and is not copied. An unreadable one is named with its key and
// the reason, and copied aside before anything can write over it; the same value read again keeps its one
// copy, a different one gets a copy of its own.
TEST(StoredConnectionList, OnlyUnreadableValuesAreReportedAndCopiedAside)
{
    const test::TestEnvironment env;
    PreferencesStore store{env.configHome() + u"/Ondrix/preferences.sqlite"_s};
    const QString key = u"push_connections"_s;
    EXPECT_EQ(StoredConnectionList::read(store, key).problem, QString());
    const PushConnection connection{.name = u"Agency"_s};
    store.setData(key, PushConnection::encodeList({connection}));
    const StoredConnectionList readable = StoredConnectionList::read(store, key);
    EXPECT_EQ(readable.connections, QList<PushConnection>{connection});
    EXPECT_EQ(readable.problem, QString());
    EXPECT_FALSE(store.contains(key + u"_unreadable"_s));

    const QByteArray broken = R"([{"id": "0E1D4F5C-8A4B-4C7E-9D1A-2B3C4D5E6F70", "name": "Agency"}])";
    store.setData(key, broken);
    for (int round = 0; round < 2; ++round) {
        const StoredConnectionList stored = StoredConnectionList::read(store, key);
        EXPECT_TRUE(stored.connections.isEmpty());
        for (const QString& named : {u"\"push_connections\""_s, u"connection 1: "_s,
                                     u"\"push_connections_unreadable\""_s, store.path()}) {
            EXPECT_TRUE(stored.problem.contains(named)) << stored.problem.toStdString();
        }
        EXPECT_EQ(stored.backupKey, u"push_connections_unreadable"_s);
    }
    EXPECT_EQ(store.dataValue(u"push_connections_unreadable"_s), broken);
    EXPECT_EQ(store.dataValue(key), broken); // the value itself is left as it is
    EXPECT_FALSE(store.contains(u"push_connections_unreadable_2"_s));

    store.setData(key, "not json");
    EXPECT_EQ(StoredConnectionList::read(store, key).backupKey, u"push_connections_unreadable_2"_s);
    EXPECT_EQ(store.dataValue(u"push_connections_unreadable"_s), broken);
    EXPECT_EQ(store.dataValue(u"push_connections_unreadable_2"_s), QByteArray("not json"));

    // A value of another type (JSON written as text by a script) is kept with its type.
    store.setString(key, u"[]"_s);
    const StoredConnectionList text = StoredConnectionList::read(store, key);
    EXPECT_TRUE(text.problem.contains(u"not data"_s)) << text.problem.toStdString();
    EXPECT_EQ(text.backupKey, u"push_connections_unreadable_3"_s);
    EXPECT_EQ(store.stringValue(text.backupKey), u"[]"_s);
}
