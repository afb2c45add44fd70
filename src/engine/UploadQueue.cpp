#include "engine/UploadQueue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QThreadPool>

#include <algorithm>
#include <deque>
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

// A job handed to a transfer thread, with the control that belongs to it.
struct UploadQueue::ReadyJob {
    UploadJob job;
    UploadTaskControl control;
};

// What a transfer thread reports besides progress, in the order it happened: a job it finished (result set),
// or a job it took up next (the job as it runs).
struct UploadQueue::Arrival {
    std::optional<UploadResult> result;
    UploadJob started;
};

// The tasks' way back to their queue. Posting to a QObject from another thread is safe only while it lives,
// so posts happen under the mutex and the queue's destructor clears the pointer under it. Reports and results
// wait here until the queue takes them; only the first of a batch posts an event, so transfers that end
// together wake the main thread once. Jobs handed over in advance wait here too, for the next transfer
// thread that finishes.
struct UploadQueue::Link {
    std::mutex mutex;
    UploadQueue* queue = nullptr;
    // The latest progress of each job since the queue last looked.
    QHash<QUuid, std::pair<qint64, qint64>> progress;
    QList<QUuid> progressOrder;
    QList<Arrival> arrivals;
    bool posted = false;
    std::deque<ReadyJob> ready;
    // Transfer threads of the current generation at work; cancelAll starts a new generation, whose threads
    // alone count against maxConcurrent and take up handed-over jobs.
    int transfers = 0;
    quint64 generation = 0;

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
    // Reports a finished job and hands the transfer thread the next job waiting for it, if any.
    std::optional<ReadyJob> finishAndTakeNext(UploadResult result, quint64 transferGeneration)
    {
        std::lock_guard lock(mutex);
        if (!queue) {
            return std::nullopt;
        }
        arrivals.append(Arrival{std::move(result), {}});
        std::optional<ReadyJob> next;
        if (transferGeneration == generation) {
            if (ready.empty()) {
                --transfers;
            } else {
                next = std::move(ready.front());
                ready.pop_front();
                next->job.status = UploadStatus::uploading(0.0);
                next->job.startedAt = QDateTime::currentDateTimeUtc();
                arrivals.append(Arrival{std::nullopt, next->job});
            }
        }
        wakeLocked();
        return next;
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

void UploadQueue::setMaxConcurrent(int requested)
{
    const int pendingBefore = pendingCount();
    const int activeBefore = activeCount();
    m_maxConcurrent = clampConcurrency(requested);
    // Jobs handed over in advance would start as soon as a transfer ends, whatever the new limit says.
    takeBackHandedOver();
    runStartStep();
    notifyCounts(pendingBefore, activeBefore);
}

void UploadQueue::pause()
{
    setPaused(true);
    takeBackHandedOver();
}

void UploadQueue::resume()
{
    setPaused(false);
    const int pendingBefore = pendingCount();
    const int activeBefore = activeCount();
    runStartStep();
    notifyCounts(pendingBefore, activeBefore);
}

QList<UploadJob> UploadQueue::cancelAll()
{
    const int pendingBefore = pendingCount();
    const int activeBefore = activeCount();
    QList<UploadJob> underWay = m_active.values();
    std::size_t takenBack = 0;
    {
        std::lock_guard lock(m_link->mutex);
        takenBack = m_link->ready.size();
        m_link->ready.clear();
        // Taken up by a transfer thread, but the main thread has not heard of it yet.
        for (const Arrival& arrival : std::as_const(m_link->arrivals)) {
            if (!arrival.result) {
                underWay.append(arrival.started);
            }
        }
        ++m_link->generation;
        m_link->transfers = 0;
    }
    m_running -= int(takenBack);
    m_pending.clear();
    m_handedOver = 0;
    for (const auto& cancelled : std::as_const(m_activeTasks)) {
        cancelled->store(true);
    }
    m_activeTasks.clear();
    m_active.clear();
    m_queuedPaths.clear();
    notifyCounts(pendingBefore, activeBefore);
    return underWay;
}

void UploadQueue::takeBackHandedOver()
{
    std::deque<ReadyJob> takenBack;
    {
        std::lock_guard lock(m_link->mutex);
        takenBack.swap(m_link->ready);
    }
    for (const ReadyJob& ready : takenBack) {
        m_activeTasks.remove(ready.job.id);
    }
    // The jobs stay where they are in m_pending; those still counted as handed over were taken up.
    m_handedOver -= int(takenBack.size());
    m_running -= int(takenBack.size());
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
    QList<ReadyJob> starts;
    quint64 generation = 0;
    {
        std::lock_guard lock(m_link->mutex);
        generation = m_link->generation;
        while (m_link->transfers < m_maxConcurrent && m_handedOver < m_pending.size()) {
            // A transfer thread ends only when nothing handed over is left, so the link holds no job here.
            Q_ASSERT(m_link->ready.empty());
            UploadJob job = prepareStart(m_pending.takeAt(m_handedOver));
            m_active.insert(job.id, job);
            ++m_running;
            postJobUpdate(job);
            UploadTaskControl control = makeControl(job.id);
            starts.append(ReadyJob{std::move(job), std::move(control)});
            ++m_link->transfers;
        }
        // With every place taken, the next jobs wait in the link for the first transfer thread that finishes.
        // While more run than the limit allows (it was lowered), finished transfers end instead.
        while (m_link->transfers <= m_maxConcurrent && m_link->ready.size() < std::size_t(m_maxConcurrent) &&
               m_handedOver < m_pending.size()) {
            const UploadJob& job = m_pending.at(m_handedOver);
            m_link->ready.push_back(ReadyJob{job, makeControl(job.id)});
            ++m_handedOver;
            ++m_running;
        }
    }
    for (ReadyJob& start : starts) {
        startTransfers(std::move(start), generation);
    }
}

UploadJob UploadQueue::prepareStart(UploadJob job) const
{
    job.status = UploadStatus::uploading(0.0);
    job.startedAt = QDateTime::currentDateTimeUtc();
    return job;
}

UploadTaskControl UploadQueue::makeControl(const QUuid& jobId)
{
    auto cancelled = std::make_shared<std::atomic_bool>(false);
    m_activeTasks.insert(jobId, cancelled);
    std::weak_ptr<Link> weakLink = m_link;
    return UploadTaskControl(
        [weakLink, jobId](qint64 sent, qint64 total) {
            if (const auto link = weakLink.lock()) {
                link->postProgress(jobId, sent, total);
            }
        },
        std::move(cancelled));
}

void UploadQueue::startTransfers(ReadyJob first, quint64 generation)
{
    std::weak_ptr<Link> weakLink = m_link;
    m_pool->start([weakLink, generation, first = std::move(first), perform = m_performUpload]() mutable {
        const auto link = weakLink.lock();
        std::optional<ReadyJob> current = std::move(first);
        while (link && current && link->isAlive()) {
            UploadResult result;
            if (perform) {
                result = perform(current->job, current->control);
            } else {
                result.success = false;
                result.error = QStringLiteral("No uploader configured");
            }
            // The outcome always belongs to the job as it was handed over.
            result.job = current->job;
            current = link->finishAndTakeNext(std::move(result), generation);
        }
    });
}

void UploadQueue::announceStart(const UploadJob& job)
{
    const auto it = std::find_if(m_pending.begin(), m_pending.begin() + m_handedOver,
                                 [&](const UploadJob& pending) { return pending.id == job.id; });
    if (it == m_pending.begin() + m_handedOver) {
        return; // cancelled meanwhile: it runs, but no longer counts as active
    }
    m_pending.erase(it);
    --m_handedOver;
    m_active.insert(job.id, job);
    postJobUpdate(job);
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
    QList<Arrival> arrivals;
    {
        std::lock_guard lock(m_link->mutex);
        progress.swap(m_link->progress);
        progressOrder.swap(m_link->progressOrder);
        arrivals.swap(m_link->arrivals);
        m_link->posted = false;
    }
    // What arrives now is handed over at the end of this wake-up of the main thread, not in another one.
    m_takingArrivals = true;
    // Progress first: a report always left its transfer before the transfer's result did. Reports of jobs
    // whose start arrives now wait for it.
    QList<QUuid> progressOfStarts;
    for (const QUuid& id : std::as_const(progressOrder)) {
        if (m_active.contains(id)) {
            const auto& [sent, total] = progress.value(id);
            updateProgress(id, sent, total);
        } else {
            progressOfStarts.append(id);
        }
    }
    if (!arrivals.isEmpty()) {
        const int pendingBefore = pendingCount();
        const int activeBefore = activeCount();
        // Starts are reported ahead of the results that arrive with them, so the results stay together; a
        // job's own start always comes before its result.
        QList<UploadResult> finished;
        for (Arrival& arrival : arrivals) {
            if (arrival.result) {
                finished.append(std::move(*arrival.result));
            } else {
                announceStart(arrival.started);
            }
        }
        // Every ended transfer frees its place before the next jobs start.
        for (UploadResult& result : finished) {
            finish(std::move(result));
        }
        runStartStep();
        notifyCounts(pendingBefore, activeBefore);
    }
    for (const QUuid& id : std::as_const(progressOfStarts)) {
        const auto& [sent, total] = progress.value(id);
        updateProgress(id, sent, total);
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
    if (!m_takingArrivals) {
        m_delivery.request();
    }
}

void UploadQueue::deliver()
{
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
