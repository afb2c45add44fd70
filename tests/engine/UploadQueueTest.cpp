#include "engine/UploadQueue.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <ostream>

// Readable failure output for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

using namespace ondrix;

namespace {

QString nameOf(const UploadJob& job)
{
    return QFileInfo(job.localPath).fileName();
}

UploadJob makeJob(const QString& name)
{
    UploadJob job;
    job.connectionId = QUuid::fromString(QStringLiteral("{7d3c9c1e-0f0a-4a44-9d38-1b7e1f1d2c3a}"));
    job.localPath = QStringLiteral("/watched/") + name;
    job.remoteRelativePath = name;
    job.bytesTotal = 100;
    return job;
}

// An upload function the test controls: each transfer blocks on its pool thread until the test releases it
// by file name, then succeeds (or fails when told so).
class TransferGate {
public:
    UploadResult perform(const UploadJob& job, const UploadTaskControl& control)
    {
        std::unique_lock lock(m_mutex);
        const QString name = nameOf(job);
        m_started.append(name);
        m_jobs[name] = job;
        m_controls[name] = control;
        if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
            m_ranOnMainThread = true;
        }
        m_changed.notify_all();
        m_changed.wait(lock, [&] {
            return m_releaseAll || m_released.contains(name) || m_releasedIds.contains(job.id);
        });
        UploadResult result;
        result.job = job;
        result.success = !m_failing.contains(name);
        if (!result.success) {
            result.error = QStringLiteral("550 Permission denied");
        }
        result.bytesUploaded = result.success ? job.bytesTotal : 0;
        return result;
    }

    void release(const QString& name, bool fail = false)
    {
        std::lock_guard lock(m_mutex);
        if (fail) {
            m_failing.insert(name);
        }
        m_released.insert(name);
        m_changed.notify_all();
    }
    void release(const QUuid& jobId)
    {
        std::lock_guard lock(m_mutex);
        m_releasedIds.insert(jobId);
        m_changed.notify_all();
    }
    void releaseAll()
    {
        std::lock_guard lock(m_mutex);
        m_releaseAll = true;
        m_changed.notify_all();
    }
    QStringList started() const
    {
        std::lock_guard lock(m_mutex);
        return m_started;
    }
    UploadJob jobHandedOver(const QString& name) const
    {
        std::lock_guard lock(m_mutex);
        return m_jobs.at(name);
    }
    UploadTaskControl control(const QString& name) const
    {
        std::lock_guard lock(m_mutex);
        return m_controls.at(name);
    }
    bool ranOnMainThread() const
    {
        std::lock_guard lock(m_mutex);
        return m_ranOnMainThread;
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    QStringList m_started;
    std::map<QString, UploadJob> m_jobs;
    std::map<QString, UploadTaskControl> m_controls;
    QSet<QString> m_released;
    QSet<QString> m_failing;
    QSet<QUuid> m_releasedIds;
    bool m_releaseAll = false;
    bool m_ranOnMainThread = false;
};

class UploadQueueTest : public ::testing::Test {
protected:
    void SetUp() override { m_pool.setMaxThreadCount(8); }

    void TearDown() override
    {
        m_gate.releaseAll();
        m_pool.waitForDone();
        EXPECT_FALSE(m_gate.ranOnMainThread());
        EXPECT_FALSE(m_callbackOffMainThread);
    }

    std::unique_ptr<UploadQueue> makeQueue(int concurrency)
    {
        auto queue = std::make_unique<UploadQueue>(concurrency, &m_pool);
        queue->setCallbacks([this](const UploadJob& job,
                                   const UploadTaskControl& control) { return m_gate.perform(job, control); },
                            [this](const QList<UploadResult>& results) {
                                checkThread();
                                EXPECT_FALSE(results.isEmpty());
                                ++m_resultBatches;
                                for (const UploadResult& result : results) {
                                    m_results.append(result);
                                    m_log.append(QStringLiteral("done ") + nameOf(result.job));
                                }
                            },
                            [this](const UploadJob& job) {
                                checkThread();
                                m_updates.append(job);
                                if (job.status == UploadStatus::uploading(0.0) && job.bytesUploaded == 0) {
                                    m_log.append(QStringLiteral("start ") + nameOf(job));
                                }
                            });
        return queue;
    }

    void checkThread()
    {
        if (QThread::currentThread() != QCoreApplication::instance()->thread()) {
            m_callbackOffMainThread = true;
        }
    }

    bool waitForStarted(int count)
    {
        return QTest::qWaitFor([&] { return m_gate.started().size() >= count; });
    }
    // Waits for transfers to start while the main thread runs no event.
    bool startedWithoutEvents(int count)
    {
        for (int i = 0; i < 5000 && m_gate.started().size() < count; ++i) {
            QThread::msleep(1);
        }
        return m_gate.started().size() >= count;
    }
    bool waitForResults(int count)
    {
        return QTest::qWaitFor([&] { return m_results.size() >= count; });
    }

    QThreadPool m_pool;
    TransferGate m_gate;
    QList<UploadJob> m_updates;
    QList<UploadResult> m_results;
    int m_resultBatches = 0;
    QStringList m_log;
    bool m_callbackOffMainThread = false;
};

TEST_F(UploadQueueTest, ClampsConcurrencyAndNeverRunsMoreThanThat)
{
    EXPECT_EQ(UploadQueue(-4, &m_pool).maxConcurrent(), 1);

    auto queue = makeQueue(7);
    for (int i = 0; i < 8; ++i) {
        queue->enqueue(makeJob(QStringLiteral("f%1.jpg").arg(i)));
    }
    EXPECT_EQ(queue->activeCount(), 5);
    EXPECT_EQ(queue->pendingCount(), 3);
    ASSERT_TRUE(waitForStarted(5));
    m_gate.release(QStringLiteral("f0.jpg"));
    ASSERT_TRUE(waitForStarted(6));
    EXPECT_EQ(queue->activeCount(), 5);
    EXPECT_EQ(m_gate.started().last(), QStringLiteral("f5.jpg"));

    // A lower limit lets the running transfers finish and starts the next job once fewer than it run, also
    // when the jobs handed over in advance would have started at once.
    queue->setMaxConcurrent(2);
    for (const char* name : {"f1.jpg", "f2.jpg", "f3.jpg"}) {
        m_gate.release(QString::fromLatin1(name));
    }
    ASSERT_TRUE(waitForResults(4));
    QTest::qWait(50);
    EXPECT_EQ(m_gate.started().size(), 6) << "two still run";
    m_gate.release(QStringLiteral("f4.jpg"));
    ASSERT_TRUE(waitForStarted(7));
    EXPECT_EQ(m_gate.started().last(), QStringLiteral("f6.jpg"));
    queue->setMaxConcurrent(9);
    EXPECT_EQ(queue->maxConcurrent(), 5);
    ASSERT_TRUE(waitForStarted(8));
}

TEST_F(UploadQueueTest, StartsInArrivalOrderAndReportsEachStepOnTheMainThreadInOrder)
{
    auto queue = makeQueue(2);
    queue->enqueue(makeJob(QStringLiteral("a.jpg")));
    queue->enqueue(makeJob(QStringLiteral("b.jpg")));
    queue->enqueue(makeJob(QStringLiteral("c.jpg")));
    EXPECT_EQ(queue->pendingCount(), 1);
    EXPECT_EQ(nameOf(queue->pendingJobs().first()), QStringLiteral("c.jpg"));
    ASSERT_TRUE(waitForStarted(2));

    m_gate.release(QStringLiteral("b.jpg"), /*fail=*/true);
    ASSERT_TRUE(waitForStarted(3));
    EXPECT_EQ(m_gate.started().last(), QStringLiteral("c.jpg"));
    m_gate.release(QStringLiteral("c.jpg"));
    m_gate.release(QStringLiteral("a.jpg"));
    ASSERT_TRUE(waitForResults(3));

    // The transfer thread that finished b.jpg went on with c.jpg; that start is reported with the result.
    EXPECT_EQ(m_log.mid(0, 4), (QStringList{"start a.jpg", "start b.jpg", "start c.jpg", "done b.jpg"}));
    EXPECT_EQ(queue->activeCount(), 0);

    // The job handed to the upload function is the started one; the result carries exactly that copy.
    const UploadJob handed = m_gate.jobHandedOver(QStringLiteral("b.jpg"));
    EXPECT_EQ(handed.status, UploadStatus::uploading(0.0));
    ASSERT_TRUE(handed.startedAt.has_value());
    EXPECT_FALSE(handed.completedAt.has_value());
    EXPECT_EQ(m_results.first().job, handed);
    EXPECT_FALSE(m_results.first().success);
    EXPECT_EQ(m_results.first().error, QStringLiteral("550 Permission denied"));
}

TEST_F(UploadQueueTest, AFinishedTransferGoesOnWithTheNextJobWithoutTheMainThread)
{
    auto queue = makeQueue(1);
    queue->enqueue(makeJob(QStringLiteral("a.jpg")));
    queue->enqueue(makeJob(QStringLiteral("b.jpg")));
    ASSERT_TRUE(waitForStarted(1));
    // Ordinary work already waiting on the main thread (the handling of earlier results, say) when the
    // transfer ends does not hold up the start of the next job, nor the news of it.
    QStringList order;
    QObject::connect(queue.get(), &UploadQueue::pendingCountChanged,
                     [&](int pending) { order.append(QStringLiteral("pending %1").arg(pending)); });
    QMetaObject::invokeMethod(
        queue.get(), [&] { order.append(QStringLiteral("waiting work")); }, Qt::QueuedConnection);
    m_gate.release(QStringLiteral("a.jpg"));
    EXPECT_TRUE(startedWithoutEvents(2));
    EXPECT_EQ(queue->pendingCount(), 1) << "the main thread has not heard of the start yet";
    ASSERT_TRUE(QTest::qWaitFor([&] { return order.size() == 2; }, 5000));
    EXPECT_EQ(order, (QStringList{QStringLiteral("pending 0"), QStringLiteral("waiting work")}));
    EXPECT_EQ(nameOf(queue->activeJobs().value(0)), QStringLiteral("b.jpg"));
}

TEST_F(UploadQueueTest, WhatArrivesTogetherIsHandedOverTogether)
{
    auto queue = makeQueue(2);
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
        queue->enqueue(makeJob(QString::fromLatin1(name)));
    }
    ASSERT_TRUE(waitForStarted(2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_log.size() == 2; }));
    // Reports that pile up before the main thread looks collapse into the newest one.
    const UploadTaskControl control = m_gate.control(QStringLiteral("a.jpg"));
    control.reportProgress(10, 100);
    control.reportProgress(60, 100);
    m_gate.release(QStringLiteral("a.jpg"));
    m_gate.release(QStringLiteral("b.jpg"));
    // c.jpg starts and ends on a transfer thread while the main thread looks away.
    ASSERT_TRUE(startedWithoutEvents(3));
    m_gate.release(QStringLiteral("c.jpg"));
    m_pool.waitForDone();
    ASSERT_TRUE(waitForResults(3));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_log.size() == 6; }));

    EXPECT_EQ(m_resultBatches, 1);
    // A start comes before the results that arrive with it, its own result included.
    EXPECT_EQ(m_log.at(2), QStringLiteral("start c.jpg"));
    QStringList done = m_log.mid(3);
    done.sort();
    EXPECT_EQ(done, (QStringList{"done a.jpg", "done b.jpg", "done c.jpg"}));
    QList<qint64> progressOfA;
    for (const UploadJob& update : std::as_const(m_updates)) {
        if (nameOf(update) == QStringLiteral("a.jpg") && update.bytesUploaded > 0) {
            progressOfA.append(update.bytesUploaded);
        }
    }
    EXPECT_EQ(progressOfA, QList<qint64>{60});
    EXPECT_EQ(queue->runningCount(), 0);
    EXPECT_EQ(queue->activeCount() + queue->pendingCount(), 0);
    // Its file is free again: a job started and finished unseen does not stay queued.
    queue->enqueue(makeJob(QStringLiteral("c.jpg")));
    EXPECT_EQ(queue->activeCount(), 1);
}

TEST_F(UploadQueueTest, DropsAJobForAFileThatIsAlreadyPendingOrActive)
{
    auto queue = makeQueue(1);
    queue->enqueue(makeJob(QStringLiteral("a.jpg")));
    queue->enqueue(makeJob(QStringLiteral("b.jpg")));
    queue->enqueue(makeJob(QStringLiteral("a.jpg"))); // active
    queue->enqueue(makeJob(QStringLiteral("b.jpg"))); // pending
    EXPECT_EQ(queue->activeCount() + queue->pendingCount(), 2);

    m_gate.release(QStringLiteral("a.jpg"));
    m_gate.release(QStringLiteral("b.jpg"));
    ASSERT_TRUE(waitForResults(2));
    QCoreApplication::processEvents();
    EXPECT_EQ(m_updates.size(), 2);

    // Once finished, the same file is welcome again.
    queue->enqueue(makeJob(QStringLiteral("a.jpg")));
    EXPECT_EQ(queue->activeCount(), 1);
    ASSERT_TRUE(waitForStarted(3));
}

TEST_F(UploadQueueTest, PauseHoldsNewStartsButLetsRunningJobsFinish)
{
    auto queue = makeQueue(2);
    QSignalSpy pausedSpy(queue.get(), &UploadQueue::isPausedChanged);
    queue->pause();
    queue->pause();
    EXPECT_EQ(pausedSpy.count(), 1);
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
        queue->enqueue(makeJob(QString::fromLatin1(name)));
    }
    EXPECT_EQ(queue->activeCount(), 0);
    EXPECT_EQ(queue->pendingCount(), 3);

    queue->resume();
    EXPECT_EQ(queue->activeCount(), 2);
    ASSERT_TRUE(waitForStarted(2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_log.size() == 2; }));
    EXPECT_EQ(m_log, (QStringList{"start a.jpg", "start b.jpg"}));

    queue->pause();
    m_gate.release(QStringLiteral("a.jpg"));
    m_gate.release(QStringLiteral("b.jpg"));
    ASSERT_TRUE(waitForResults(2));
    EXPECT_EQ(queue->activeCount(), 0);
    EXPECT_EQ(queue->pendingCount(), 1);
    EXPECT_EQ(m_gate.started().size(), 2);

    queue->resume();
    ASSERT_TRUE(waitForStarted(3));
    EXPECT_EQ(m_gate.started().last(), QStringLiteral("c.jpg"));
}

TEST_F(UploadQueueTest, ProgressUpdatesTheActiveJobAndLateReportsAreIgnored)
{
    auto queue = makeQueue(1);
    queue->enqueue(makeJob(QStringLiteral("a.jpg")));
    ASSERT_TRUE(waitForStarted(1));
    const UploadJob job = m_gate.jobHandedOver(QStringLiteral("a.jpg"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_updates.size() == 1; }));

    queue->updateProgress(job.id, 0, 0);
    queue->updateProgress(job.id, 50, 200);
    queue->updateProgress(QUuid::createUuid(), 10, 20);
    // A report from the transfer thread travels through the control handed to the upload function.
    m_gate.control(QStringLiteral("a.jpg")).reportProgress(100, 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_updates.size() == 4; }));

    EXPECT_EQ(m_updates[1].status, UploadStatus::uploading(0.0)) << "no division by a zero total";
    EXPECT_EQ(m_updates[2].status, UploadStatus::uploading(0.25));
    EXPECT_EQ(m_updates[3].status, UploadStatus::uploading(0.5));
    EXPECT_EQ(queue->activeJobs().first().bytesUploaded, 100);

    m_gate.release(QStringLiteral("a.jpg"));
    ASSERT_TRUE(waitForResults(1));
    // The result holds the job as handed over, not the progress made since.
    EXPECT_EQ(m_results.first().job.bytesTotal, 100);
    queue->updateProgress(job.id, 200, 200);
    m_gate.control(QStringLiteral("a.jpg")).reportProgress(200, 200);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_updates.size(), 4);
}

TEST_F(UploadQueueTest, CancelAllForgetsPendingJobsAndStillReportsRunningTransfers)
{
    auto queue = makeQueue(2);
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) {
        queue->enqueue(makeJob(QString::fromLatin1(name)));
    }
    ASSERT_TRUE(waitForStarted(2));
    const UploadJob running = m_gate.jobHandedOver(QStringLiteral("a.jpg"));

    queue->cancelAll();
    EXPECT_EQ(queue->pendingCount(), 0);
    EXPECT_EQ(queue->activeCount(), 0);
    EXPECT_TRUE(m_gate.control(QStringLiteral("a.jpg")).isCancellationRequested());
    queue->updateProgress(running.id, 10, 100);

    // The cancelled transfers no longer count: new jobs start beside them, the same file included.
    queue->enqueue(makeJob(QStringLiteral("a.jpg")));
    queue->enqueue(makeJob(QStringLiteral("e.jpg")));
    EXPECT_EQ(queue->activeCount(), 2);
    ASSERT_TRUE(waitForStarted(4));

    m_gate.release(QStringLiteral("b.jpg"));
    m_gate.release(QStringLiteral("e.jpg"));
    ASSERT_TRUE(waitForResults(2));
    // The late result of the first a.jpg must not free the file of the second one, which is still active.
    m_gate.release(running.id);
    ASSERT_TRUE(waitForResults(3));
    EXPECT_EQ(m_results.last().job.id, running.id);
    queue->enqueue(makeJob(QStringLiteral("a.jpg")));
    EXPECT_EQ(queue->activeCount(), 1);

    m_gate.releaseAll();
    ASSERT_TRUE(waitForResults(4));
    QStringList done;
    for (const UploadResult& result : std::as_const(m_results)) {
        done.append(nameOf(result.job));
    }
    done.sort();
    // c.jpg and d.jpg were pending and vanished without a word; both a.jpg transfers reported.
    EXPECT_EQ(done, (QStringList{"a.jpg", "a.jpg", "b.jpg", "e.jpg"}));
    for (const UploadJob& update : std::as_const(m_updates)) {
        EXPECT_NE(nameOf(update), QStringLiteral("c.jpg"));
        EXPECT_NE(update.bytesUploaded, 10);
    }
}

TEST_F(UploadQueueTest, CancelAllCountsAJobTakenUpUnseenAsUnderWay)
{
    auto queue = makeQueue(1);
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
        queue->enqueue(makeJob(QString::fromLatin1(name)));
    }
    ASSERT_TRUE(waitForStarted(1));
    m_gate.release(QStringLiteral("a.jpg"));
    ASSERT_TRUE(startedWithoutEvents(2));

    QStringList underWay;
    for (const UploadJob& job : queue->cancelAll()) {
        underWay.append(nameOf(job));
        EXPECT_EQ(job.status, UploadStatus::uploading(0.0));
    }
    underWay.sort();
    // a.jpg has ended but its result has not been handed over; b.jpg runs; c.jpg was only waiting.
    EXPECT_EQ(underWay, (QStringList{"a.jpg", "b.jpg"}));
    EXPECT_TRUE(m_gate.control(QStringLiteral("b.jpg")).isCancellationRequested());
    m_gate.releaseAll();
    ASSERT_TRUE(waitForResults(2));
    QCoreApplication::processEvents();
    EXPECT_EQ(queue->runningCount(), 0);
    EXPECT_EQ(m_gate.started(), (QStringList{"a.jpg", "b.jpg"}));
    for (const UploadJob& update : std::as_const(m_updates)) {
        EXPECT_NE(nameOf(update), QStringLiteral("b.jpg")) << "a cancelled job is no longer reported active";
    }
}

TEST_F(UploadQueueTest, AQueueReleasedWhileTransfersRunDropsTheirResults)
{
    auto queue = makeQueue(2);
    queue->enqueue(makeJob(QStringLiteral("a.jpg")));
    queue->enqueue(makeJob(QStringLiteral("b.jpg")));
    ASSERT_TRUE(waitForStarted(2));
    const UploadTaskControl control = m_gate.control(QStringLiteral("a.jpg"));
    queue.reset();
    EXPECT_TRUE(control.isCancellationRequested());
    control.reportProgress(1, 2);
    m_gate.releaseAll();
    m_pool.waitForDone();
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_results.isEmpty());
}

} // namespace
