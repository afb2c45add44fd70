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
    EXPECT_EQ(std::tuple(files.contains(u"/w/a.jpg"_s), files.queuedCount(), files.activeJobs().size()),
              std::tuple(true, 2, 0));

    c.status = UploadStatus::uploading(0.0);
    b.status = UploadStatus::uploading(0.0);
    EXPECT_TRUE(files.updateJob(c) && files.updateJob(b));
    UploadJob stranger = b;
    stranger.id = QUuid::createUuid();
    EXPECT_FALSE(files.updateJob(stranger)) << "a job the file no longer has";
    b.status = UploadStatus::uploading(0.5);
    files.updateJob(b);
    EXPECT_EQ(files.activeJobs(), (QList<UploadJob>{c, b})); // in the order they started

    EXPECT_EQ(files.dropWaiting(), QStringList{u"/w/a.jpg"_s});
    EXPECT_EQ(files.queuedCount(), 2) << "uploads under way stay";
    files.remove(u"/w/b.jpg"_s);
    EXPECT_EQ(files.queuedCount(), 1);
    // Counts are kept as stages change, also when a file goes back a stage.
    files.awaitStability(u"/w/c.jpg"_s);
    EXPECT_EQ(std::tuple(files.queuedCount(), files.activeJobs().size()), std::tuple(0, 0));
    files.queue(u"/w/c.jpg"_s, c);
    files.queue(u"/w/c.jpg"_s, c);
    EXPECT_EQ(files.queuedCount(), 1);

    // Failed files wait longer each time, up to the cap, unless they change.
    files.setBackOff(1000, 5000);
    const QString path = u"/w/a.jpg"_s;
    const auto held = [&](qint64 now, qint64 version = 7) { return files.isHeldBack(path, now, version); };
    files.failed(path, 0, 7);
    EXPECT_EQ((std::vector{held(999), held(1000), held(10, 8)}), (std::vector{true, false, false})); // 8: new
    files.failed(path, 1000, 7);
    EXPECT_EQ((std::vector{held(2999), held(3000)}), (std::vector{true, false}));
    for (int i = 0; i < 10; ++i) {
        files.failed(path, 0, 7);
    }
    EXPECT_EQ((std::vector{held(4999), held(5000)}), (std::vector{true, false})) << "capped";
    files.succeeded(path);
    EXPECT_FALSE(held(0));
    files.failed(path, 0, 7);
    files.clearBackOffs();
    EXPECT_FALSE(held(0));
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
