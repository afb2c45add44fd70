#include "records/StatsService.h"

#include "platform/AppPaths.h"
#include "platform/PreferencesStore.h"
#include "support/TestEnvironment.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;

namespace {

class StatsServiceTest : public ::testing::Test {
protected:
    ondrix::test::TestEnvironment env;
    PreferencesStore store{AppPaths::preferencesFile()};
    QDateTime now{QDate(2025, 6, 10), QTime(14, 30)};
    StatsService::Clock clock = [this] { return now; };
};

} // namespace

TEST_F(StatsServiceTest, UploadsAreCountedAndKept)
{
    {
        StatsService stats(store, clock);
        EXPECT_EQ(std::pair(stats.lastActivityText(), stats.todaySummary()),
                  std::pair(std::optional<QString>(), u"0 files (0 B)"_s));
        QSignalSpy today(&stats, &StatsService::todayFilesChanged);
        stats.recordUpload(1536);
        EXPECT_EQ(std::pair(stats.todaySummary(), store.integerValue(StatsService::kTodayFiles)),
                  std::pair(u"1 file (1.5 KB)"_s, qint64(1)));
        // The second upload of a burst is stored later, at the latest when the service goes.
        stats.recordUpload(1048576);
        EXPECT_EQ(std::pair(stats.todaySummary(), today.count()),
                  std::pair(u"2 files (1.0 MB)"_s, qsizetype(2)));
    }
    EXPECT_EQ(std::tuple(store.integerValue(StatsService::kTodayFiles),
                         store.doubleValue(StatsService::kTotalBytes),
                         store.stringValue(StatsService::kCurrentDay),
                         store.doubleValue(StatsService::kLastActivity)),
              std::tuple(qint64(2), 1536.0 + 1048576, u"2025-06-10"_s, double(now.toSecsSinceEpoch())));
    StatsService reloaded(store, clock);
    EXPECT_EQ(std::tuple(reloaded.todayFiles(), reloaded.totalBytes(), reloaded.lastActivityDate()),
              std::tuple(2, 1536 + 1048576, now));

    const QDateTime uploaded = now;
    const std::pair<qint64, const char*> ages[] = {
        {-10000, "just now"}, {4999, "just now"},         {5000, "5s ago"},    {59999, "59s ago"},
        {60000, "1 min ago"}, {3599000, "59 min ago"},    {3600000, "1h ago"}, {86399000, "23h ago"},
        {86400000, "1d ago"}, {50LL * 3600000, "2d ago"},
    };
    for (const auto& [msLater, text] : ages) {
        now = uploaded.addMSecs(msLater);
        EXPECT_EQ(reloaded.lastActivityText(), QLatin1String(text)) << msLater;
    }
}

TEST_F(StatsServiceTest, NewDayMovesTodayToYesterday)
{
    store.setString(StatsService::kCurrentDay, u"2025-06-01"_s);
    store.setInteger(StatsService::kTodayFiles, 7);
    store.setInteger(StatsService::kTodayBytes, 2048);
    store.setInteger(StatsService::kTotalFiles, 40);
    store.setInteger(StatsService::kYesterdayFiles, 99);
    StatsService stats(store, clock);
    EXPECT_EQ(std::tuple(stats.yesterdayFiles(), stats.yesterdayBytes(), stats.totalFiles(),
                         store.integerValue(StatsService::kYesterdayFiles),
                         store.integerValue(StatsService::kTodayFiles),
                         store.stringValue(StatsService::kCurrentDay)),
              std::tuple(7, 2048, 40, 7, 0, u"2025-06-10"_s));

    // Midnight passes while running: noticed by todaySummary, not by totalSummary.
    stats.recordUpload(10);
    now = QDateTime(QDate(2025, 6, 11), QTime(0, 0, 1));
    EXPECT_EQ(stats.totalSummary(), u"41 files (10 B)"_s);
    EXPECT_EQ(stats.todayFiles(), 1); // not rolled over by the total
    EXPECT_EQ(stats.todaySummary(), u"0 files (0 B)"_s);
    EXPECT_EQ(stats.yesterdayFiles(), 1);

    // After a week without uploads, yesterday is the last day used; a rollover onto an empty day empties it.
    stats.recordUpload(5);
    now = QDateTime(QDate(2025, 6, 18), QTime(9, 0));
    stats.recordUpload(6);
    EXPECT_EQ(std::pair(stats.yesterdayFiles(), stats.yesterdayBytes()), std::pair(qint64(1), qint64(5)));
    for (int day = 0; day < 2; ++day) {
        now = now.addDays(1);
        stats.checkDayRollover();
    }
    EXPECT_EQ(stats.yesterdayFiles(), 0);
}

TEST_F(StatsServiceTest, StoredByteCountsMustBeWholeNumbers)
{
    store.setDouble(StatsService::kTodayBytes, 2.5);
    store.setDouble(StatsService::kTotalBytes, 1e30);
    store.setString(StatsService::kYesterdayBytes, u"4096"_s);
    store.setDouble(StatsService::kLastActivity, -5);
    store.setString(StatsService::kCurrentDay, u"2025-06-10"_s);
    StatsService stats(store, clock);
    EXPECT_EQ(std::tuple(stats.todayBytes(), stats.totalBytes(), stats.yesterdayBytes(),
                         stats.lastActivityDate().isValid()),
              std::tuple(0, 0, 4096, false));

    const std::pair<qint64, const char*> sizes[] = {
        {0, "0 B"},          {1023, "1023 B"},          {1024, "1.0 KB"},        {1048575, "1024.0 KB"},
        {1048576, "1.0 MB"}, {1073741823, "1024.0 MB"}, {1073741824, "1.00 GB"},
    };
    for (const auto& [bytes, text] : sizes) {
        EXPECT_EQ(StatsService::formatBytes(bytes), QLatin1String(text)) << bytes;
    }
}
