#include "engine/InFlightFiles.h"

#include <gtest/gtest.h>

using namespace ondrix;

TEST(InFlightFilesTest, OneStageAFileAtATimeAndCountsFromIt)
{
    InFlightFiles files;
    files.awaitStability(QStringLiteral("/w/a.jpg"));
    UploadJob b;
    b.localPath = QStringLiteral("/w/b.jpg");
    files.queue(QStringLiteral("/w/b.jpg"), b);
    UploadJob c;
    c.localPath = QStringLiteral("/w/c.jpg");
    files.queue(QStringLiteral("/w/c.jpg"), c);
    EXPECT_TRUE(files.contains(QStringLiteral("/w/a.jpg")));
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
    EXPECT_EQ(files.activeJobs()[0].id, c.id) << "in the order they started";
    EXPECT_EQ(files.activeJobs()[1].status, UploadStatus::uploading(0.5));

    EXPECT_EQ(files.dropWaiting(), QStringList{QStringLiteral("/w/a.jpg")});
    EXPECT_EQ(files.queuedCount(), 2) << "uploads under way stay";
    files.remove(QStringLiteral("/w/b.jpg"));
    EXPECT_EQ(files.queuedCount(), 1);
    // Counts are kept as stages change, also when a file goes back a stage.
    files.awaitStability(QStringLiteral("/w/c.jpg"));
    EXPECT_EQ(files.queuedCount(), 0);
    EXPECT_TRUE(files.activeJobs().isEmpty());
    files.queue(QStringLiteral("/w/c.jpg"), c);
    files.queue(QStringLiteral("/w/c.jpg"), c);
    EXPECT_EQ(files.queuedCount(), 1);
}

TEST(InFlightFilesTest, FailedFilesWaitLongerEachTimeUpToTheCapUnlessTheyChange)
{
    InFlightFiles files;
    files.setBackOff(1000, 5000);
    const QString path = QStringLiteral("/w/a.jpg");
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
