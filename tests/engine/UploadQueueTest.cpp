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

using namespace Qt::StringLiterals;

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
    job.connectionId = QUuid::fromString(u"{7d3c9c1e-0f0a-4a44-9d38-1b7e1f1d2c3a}"_s);
    job.localPath = u"/watched/"_s + name;
    job.remoteRelativePath = name;
    job.bytesTotal = 100;
    return job;
}

// An upload function the test controls: each transfer blocks on its pool thread until the test releases it
// by file name or job id, then succeeds (or fails when told so).
class TransferGate {
public:
    UploadResult perform(const UploadJob& job, const UploadTaskControl& control)
    {
        std::unique_lock lock(m_mutex);
        const QString name = nameOf(job);
        m_started.append(name);
        m_handed[name] = {job, control};
        m_ranOnMainThread |= QThread::currentThread() == QCoreApplication::instance()->thread();
        m_changed.wait(lock, [&] {
            return m_released.contains(QString()) || m_released.contains(name) ||
                   m_released.contains(job.id.toString());
        });
        UploadResult result;
        result.job = job;
        result.success = !m_failing.contains(name);
        result.error = result.success ? QString() : u"550 Permission denied"_s;
        result.bytesUploaded = result.success ? job.bytesTotal : 0;
        return result;
    }
    void release(const QString& key, bool fail = false)
    {
        std::lock_guard lock(m_mutex);
        (fail ? m_failing : m_released).insert(key);
        m_released.insert(key);
        m_changed.notify_all();
    }
    void releaseAll() { release(QString()); }
    QStringList started() const
    {
        std::lock_guard lock(m_mutex);
        return m_started;
    }
    // The job handed to the transfer of the file and the transfer's control.
    std::pair<UploadJob, UploadTaskControl> handed(const QString& name) const
    {
        std::lock_guard lock(m_mutex);
        return m_handed.at(name);
    }

    bool m_ranOnMainThread = false;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    QStringList m_started;
    std::map<QString, std::pair<UploadJob, UploadTaskControl>> m_handed;
    QSet<QString> m_released;
    QSet<QString> m_failing;
};

class UploadQueueTest : public ::testing::Test {
protected:
    void SetUp() override { m_pool.setMaxThreadCount(8); }

    void TearDown() override
    {
        m_gate.releaseAll();
        m_pool.waitForDone();
        EXPECT_FALSE(m_gate.m_ranOnMainThread);
        EXPECT_FALSE(m_callbackOffMainThread);
    }

    std::unique_ptr<UploadQueue> makeQueue(int concurrency, const QStringList& names = {})
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
                                    m_log.append(u"done "_s + nameOf(result.job));
                                }
                            },
                            [this](const UploadJob& job) {
                                checkThread();
                                m_updates.append(job);
                                if (job.status == UploadStatus::uploading(0.0) && job.bytesUploaded == 0) {
                                    m_log.append(u"start "_s + nameOf(job));
                                }
                            });
        for (const QString& name : names) {
            queue->enqueue(makeJob(name));
        }
        return queue;
    }

    void checkThread()
    {
        m_callbackOffMainThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
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
    QStringList namesDone() const
    {
        QStringList done;
        for (const UploadResult& result : m_results) {
            done.append(nameOf(result.job));
        }
        done.sort();
        return done;
    }

    QThreadPool m_pool;
    TransferGate m_gate;
    QList<UploadJob> m_updates;
    QList<UploadResult> m_results;
    int m_resultBatches = 0;
    QStringList m_log;
    bool m_callbackOffMainThread = false;
};

const QStringList abc = {u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s};

TEST_F(UploadQueueTest, ClampsConcurrencyAndNeverRunsMoreThanThat)
{
    EXPECT_EQ(UploadQueue(-4, &m_pool).maxConcurrent(), 1);
    QStringList names;
    for (int i = 0; i < 8; ++i) {
        names.append(u"f%1.jpg"_s.arg(i));
    }
    auto queue = makeQueue(7, names);
    EXPECT_EQ(queue->activeCount(), 5);
    EXPECT_EQ(queue->pendingCount(), 3);
    ASSERT_TRUE(waitForStarted(5));
    m_gate.release(names[0]);
    ASSERT_TRUE(waitForStarted(6));
    EXPECT_EQ(queue->activeCount(), 5);
    EXPECT_EQ(m_gate.started().last(), names[5]);

    // A lower limit lets the running transfers finish and starts the next job once fewer than it run, also
    // when the jobs handed over in advance would have started at once.
    queue->setMaxConcurrent(2);
    for (int i = 1; i <= 3; ++i) {
        m_gate.release(names[i]);
    }
    ASSERT_TRUE(waitForResults(4));
    QTest::qWait(50);
    EXPECT_EQ(m_gate.started().size(), 6) << "two still run";
    m_gate.release(names[4]);
    ASSERT_TRUE(waitForStarted(7));
    EXPECT_EQ(m_gate.started().last(), names[6]);
    queue->setMaxConcurrent(9);
    EXPECT_EQ(queue->maxConcurrent(), 5);
    ASSERT_TRUE(waitForStarted(8));
}

// A job for a file that is already pending or active is dropped; once finished, the file is welcome again.
TEST_F(UploadQueueTest, StartsInArrivalOrderOnceAFileAndReportsEachStepOnTheMainThreadInOrder)
{
    auto queue = makeQueue(2, abc + QStringList{u"a.jpg"_s, u"c.jpg"_s});
    EXPECT_EQ(queue->pendingCount(), 1);
    EXPECT_EQ(nameOf(queue->pendingJobs().first()), u"c.jpg"_s);
    ASSERT_TRUE(waitForStarted(2));

    m_gate.release(u"b.jpg"_s, /*fail=*/true);
    ASSERT_TRUE(waitForStarted(3));
    EXPECT_EQ(m_gate.started().last(), u"c.jpg"_s);
    m_gate.release(u"c.jpg"_s);
    m_gate.release(u"a.jpg"_s);
    ASSERT_TRUE(waitForResults(3));
    QCoreApplication::processEvents();

    // The transfer thread that finished b.jpg went on with c.jpg; that start is reported with the result.
    EXPECT_EQ(m_log.mid(0, 4), (QStringList{"start a.jpg", "start b.jpg", "start c.jpg", "done b.jpg"}));
    EXPECT_EQ(m_updates.size(), 3);
    EXPECT_EQ(queue->activeCount(), 0);

    // The job handed to the upload function is the started one; the result carries exactly that copy.
    const UploadJob handed = m_gate.handed(u"b.jpg"_s).first;
    EXPECT_EQ(handed.status, UploadStatus::uploading(0.0));
    ASSERT_TRUE(handed.startedAt.has_value());
    EXPECT_FALSE(handed.completedAt.has_value());
    EXPECT_EQ(m_results.first().job, handed);
    EXPECT_FALSE(m_results.first().success);
    EXPECT_EQ(m_results.first().error, u"550 Permission denied"_s);
    queue->enqueue(makeJob(u"a.jpg"_s));
    EXPECT_EQ(queue->activeCount(), 1);
}

TEST_F(UploadQueueTest, AFinishedTransferGoesOnWithTheNextJobWithoutTheMainThread)
{
    auto queue = makeQueue(1, {u"a.jpg"_s, u"b.jpg"_s});
    ASSERT_TRUE(waitForStarted(1));
    // Ordinary work already waiting on the main thread (the handling of earlier results, say) when the
    // transfer ends does not hold up the start of the next job, nor the news of it.
    QStringList order;
    QObject::connect(queue.get(), &UploadQueue::pendingCountChanged,
                     [&](int pending) { order.append(u"pending %1"_s.arg(pending)); });
    QMetaObject::invokeMethod(
        queue.get(), [&] { order.append(u"waiting work"_s); }, Qt::QueuedConnection);
    m_gate.release(u"a.jpg"_s);
    EXPECT_TRUE(startedWithoutEvents(2));
    EXPECT_EQ(queue->pendingCount(), 1) << "the main thread has not heard of the start yet";
    ASSERT_TRUE(QTest::qWaitFor([&] { return order.size() == 2; }, 5000));
    EXPECT_EQ(order, (QStringList{u"pending 0"_s, u"waiting work"_s}));
    EXPECT_EQ(nameOf(queue->activeJobs().value(0)), u"b.jpg"_s);
}

TEST_F(UploadQueueTest, WhatArrivesTogetherIsHandedOverTogether)
{
    auto queue = makeQueue(2, abc);
    ASSERT_TRUE(waitForStarted(2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_log.size() == 2; }));
    // Reports that pile up before the main thread looks collapse into the newest one.
    const UploadTaskControl control = m_gate.handed(u"a.jpg"_s).second;
    control.reportProgress(10, 100);
    control.reportProgress(60, 100);
    m_gate.release(u"a.jpg"_s);
    m_gate.release(u"b.jpg"_s);
    // c.jpg starts and ends on a transfer thread while the main thread looks away.
    ASSERT_TRUE(startedWithoutEvents(3));
    m_gate.release(u"c.jpg"_s);
    m_pool.waitForDone();
    ASSERT_TRUE(waitForResults(3));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_log.size() == 6; }));

    EXPECT_EQ(m_resultBatches, 1);
    // A start comes before the results that arrive with it, its own result included.
    EXPECT_EQ(m_log.at(2), u"start c.jpg"_s);
    EXPECT_EQ(namesDone(), abc);
    QList<qint64> progressOfA;
    for (const UploadJob& update : std::as_const(m_updates)) {
        if (nameOf(update) == u"a.jpg"_s && update.bytesUploaded > 0) {
            progressOfA.append(update.bytesUploaded);
        }
    }
    EXPECT_EQ(progressOfA, QList<qint64>{60});
    EXPECT_EQ(queue->runningCount(), 0);
    EXPECT_EQ(queue->activeCount() + queue->pendingCount(), 0);
    // Its file is free again: a job started and finished unseen does not stay queued.
    queue->enqueue(makeJob(u"c.jpg"_s));
    EXPECT_EQ(queue->activeCount(), 1);
}

TEST_F(UploadQueueTest, PauseHoldsNewStartsButLetsRunningJobsFinish)
{
    auto queue = makeQueue(2);
    QSignalSpy pausedSpy(queue.get(), &UploadQueue::isPausedChanged);
    queue->pause();
    queue->pause();
    EXPECT_EQ(pausedSpy.count(), 1);
    for (const QString& name : abc) {
        queue->enqueue(makeJob(name));
    }
    EXPECT_EQ(queue->activeCount(), 0);
    EXPECT_EQ(queue->pendingCount(), 3);

    queue->resume();
    EXPECT_EQ(queue->activeCount(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_log.size() == 2; }));
    EXPECT_EQ(m_log, (QStringList{"start a.jpg", "start b.jpg"}));

    queue->pause();
    m_gate.release(u"a.jpg"_s);
    m_gate.release(u"b.jpg"_s);
    ASSERT_TRUE(waitForResults(2));
    EXPECT_EQ(queue->activeCount(), 0);
    EXPECT_EQ(queue->pendingCount(), 1);
    EXPECT_EQ(m_gate.started().size(), 2);

    queue->resume();
    ASSERT_TRUE(waitForStarted(3));
    EXPECT_EQ(m_gate.started().last(), u"c.jpg"_s);
}

TEST_F(UploadQueueTest, ProgressUpdatesTheActiveJobAndLateReportsAreIgnored)
{
    auto queue = makeQueue(1, {u"a.jpg"_s});
    ASSERT_TRUE(waitForStarted(1));
    const auto [job, control] = m_gate.handed(u"a.jpg"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_updates.size() == 1; }));

    queue->updateProgress(job.id, 0, 0);
    queue->updateProgress(job.id, 50, 200);
    queue->updateProgress(QUuid::createUuid(), 10, 20);
    // A report from the transfer thread travels through the control handed to the upload function.
    control.reportProgress(100, 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_updates.size() == 4; }));

    EXPECT_EQ(m_updates[1].status, UploadStatus::uploading(0.0)) << "no division by a zero total";
    EXPECT_EQ(m_updates[2].status, UploadStatus::uploading(0.25));
    EXPECT_EQ(m_updates[3].status, UploadStatus::uploading(0.5));
    EXPECT_EQ(queue->activeJobs().first().bytesUploaded, 100);

    m_gate.release(u"a.jpg"_s);
    ASSERT_TRUE(waitForResults(1));
    // The result holds the job as handed over, not the progress made since.
    EXPECT_EQ(m_results.first().job.bytesTotal, 100);
    queue->updateProgress(job.id, 200, 200);
    control.reportProgress(200, 200);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_updates.size(), 4);
}

TEST_F(UploadQueueTest, CancelAllForgetsPendingJobsAndStillReportsRunningTransfers)
{
    auto queue = makeQueue(2, abc + QStringList{u"d.jpg"_s});
    ASSERT_TRUE(waitForStarted(2));
    const auto [running, control] = m_gate.handed(u"a.jpg"_s);

    queue->cancelAll();
    EXPECT_EQ(queue->pendingCount(), 0);
    EXPECT_EQ(queue->activeCount(), 0);
    EXPECT_TRUE(control.isCancellationRequested());
    queue->updateProgress(running.id, 10, 100);

    // The cancelled transfers no longer count: new jobs start beside them, the same file included.
    queue->enqueue(makeJob(u"a.jpg"_s));
    queue->enqueue(makeJob(u"e.jpg"_s));
    EXPECT_EQ(queue->activeCount(), 2);
    ASSERT_TRUE(waitForStarted(4));

    m_gate.release(u"b.jpg"_s);
    m_gate.release(u"e.jpg"_s);
    ASSERT_TRUE(waitForResults(2));
    // The late result of the first a.jpg must not free the file of the second one, which is still active.
    m_gate.release(running.id.toString());
    ASSERT_TRUE(waitForResults(3));
    EXPECT_EQ(m_results.last().job.id, running.id);
    queue->enqueue(makeJob(u"a.jpg"_s));
    EXPECT_EQ(queue->activeCount(), 1);

    m_gate.releaseAll();
    ASSERT_TRUE(waitForResults(4));
    // c.jpg and d.jpg were pending and vanished without a word; both a.jpg transfers reported.
    EXPECT_EQ(namesDone(), (QStringList{"a.jpg", "a.jpg", "b.jpg", "e.jpg"}));
    for (const UploadJob& update : std::as_const(m_updates)) {
        EXPECT_NE(nameOf(update), u"c.jpg"_s);
        EXPECT_NE(update.bytesUploaded, 10);
    }
}

TEST_F(UploadQueueTest, CancelAllCountsAJobTakenUpUnseenAsUnderWay)
{
    auto queue = makeQueue(1, abc);
    ASSERT_TRUE(waitForStarted(1));
    m_gate.release(u"a.jpg"_s);
    ASSERT_TRUE(startedWithoutEvents(2));

    QStringList underWay;
    for (const UploadJob& job : queue->cancelAll()) {
        underWay.append(nameOf(job));
        EXPECT_EQ(job.status, UploadStatus::uploading(0.0));
    }
    underWay.sort();
    // a.jpg has ended but its result has not been handed over; b.jpg runs; c.jpg was only waiting.
    EXPECT_EQ(underWay, abc.mid(0, 2));
    EXPECT_TRUE(m_gate.handed(u"b.jpg"_s).second.isCancellationRequested());
    m_gate.releaseAll();
    ASSERT_TRUE(waitForResults(2));
    QCoreApplication::processEvents();
    EXPECT_EQ(queue->runningCount(), 0);
    EXPECT_EQ(m_gate.started(), abc.mid(0, 2));
    for (const UploadJob& update : std::as_const(m_updates)) {
        EXPECT_NE(nameOf(update), u"b.jpg"_s) << "a cancelled job is no longer reported active";
    }
}

TEST_F(UploadQueueTest, AQueueReleasedWhileTransfersRunDropsTheirResults)
{
    auto queue = makeQueue(2, abc.mid(0, 2));
    ASSERT_TRUE(waitForStarted(2));
    const UploadTaskControl control = m_gate.handed(u"a.jpg"_s).second;
    queue.reset();
    EXPECT_TRUE(control.isCancellationRequested());
    control.reportProgress(1, 2);
    m_gate.releaseAll();
    m_pool.waitForDone();
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_results.isEmpty());
}

} // namespace
