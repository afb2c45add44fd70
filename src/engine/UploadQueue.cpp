#include "engine/UploadQueue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QThreadPool>

#include <algorithm>
#include <mutex>

namespace ondrix {

// Tells the queue that transfers reported progress or ended. It is posted ahead of ordinary events so that
// the next job starts without waiting behind the handling of earlier results; progress reports it overtakes
// are ignored, as any report that arrives after the finish step is.
class UploadQueue::ArrivalEvent : public QEvent {
public:
    ArrivalEvent()
        : QEvent(type())
    {}
    static QEvent::Type type()
    {
        static const auto registered = QEvent::Type(QEvent::registerEventType());
        return registered;
    }
};

// The tasks' way back to their queue. Posting to a QObject from another thread is safe only while it lives,
// so posts happen under the mutex and the queue's destructor clears the pointer under it. Reports and results
// wait here until the queue takes them; only the first of a batch posts an event, so transfers that end
// together wake the main thread once.
struct UploadQueue::Link {
    std::mutex mutex;
    UploadQueue* queue = nullptr;
    // The latest progress of each job since the queue last looked.
    QHash<QUuid, std::pair<qint64, qint64>> progress;
    QList<QUuid> progressOrder;
    QList<UploadResult> finished;
    bool posted = false;

    void postProgress(const QUuid& id, qint64 sent, qint64 total)
    {
        std::lock_guard lock(mutex);
        if (!queue) {
            return;
        }
        if (!progress.contains(id)) {
            progressOrder.append(id);
        }
        progress.insert(id, {sent, total});
        wakeLocked();
    }
    void postFinish(UploadResult result)
    {
        std::lock_guard lock(mutex);
        if (queue) {
            finished.append(std::move(result));
            wakeLocked();
        }
    }
    void wakeLocked()
    {
        if (!std::exchange(posted, true)) {
            QCoreApplication::postEvent(queue, new ArrivalEvent, Qt::HighEventPriority);
        }
    }
    bool isAlive()
    {
        std::lock_guard lock(mutex);
        return queue != nullptr;
    }
};

UploadQueue::UploadQueue(int requestedConcurrency, QThreadPool* transferPool, QObject* parent)
    : QObject(parent)
    , m_maxConcurrent(clampConcurrency(requestedConcurrency))
    , m_pool(transferPool)
    , m_link(std::make_shared<Link>())
{
    Q_ASSERT(transferPool);
    m_link->queue = this;
}

UploadQueue::~UploadQueue()
{
    for (const auto& cancelled : std::as_const(m_activeTasks)) {
        cancelled->store(true);
    }
    std::lock_guard lock(m_link->mutex);
    m_link->queue = nullptr;
}

int UploadQueue::clampConcurrency(int requested)
{
    return std::clamp(requested, kMinConcurrent, kMaxConcurrent);
}

void UploadQueue::setCallbacks(PerformUpload performUpload, JobsCompletedHandler onJobsCompleted,
                               JobUpdateHandler onJobUpdate, DeliveredHandler onDelivered)
{
    m_performUpload = std::move(performUpload);
    m_onJobsCompleted = std::move(onJobsCompleted);
    m_onJobUpdate = std::move(onJobUpdate);
    m_onDelivered = std::move(onDelivered);
}

void UploadQueue::enqueue(UploadJob job)
{
    if (m_queuedPaths.contains(job.localPath)) {
        return;
    }
    const int pendingBefore = pendingCount();
    const int activeBefore = activeCount();
    m_queuedPaths.insert(job.localPath);
    m_pending.append(std::move(job));
    runStartStep();
    notifyCounts(pendingBefore, activeBefore);
}

void UploadQueue::pause()
{
    setPaused(true);
}

void UploadQueue::resume()
{
    setPaused(false);
    const int pendingBefore = pendingCount();
    const int activeBefore = activeCount();
    runStartStep();
    notifyCounts(pendingBefore, activeBefore);
}

void UploadQueue::cancelAll()
{
    const int pendingBefore = pendingCount();
    const int activeBefore = activeCount();
    m_pending.clear();
    for (const auto& cancelled : std::as_const(m_activeTasks)) {
        cancelled->store(true);
    }
    m_activeTasks.clear();
    m_active.clear();
    m_queuedPaths.clear();
    notifyCounts(pendingBefore, activeBefore);
}

void UploadQueue::updateProgress(const QUuid& jobId, qint64 sent, qint64 total)
{
    const auto it = m_active.find(jobId);
    if (it == m_active.end()) {
        return;
    }
    it->bytesUploaded = sent;
    it->bytesTotal = total;
    // Not clamped: a server that reports more than the total shows more than 100 %.
    it->status = UploadStatus::uploading(total < 1 ? 0.0 : double(sent) / double(total));
    postJobUpdate(*it);
}

void UploadQueue::runStartStep()
{
    if (m_isPaused) {
        return;
    }
    while (m_active.size() < m_maxConcurrent && !m_pending.isEmpty()) {
        startJob(m_pending.takeFirst());
    }
}

void UploadQueue::startJob(UploadJob job)
{
    job.status = UploadStatus::uploading(0.0);
    job.startedAt = QDateTime::currentDateTimeUtc();
    m_active.insert(job.id, job);
    ++m_running;
    postJobUpdate(job);

    auto cancelled = std::make_shared<std::atomic_bool>(false);
    m_activeTasks.insert(job.id, cancelled);

    std::weak_ptr<Link> weakLink = m_link;
    UploadTaskControl control(
        [weakLink, id = job.id](qint64 sent, qint64 total) {
            if (const auto link = weakLink.lock()) {
                link->postProgress(id, sent, total);
            }
        },
        cancelled);
    m_pool->start([weakLink, job = std::move(job), perform = m_performUpload, control = std::move(control)] {
        const auto link = weakLink.lock();
        if (!link || !link->isAlive()) {
            return;
        }
        UploadResult result;
        if (perform) {
            result = perform(job, control);
            // The outcome always belongs to the job as it was handed over.
            result.job = job;
        } else {
            result.job = job;
            result.success = false;
            result.error = QStringLiteral("No uploader configured");
        }
        link->postFinish(std::move(result));
    });
}

bool UploadQueue::event(QEvent* event)
{
    if (event->type() == ArrivalEvent::type()) {
        takeArrivals();
        return true;
    }
    return QObject::event(event);
}

void UploadQueue::takeArrivals()
{
    QHash<QUuid, std::pair<qint64, qint64>> progress;
    QList<QUuid> progressOrder;
    QList<UploadResult> finished;
    {
        std::lock_guard lock(m_link->mutex);
        progress.swap(m_link->progress);
        progressOrder.swap(m_link->progressOrder);
        finished.swap(m_link->finished);
        m_link->posted = false;
    }
    // What arrives now is handed over at the end of this wake-up of the main thread, not in another one.
    m_takingArrivals = true;
    // Progress first: a report always left its transfer before the transfer's result did.
    for (const QUuid& id : std::as_const(progressOrder)) {
        const auto& [sent, total] = progress.value(id);
        updateProgress(id, sent, total);
    }
    if (!finished.isEmpty()) {
        const int pendingBefore = pendingCount();
        const int activeBefore = activeCount();
        // Every ended transfer frees its place before the next jobs start, so the results stay together.
        for (UploadResult& result : finished) {
            finish(std::move(result));
        }
        runStartStep();
        notifyCounts(pendingBefore, activeBefore);
    }
    m_takingArrivals = false;
    // The next jobs are on their way before the results are handled.
    deliver();
}

void UploadQueue::finish(UploadResult result)
{
    m_activeTasks.remove(result.job.id);
    // After cancelAll the job is gone already, and a new job for the same file may be queued: its path stays.
    if (m_active.remove(result.job.id) > 0) {
        m_queuedPaths.remove(result.job.localPath);
    }
    UploadJob job = result.job;
    post(Notice{std::move(job), std::move(result)});
}

void UploadQueue::postJobUpdate(const UploadJob& job)
{
    if (m_onJobUpdate) {
        post(Notice{job, std::nullopt});
    }
}

void UploadQueue::post(Notice notice)
{
    m_outbox.append(std::move(notice));
    if (!m_takingArrivals && !std::exchange(m_deliveryScheduled, true)) {
        QMetaObject::invokeMethod(this, &UploadQueue::deliver, Qt::QueuedConnection);
    }
}

void UploadQueue::deliver()
{
    m_deliveryScheduled = false;
    if (m_outbox.isEmpty()) {
        return; // handed over already, by the arrival of results
    }
    const QList<Notice> notices = std::exchange(m_outbox, {});
    // Updates one by one; each run of results that follow one another as one list.
    QList<UploadResult> results;
    const auto handOverResults = [&] {
        if (results.isEmpty()) {
            return;
        }
        m_running -= int(results.size());
        const QList<UploadResult> batch = std::exchange(results, {});
        if (m_onJobsCompleted) {
            m_onJobsCompleted(batch);
        }
    };
    for (const Notice& notice : notices) {
        if (notice.result) {
            results.append(*notice.result);
            continue;
        }
        handOverResults();
        if (m_onJobUpdate) {
            m_onJobUpdate(notice.job);
        }
    }
    handOverResults();
    if (m_onDelivered) {
        m_onDelivered();
    }
}

void UploadQueue::setPaused(bool paused)
{
    if (m_isPaused != paused) {
        m_isPaused = paused;
        Q_EMIT isPausedChanged(paused);
    }
}

void UploadQueue::notifyCounts(int pendingBefore, int activeBefore)
{
    if (pendingCount() != pendingBefore) {
        Q_EMIT pendingCountChanged(pendingCount());
    }
    if (activeCount() != activeBefore) {
        Q_EMIT activeCountChanged(activeCount());
    }
}

} // namespace ondrix
