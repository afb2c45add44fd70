#include "records/ConnectionActivity.h"

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;

// Counts are kept per connection; the day counts start again on a new local day while the totals go on; the
// newest error line logged for a connection is kept, lines of other levels or of no connection are not.
TEST(ConnectionActivity, CountsPerConnectionAndDay)
{
    QDateTime now(QDate(2025, 6, 10), QTime(23, 59));
    ConnectionActivity activity([&] { return now; });
    const QUuid a = QUuid::createUuid(), b = QUuid::createUuid();
    activity.recordUploads(a, 2, 300);
    activity.recordUploads(a, 0, 0);
    activity.recordFailure(b);
    activity.recordFailure(b);
    now = now.addSecs(120);
    EXPECT_EQ(activity.counters(a).todayFiles, 0) << "a new day";
    activity.recordUploads(a, 1, 50);

    EXPECT_EQ(activity.counters(a), (ConnectionActivity::Counters{3, 350, 0, 1, 50, now.date(), now}));
    EXPECT_EQ(std::pair(activity.counters(b).failedFiles, activity.counters(b).lastSuccess),
              std::pair(qint64(2), QDateTime()));

    const QDateTime at(QDate(2025, 6, 11), QTime(8, 0));
    const auto entry = [&](LogEntry::LogLevel level, const QUuid& id, const char* detail) {
        return LogEntry{QUuid::createUuid(),        at, level, u"[b] "_s + QLatin1String(detail), id, {},
                        QString::fromLatin1(detail)};
    };
    using L = LogEntry::LogLevel;
    activity.noteLogEntries({entry(L::error, b, "first"), entry(L::error, b, "second"),
                             entry(L::warning, b, "warn"), entry(L::error, {}, "nobody's")});
    EXPECT_EQ(std::tuple(activity.counters(b).lastError, activity.counters(b).lastErrorTime,
                         activity.counters(a).lastError),
              std::tuple(u"second"_s, at, QString()));
}
