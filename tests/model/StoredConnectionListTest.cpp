#include "model/StoredConnectionList.h"

#include "platform/PreferencesStore.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace ondrix;

namespace {

const QString key = QStringLiteral("push_connections");

class StoredConnectionListTest : public ::testing::Test {
protected:
    test::TestEnvironment env;
    PreferencesStore store{env.configHome() + QStringLiteral("/Ondrix/preferences.sqlite")};
};

} // namespace

// An absent or readable list is no problem and is not copied. An unreadable one is named with its key and
// the reason, and copied aside before anything can write over it; the same value read again keeps its one
// copy, a different one gets a copy of its own.
TEST_F(StoredConnectionListTest, OnlyUnreadableValuesAreReportedAndCopiedAside)
{
    EXPECT_EQ(StoredConnectionList::read(store, key).problem, QString());
    PushConnection connection;
    connection.name = QStringLiteral("Agency");
    store.setData(key, PushConnection::encodeList({connection}));
    const StoredConnectionList readable = StoredConnectionList::read(store, key);
    EXPECT_EQ(readable.connections, QList<PushConnection>{connection});
    EXPECT_EQ(readable.problem, QString());
    EXPECT_FALSE(store.contains(key + QStringLiteral("_unreadable")));

    const QByteArray broken = R"([{"id": "0E1D4F5C-8A4B-4C7E-9D1A-2B3C4D5E6F70", "name": "Agency"}])";
    store.setData(key, broken);
    for (int round = 0; round < 2; ++round) {
        const StoredConnectionList stored = StoredConnectionList::read(store, key);
        EXPECT_TRUE(stored.connections.isEmpty());
        for (const QString& named : {QStringLiteral("\"push_connections\""), QStringLiteral("connection 1: "),
                                     QStringLiteral("\"push_connections_unreadable\""), store.path()}) {
            EXPECT_TRUE(stored.problem.contains(named)) << stored.problem.toStdString();
        }
        EXPECT_EQ(stored.backupKey, QStringLiteral("push_connections_unreadable"));
    }
    EXPECT_EQ(store.dataValue(QStringLiteral("push_connections_unreadable")), broken);
    EXPECT_EQ(store.dataValue(key), broken); // the value itself is left as it is
    EXPECT_FALSE(store.contains(QStringLiteral("push_connections_unreadable_2")));

    store.setData(key, "not json");
    EXPECT_EQ(StoredConnectionList::read(store, key).backupKey,
              QStringLiteral("push_connections_unreadable_2"));
    EXPECT_EQ(store.dataValue(QStringLiteral("push_connections_unreadable")), broken);
    EXPECT_EQ(store.dataValue(QStringLiteral("push_connections_unreadable_2")), QByteArray("not json"));

    // A value of another type (JSON written as text by a script) is kept with its type.
    store.setString(key, QStringLiteral("[]"));
    const StoredConnectionList text = StoredConnectionList::read(store, key);
    EXPECT_TRUE(text.problem.contains(QStringLiteral("not data"))) << text.problem.toStdString();
    EXPECT_EQ(text.backupKey, QStringLiteral("push_connections_unreadable_3"));
    EXPECT_EQ(store.stringValue(text.backupKey), QStringLiteral("[]"));
}
