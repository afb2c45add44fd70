#include "engine/UploadQueue.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>

using namespace Qt::StringLiterals;

using namespace ondrix;

namespace {

QString nameOf(const UploadJob& job)
{
    return QFileInfo(job.localPath).fileName();
}

UploadJob makeJob(const QString& name)
{
    return {.localPath = u"/watched/"_s + name, .remoteRelativePath = name, .bytesTotal = 100};
}

bool onMainThread()
{
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Each transfer blocks on its pool thread until released by file name or job id, then succeeds or fails.
class UploadQueueTest : public ::testing::Test {
protected:
    void SetUp() override { m_pool.setMaxThreadCount(8); }
    void TearDown() override
    {
        releaseAll();
        m_pool.waitForDone();
        EXPECT_EQ(m_wrongThread.load(), 0); // a transfer on the main thread, or a callback off it
    }

    std::unique_ptr<UploadQueue> makeQueue(int concurrency, const QStringList& names = {})
    {
        auto queue = std::make_unique<UploadQueue>(concurrency, &m_pool);
        queue->setCallbacks(
            [this](const UploadJob& job, const UploadTaskControl& control) { return perform(job, control); },
            [this](const QList<UploadResult>& results) {
                m_wrongThread |= !onMainThread();
                EXPECT_FALSE(results.isEmpty());
                ++m_resultBatches;
                for (const UploadResult& result : results) {
                    m_results.append(result);
                    m_log.append(u"done "_s + nameOf(result.job));
                }
            },
            [this](const UploadJob& job) {
                m_wrongThread |= !onMainThread();
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
    UploadResult perform(const UploadJob& job, const UploadTaskControl& control)
    {
        std::unique_lock lock(m_mutex);
        const QString name = nameOf(job);
        m_started.append(name);
        m_handed[name] = {job, control};
        m_wrongThread |= onMainThread();
        m_changed.wait(lock, [&] {
            return m_released.contains(QString()) || m_released.contains(name) ||
                   m_released.contains(job.id.toString());
        });
        const bool ok = !m_failing.contains(name);
        return {.job = job,
                .success = ok,
                .error = ok ? std::nullopt : std::optional(u"550 Permission denied"_s),
                .bytesUploaded = ok ? job.bytesTotal : 0};
    }
    void release(const QStringList& keys, bool fail = false)
    {
        std::lock_guard lock(m_mutex);
        for (const QString& key : keys) {
            (fail ? m_failing : m_released).insert(key);
            m_released.insert(key);
        }
        m_changed.notify_all();
    }
    void releaseAll() { release({QString()}); }
    QStringList started() const { return locked(m_started); }
    // A copy of what the transfer threads write, taken under their lock.
    template <typename T>
    T locked(const T& member) const
    {
        std::lock_guard lock(m_mutex);
        return member;
    }
    bool waitForStarted(int count, bool events = true)
    {
        for (int i = 0; i < 5000 && started().size() < count; ++i) {
            events ? QTest::qWait(1) : QThread::msleep(1);
        }
        return started().size() >= count;
    }
    bool waitForResults(int count)
    {
        return QTest::qWaitFor([&] { return m_results.size() >= count; });
    }
    QStringList namesDone() const
    {
        QStringList done = m_log.filter(u"done "_s).replaceInStrings(u"done "_s, QString());
        done.sort();
        return done;
    }

    QThreadPool m_pool;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    QStringList m_started;
    std::map<QString, std::pair<UploadJob, UploadTaskControl>> m_handed;
    QSet<QString> m_released, m_failing;
    QList<UploadJob> m_updates;
    QList<UploadResult> m_results;
    int m_resultBatches = 0;
    QStringList m_log;
    std::atomic<int> m_wrongThread = 0;
};

const QStringList abc = {u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s};

TEST_F(UploadQueueTest, ClampsConcurrencyAndNeverRunsMoreThanThat)
{
    EXPECT_EQ(UploadQueue(-4, &m_pool).maxConcurrent(), 1);
    const QStringList names = u"f0 f1 f2 f3 f4 f5 f6 f7"_s.split(u' ');
    auto queue = makeQueue(7, names);
    EXPECT_EQ(std::tuple(queue->activeCount(), queue->pendingCount()), std::tuple(5, 3));
    ASSERT_TRUE(waitForStarted(5));
    release({names[0]});
    ASSERT_TRUE(waitForStarted(6));
    EXPECT_EQ(std::tuple(queue->activeCount(), started().last()), std::tuple(5, names[5]));

    // A lower limit lets running transfers finish, and starts no job, even one handed over, until fewer run.
    queue->setMaxConcurrent(2);
    release(names.mid(1, 3));
    ASSERT_TRUE(waitForResults(4));
    QTest::qWait(50);
    EXPECT_EQ(started().size(), 6) << "two still run";
    release({names[4]});
    ASSERT_TRUE(waitForStarted(7));
    EXPECT_EQ(started().last(), names[6]);
    queue->setMaxConcurrent(9);
    EXPECT_EQ(queue->maxConcurrent(), 5);
    ASSERT_TRUE(waitForStarted(8));
}

// A job for a file that is already pending or active is dropped; once finished, the file is welcome again.
TEST_F(UploadQueueTest, StartsInArrivalOrderOnceAFileAndReportsEachStepOnTheMainThreadInOrder)
{
    auto queue = makeQueue(2, abc + QStringList{u"a.jpg"_s, u"c.jpg"_s});
    EXPECT_EQ(std::tuple(queue->pendingCount(), nameOf(queue->pendingJobs().value(0))),
              std::tuple(1, u"c.jpg"_s));
    ASSERT_TRUE(waitForStarted(2));

    release({u"b.jpg"_s}, /*fail=*/true);
    ASSERT_TRUE(waitForStarted(3));
    EXPECT_EQ(started().last(), u"c.jpg"_s);
    release({u"c.jpg"_s, u"a.jpg"_s});
    ASSERT_TRUE(waitForResults(3));
    QCoreApplication::processEvents();

    // The thread that finished b.jpg went on with c.jpg; that start is reported with the result.
    EXPECT_EQ(m_log.mid(0, 4), (QStringList{"start a.jpg", "start b.jpg", "start c.jpg", "done b.jpg"}));
    EXPECT_EQ(std::tuple(m_updates.size(), queue->activeCount()), std::tuple(3, 0));

    // The job handed to the upload function is the started one; the result carries exactly that copy.
    const UploadJob b = locked(m_handed).at(u"b.jpg"_s).first;
    EXPECT_EQ(std::tuple(b.status, b.startedAt.has_value(), b.completedAt.has_value()),
              std::tuple(UploadStatus::uploading(0.0), true, false));
    EXPECT_EQ(m_results.first().job, b);
    EXPECT_EQ(m_results.first().error, u"550 Permission denied"_s);
    queue->enqueue(makeJob(u"a.jpg"_s));
    EXPECT_EQ(queue->activeCount(), 1);
}

// A finished transfer goes on with the next job without the main thread, ahead of work waiting there.
// Cancelling counts jobs taken up or ended unseen as under way; a cancelled job is no longer reported active.
TEST_F(UploadQueueTest, AFinishedTransferGoesOnWithoutTheMainThreadAndCancelAllCountsWhatRanUnseen)
{
    auto queue = makeQueue(1, abc);
    ASSERT_TRUE(waitForStarted(1));
    QStringList order;
    QObject::connect(queue.get(), &UploadQueue::pendingCountChanged,
                     [&](int pending) { order.append(u"pending %1"_s.arg(pending)); });
    QMetaObject::invokeMethod(
        queue.get(), [&] { order.append(u"waiting work"_s); }, Qt::QueuedConnection);
    release({u"a.jpg"_s});
    EXPECT_TRUE(waitForStarted(2, false));
    EXPECT_EQ(queue->pendingCount(), 2) << "the main thread has not heard of the start yet";
    EXPECT_TRUE(QTest::qWaitFor([&] { return order == QStringList{u"pending 1"_s, u"waiting work"_s}; }));
    EXPECT_EQ(nameOf(queue->activeJobs().value(0)), u"b.jpg"_s);

    release({u"b.jpg"_s}); // b.jpg ends unseen, c.jpg starts unseen
    ASSERT_TRUE(waitForStarted(3, false));
    QStringList underWay;
    for (const UploadJob& job : queue->cancelAll()) {
        underWay.append(nameOf(job) + (job.status == UploadStatus::uploading(0.0) ? "" : " not uploading"));
    }
    underWay.sort();
    EXPECT_EQ(underWay, abc.mid(1, 2));
    EXPECT_TRUE(locked(m_handed).at(u"c.jpg"_s).second.isCancellationRequested());
    releaseAll();
    ASSERT_TRUE(waitForResults(3));
    QCoreApplication::processEvents();
    EXPECT_EQ(std::tuple(queue->runningCount(), started()), std::tuple(0, abc));
    EXPECT_FALSE(std::ranges::any_of(m_updates, [](const UploadJob& u) { return nameOf(u) == u"c.jpg"_s; }));
}

// Progress reaches the active job (a zero total divides nothing); what ends together comes in one batch after
// its starts, holding the jobs as handed over; later reports are dropped.
TEST_F(UploadQueueTest, ProgressAndWhatArrivesTogetherAreHandedOverTogether)
{
    auto queue = makeQueue(2, abc);
    ASSERT_TRUE(waitForStarted(2) && QTest::qWaitFor([&] { return m_log.size() == 2; }));
    const auto [a, control] = locked(m_handed).at(u"a.jpg"_s);
    queue->updateProgress(a.id, 5, 0);
    queue->updateProgress(a.id, 50, 200);
    queue->updateProgress(QUuid::createUuid(), 10, 20);
    control.reportProgress(10, 200);
    control.reportProgress(100, 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_updates.size() == 5; }));
    release({u"a.jpg"_s, u"b.jpg"_s});
    // c.jpg starts and ends on a transfer thread while the main thread looks away.
    ASSERT_TRUE(waitForStarted(3, false));
    release({u"c.jpg"_s});
    m_pool.waitForDone();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_log.size() == 6; }));

    EXPECT_EQ(std::tuple(m_resultBatches, m_log.at(2), namesDone()), std::tuple(1, u"start c.jpg"_s, abc));
    QList<UploadStatus> progressOfA;
    for (const UploadJob& update : std::as_const(m_updates)) {
        if (update.id == a.id) {
            progressOfA.append(update.status);
        }
    }
    EXPECT_EQ(progressOfA, (QList{UploadStatus::uploading(0.0), UploadStatus::uploading(0.0),
                                  UploadStatus::uploading(0.25), UploadStatus::uploading(0.5)}));
    EXPECT_TRUE(
        std::ranges::all_of(m_results, [](const UploadResult& r) { return r.job.bytesTotal == 100; }));
    const qsizetype updates = m_updates.size();
    queue->updateProgress(a.id, 200, 200);
    control.reportProgress(200, 200);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_updates.size(), updates);
    EXPECT_EQ(queue->runningCount() + queue->activeCount() + queue->pendingCount(), 0);
    // Its file is free again: a job started and finished unseen does not stay queued.
    queue->enqueue(makeJob(u"c.jpg"_s));
    EXPECT_EQ(queue->activeCount(), 1);
}

TEST_F(UploadQueueTest, PauseHoldsNewStartsButLetsRunningJobsFinishAndReleaseDropsTheirResults)
{
    auto queue = makeQueue(2);
    QSignalSpy pausedSpy(queue.get(), &UploadQueue::isPausedChanged);
    queue->pause();
    queue->pause();
    EXPECT_EQ(pausedSpy.count(), 1);
    for (const QString& name : abc) {
        queue->enqueue(makeJob(name));
    }
    EXPECT_EQ(std::tuple(queue->activeCount(), queue->pendingCount()), std::tuple(0, 3));
    queue->resume();
    EXPECT_EQ(queue->activeCount(), 2);
    queue->pause();
    release({u"a.jpg"_s, u"b.jpg"_s});
    ASSERT_TRUE(waitForResults(2));
    EXPECT_EQ(std::tuple(queue->activeCount(), queue->pendingCount(), started().size()), std::tuple(0, 1, 2));
    queue->resume();
    ASSERT_TRUE(waitForStarted(3));

    // A queue released while a transfer runs cancels it and drops its result and its reports.
    const UploadTaskControl control = locked(m_handed).at(u"c.jpg"_s).second;
    queue.reset();
    EXPECT_TRUE(control.isCancellationRequested());
    control.reportProgress(1, 2);
    releaseAll();
    m_pool.waitForDone();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_results.size(), 2);
}

TEST_F(UploadQueueTest, CancelAllForgetsPendingJobsAndStillReportsRunningTransfers)
{
    auto queue = makeQueue(2, abc + QStringList{u"d.jpg"_s});
    ASSERT_TRUE(waitForStarted(2));
    const auto [running, control] = locked(m_handed).at(u"a.jpg"_s);

    queue->cancelAll();
    EXPECT_EQ(std::tuple(queue->pendingCount(), queue->activeCount(), control.isCancellationRequested()),
              std::tuple(0, 0, true));
    queue->updateProgress(running.id, 10, 100);

    queue->enqueue(makeJob(u"a.jpg"_s));
    queue->enqueue(makeJob(u"e.jpg"_s));
    EXPECT_EQ(queue->activeCount(), 2);
    ASSERT_TRUE(waitForStarted(4));

    release({u"b.jpg"_s, u"e.jpg"_s});
    ASSERT_TRUE(waitForResults(2));
    // The late result of the first a.jpg must not free the file of the second one, which is still active.
    release({running.id.toString()});
    ASSERT_TRUE(waitForResults(3));
    EXPECT_EQ(m_results.last().job.id, running.id);
    queue->enqueue(makeJob(u"a.jpg"_s));
    EXPECT_EQ(queue->activeCount(), 1);

    releaseAll();
    ASSERT_TRUE(waitForResults(4));
    EXPECT_EQ(namesDone(), (QStringList{"a.jpg", "a.jpg", "b.jpg", "e.jpg"}));
    EXPECT_FALSE(std::ranges::any_of(
        m_updates, [](const UploadJob& u) { return nameOf(u) == u"c.jpg"_s || u.bytesUploaded == 10; }));
}

} // namespace
