#include "records/StatsService.h"

#include "platform/AppPaths.h"
#include "platform/PreferencesStore.h"
#include "support/TestEnvironment.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

using namespace ondrix;
using ondrix::test::TestEnvironment;

namespace {

struct Fixture {
    TestEnvironment env;
    PreferencesStore store{AppPaths::preferencesFile()};
    // Local wall-clock time the services see; tests move it.
    std::shared_ptr<QDateTime> now = std::make_shared<QDateTime>(QDate(2025, 6, 10), QTime(14, 30));
    StatsService::Clock clock()
    {
        return [now = now] { return *now; };
    }
};

} // namespace

TEST(StatsService, UploadsAreCountedAndKept)
{
    Fixture f;
    {
        StatsService stats(f.store, f.clock());
        EXPECT_EQ(stats.currentDay(), QStringLiteral("2025-06-10"));
        EXPECT_FALSE(stats.lastActivityText().has_value());
        EXPECT_EQ(stats.todaySummary(), QStringLiteral("0 files (0 B)"));
        QSignalSpy today(&stats, &StatsService::todayFilesChanged);
        QSignalSpy yesterday(&stats, &StatsService::yesterdayFilesChanged);
        stats.recordUpload(1536);
        EXPECT_EQ(stats.todaySummary(), QStringLiteral("1 file (1.5 KB)"));
        EXPECT_EQ(f.store.integerValue(StatsService::kTodayFiles), 1);
        // The second upload of a burst is stored later, at the latest when the service goes.
        stats.recordUpload(1048576);
        EXPECT_EQ(stats.todaySummary(), QStringLiteral("2 files (1.0 MB)"));
        EXPECT_EQ(today.count(), 2);
        EXPECT_EQ(yesterday.count(), 0);
        EXPECT_EQ(stats.lastActivityDate(), *f.now);
    }
    EXPECT_EQ(f.store.integerValue(StatsService::kTodayFiles), 2);
    EXPECT_EQ(f.store.doubleValue(StatsService::kTotalBytes), 1536 + 1048576);
    EXPECT_EQ(f.store.stringValue(StatsService::kCurrentDay), QStringLiteral("2025-06-10"));
    EXPECT_EQ(f.store.doubleValue(StatsService::kLastActivity), double(f.now->toSecsSinceEpoch()));

    StatsService reloaded(f.store, f.clock());
    EXPECT_EQ(reloaded.todayFiles(), 2);
    EXPECT_EQ(reloaded.totalBytes(), 1536 + 1048576);
    EXPECT_EQ(reloaded.lastActivityDate(), *f.now);
}

TEST(StatsService, NewDayMovesTodayToYesterday)
{
    Fixture f;
    // Counters left on an earlier day are rolled over at creation and written back.
    f.store.setString(StatsService::kCurrentDay, QStringLiteral("2025-06-01"));
    f.store.setInteger(StatsService::kTodayFiles, 7);
    f.store.setInteger(StatsService::kTodayBytes, 2048);
    f.store.setInteger(StatsService::kTotalFiles, 40);
    f.store.setInteger(StatsService::kYesterdayFiles, 99);
    StatsService stats(f.store, f.clock());
    EXPECT_EQ(stats.yesterdayFiles(), 7);
    EXPECT_EQ(stats.yesterdayBytes(), 2048);
    EXPECT_EQ(stats.todayFiles(), 0);
    EXPECT_EQ(stats.totalFiles(), 40);
    EXPECT_EQ(f.store.integerValue(StatsService::kYesterdayFiles), 7);
    EXPECT_EQ(f.store.integerValue(StatsService::kTodayFiles), 0);
    EXPECT_EQ(f.store.stringValue(StatsService::kCurrentDay), QStringLiteral("2025-06-10"));

    // Midnight passes while running: noticed by todaySummary, not by totalSummary.
    stats.recordUpload(10);
    *f.now = QDateTime(QDate(2025, 6, 11), QTime(0, 0, 1));
    EXPECT_EQ(stats.totalSummary(), QStringLiteral("41 files (10 B)"));
    EXPECT_EQ(stats.todayFiles(), 1);
    EXPECT_EQ(stats.todaySummary(), QStringLiteral("0 files (0 B)"));
    EXPECT_EQ(stats.yesterdayFiles(), 1);

    // After a week without uploads, yesterday is the last day used; a rollover onto an empty day empties it.
    stats.recordUpload(5);
    *f.now = QDateTime(QDate(2025, 6, 18), QTime(9, 0));
    stats.recordUpload(6);
    EXPECT_EQ(stats.yesterdayFiles(), 1);
    EXPECT_EQ(stats.yesterdayBytes(), 5);
    *f.now = f.now->addDays(1);
    stats.checkDayRollover();
    *f.now = f.now->addDays(1);
    stats.checkDayRollover();
    EXPECT_EQ(stats.yesterdayFiles(), 0);
}

TEST(StatsService, StoredByteCountsMustBeWholeNumbers)
{
    Fixture f;
    f.store.setDouble(StatsService::kTodayBytes, 2.5);
    f.store.setDouble(StatsService::kTotalBytes, 1e30);
    f.store.setString(StatsService::kYesterdayBytes, QStringLiteral("4096"));
    f.store.setDouble(StatsService::kLastActivity, -5);
    f.store.setString(StatsService::kCurrentDay, QStringLiteral("2025-06-10"));
    StatsService stats(f.store, f.clock());
    EXPECT_EQ(stats.todayBytes(), 0);
    EXPECT_EQ(stats.totalBytes(), 0);
    EXPECT_EQ(stats.yesterdayBytes(), 4096);
    EXPECT_FALSE(stats.lastActivityDate().isValid());
}

TEST(StatsService, FormatBytesBoundaries)
{
    const struct {
        qint64 bytes;
        const char* text;
    } cases[] = {
        {0, "0 B"},          {1023, "1023 B"},          {1024, "1.0 KB"},        {1048575, "1024.0 KB"},
        {1048576, "1.0 MB"}, {1073741823, "1024.0 MB"}, {1073741824, "1.00 GB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StatsService::formatBytes(c.bytes), QLatin1String(c.text)) << c.bytes;
    }
}

TEST(StatsService, LastActivityTextBoundaries)
{
    Fixture f;
    StatsService stats(f.store, f.clock());
    stats.recordUpload(1);
    const QDateTime uploaded = *f.now;
    const struct {
        qint64 msLater;
        const char* text;
    } cases[] = {
        {-10000, "just now"}, {4999, "just now"},         {5000, "5s ago"},    {59999, "59s ago"},
        {60000, "1 min ago"}, {3599000, "59 min ago"},    {3600000, "1h ago"}, {86399000, "23h ago"},
        {86400000, "1d ago"}, {50LL * 3600000, "2d ago"},
    };
    for (const auto& c : cases) {
        *f.now = uploaded.addMSecs(c.msLater);
        EXPECT_EQ(stats.lastActivityText(), QLatin1String(c.text)) << c.msLater;
    }
}
