#include "platform/AppPaths.h"
#include "platform/PreferencesStore.h"
#include "records/HistoryService.h"
#include "support/TestEnvironment.h"

#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;
using namespace ondrix::test;

// A child process writes the history and the store in a tight loop and is killed with SIGKILL at a random
// moment, several times over; whatever it leaves behind must open and decode.
TEST(CrashSafety, FilesDecodeAfterTheWriterIsKilled)
{
    TestEnvironment env;
    qint64 lastCounter = 0;
    for (int round = 0; round < 12; ++round) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(ONDRIX_CRASH_WRITER), {});
        ASSERT_TRUE(child.waitForReadyRead(30000) && child.readAllStandardOutput().startsWith("ready"))
            << "round " << round;
        QTest::qWait(QRandomGenerator::global()->bounded(20, 200));
        child.kill(); // SIGKILL
        ASSERT_TRUE(child.waitForFinished());
        EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

        {
            PreferencesStore store(AppPaths::preferencesFile());
            EXPECT_TRUE(store.movedAsidePath().isEmpty()) << "round " << round;
            const qint64 counter = store.integerValue(u"crash_counter"_s);
            EXPECT_GT(counter, lastCounter);
            lastCounter = counter;
            // Every entry recorded before the counter was written is there.
            const auto uploaded = store.realDictionaryValue(u"ondrix_uploaded_crash"_s);
            ASSERT_TRUE(uploaded.has_value());
            EXPECT_GE(uploaded->size(), counter);
            EXPECT_TRUE(QJsonDocument::fromJson(store.dataValue(u"push_connections"_s)).isArray());
            // A whole-dictionary replacement is all or nothing.
            const auto whole = store.realDictionaryValue(u"replaced_whole"_s);
            ASSERT_TRUE(whole.has_value());
            EXPECT_EQ(whole->size(), 200);
        }

        const auto history = HistoryService::decode(readFile(AppPaths::historyFile()));
        ASSERT_TRUE(history.has_value()) << "round " << round;
        EXPECT_FALSE(history->isEmpty());
        EXPECT_LE(history->size(), HistoryService::maxEntries);
    }
}
