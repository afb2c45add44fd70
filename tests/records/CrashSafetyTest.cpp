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
        ASSERT_TRUE(child.waitForFinished() && child.exitStatus() == QProcess::CrashExit);
        const PreferencesStore store(AppPaths::preferencesFile());
        const qint64 previous = std::exchange(lastCounter, store.integerValue(u"crash_counter"_s));
        // Every entry recorded before the counter was written is there; a whole dictionary is all or nothing.
        const auto uploaded = store.realDictionaryValue(u"ondrix_uploaded_crash"_s);
        const auto whole = store.realDictionaryValue(u"replaced_whole"_s);
        const auto history = HistoryService::decode(readFile(AppPaths::historyFile()));
        EXPECT_TRUE(store.movedAsidePath().isEmpty() && lastCounter > previous && uploaded &&
                    uploaded->size() >= lastCounter && whole && whole->size() == 200 &&
                    QJsonDocument::fromJson(store.dataValue(u"push_connections"_s)).isArray() && history &&
                    !history->isEmpty() && history->size() <= HistoryService::maxEntries)
            << "round " << round;
    }
}
