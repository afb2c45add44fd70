#include "engine/InFlightFiles.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;

TEST(InFlightFilesTest, OneStageAFileAtATimeCountedFromItAndFailedFilesWaitLongerEachTime)
{
    InFlightFiles files;
    files.awaitStability(u"/w/a.jpg"_s);
    UploadJob b{.localPath = u"/w/b.jpg"_s}, c{.localPath = u"/w/c.jpg"_s};
    files.queue(b.localPath, b);
    files.queue(c.localPath, c);
    EXPECT_TRUE(files.contains(u"/w/a.jpg"_s));
    EXPECT_EQ(files.queuedCount(), 2) << "waiting for stability is not queued";
    EXPECT_TRUE(files.activeJobs().isEmpty());

    c.status = UploadStatus::uploading(0.0);
    b.status = UploadStatus::uploading(0.0);
    EXPECT_TRUE(files.updateJob(c));
    EXPECT_TRUE(files.updateJob(b));
    UploadJob stranger = b;
    stranger.id = QUuid::createUuid();
    EXPECT_FALSE(files.updateJob(stranger)) << "a job the file no longer has";
    b.status = UploadStatus::uploading(0.5);
    files.updateJob(b);
    ASSERT_EQ(files.activeJobs().size(), 2);
    EXPECT_EQ(files.activeJobs()[0].id, c.id); // in the order they started
    EXPECT_EQ(files.activeJobs()[1].status, UploadStatus::uploading(0.5));

    EXPECT_EQ(files.dropWaiting(), QStringList{u"/w/a.jpg"_s});
    EXPECT_EQ(files.queuedCount(), 2) << "uploads under way stay";
    files.remove(u"/w/b.jpg"_s);
    EXPECT_EQ(files.queuedCount(), 1);
    // Counts are kept as stages change, also when a file goes back a stage.
    files.awaitStability(u"/w/c.jpg"_s);
    EXPECT_EQ(files.queuedCount(), 0);
    EXPECT_TRUE(files.activeJobs().isEmpty());
    files.queue(u"/w/c.jpg"_s, c);
    files.queue(u"/w/c.jpg"_s, c);
    EXPECT_EQ(files.queuedCount(), 1);

    // Failed files wait longer each time, up to the cap, unless they change.
    files.setBackOff(1000, 5000);
    const QString path = u"/w/a.jpg"_s;
    files.failed(path, 0, 7);
    EXPECT_TRUE(files.isHeldBack(path, 999, 7));
    EXPECT_FALSE(files.isHeldBack(path, 1000, 7));
    EXPECT_FALSE(files.isHeldBack(path, 10, 8)) << "a new version is not held back";
    files.failed(path, 1000, 7);
    EXPECT_TRUE(files.isHeldBack(path, 2999, 7));
    EXPECT_FALSE(files.isHeldBack(path, 3000, 7));
    for (int i = 0; i < 10; ++i) {
        files.failed(path, 0, 7);
    }
    EXPECT_TRUE(files.isHeldBack(path, 4999, 7));
    EXPECT_FALSE(files.isHeldBack(path, 5000, 7)) << "capped";
    files.succeeded(path);
    EXPECT_FALSE(files.isHeldBack(path, 0, 7));
    files.failed(path, 0, 7);
    files.clearBackOffs();
    EXPECT_FALSE(files.isHeldBack(path, 0, 7));
}

// The engine's scans offer every file not held back; each attempt on a dead server logs its stability wait,
// its queueing and its failure. Scans run every two seconds while failed files wait.
TEST(InFlightFilesTest, ADayOfADeadServerLogsAFewThousandLinesAndItsReturnSendsEveryFileSoon)
{
    InFlightFiles files;
    // A server restart fails every file at once: one failure, retried after the first back-off.
    QStringList paths;
    for (int i = 0; i < 50; ++i) {
        paths.append(u"/w/%1.jpg"_s.arg(i));
        files.failed(paths.last(), 0, 1);
    }
    EXPECT_FALSE(files.isHeldBack(paths[0], InFlightFiles::kDefaultFirstBackOffMs, 1));
    files.clearBackOffs();
    constexpr qint64 scanMs = 2000;
    constexpr qint64 dayMs = 24LL * 3600 * 1000;
    int attempts = 0;
    qint64 now = 0;
    for (; now < dayMs; now += scanMs) {
        for (const QString& path : paths) {
            if (!files.isHeldBack(path, now, 1)) {
                ++attempts;
                files.failed(path, now, 1);
            }
        }
    }
    EXPECT_LE(3 * attempts, 3000); // lines
    EXPECT_FALSE(files.isHeldBack(u"/w/new.jpg"_s, now, 1)) << "a new file goes at once";
    EXPECT_FALSE(files.isHeldBack(paths[7], now, 2)) << "so does a changed one";

    // The server is back: the next attempt succeeds, and every file has gone within one longest back-off.
    QStringList waiting = paths;
    const qint64 back = now;
    for (; !waiting.isEmpty() && now < back + InFlightFiles::kDefaultMaxBackOffMs + scanMs; now += scanMs) {
        for (qsizetype i = 0; i < waiting.size();) {
            if (files.isHeldBack(waiting[i], now, 1)) {
                ++i;
            } else {
                files.succeeded(waiting.takeAt(i));
            }
        }
    }
    EXPECT_TRUE(waiting.isEmpty()) << waiting.size() << " files still held back";
}
