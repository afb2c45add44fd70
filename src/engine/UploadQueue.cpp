#include "engine/UploadQueue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QThreadPool>

#include <algorithm>
#include <mutex>

namespace ondrix {

// A finished transfer's way back to the queue. It is posted ahead of ordinary events so that the next job
// starts without waiting behind the handling of earlier results; progress reports it overtakes are ignored,
// as any report that arrives after the finish step is.
class UploadQueue::FinishEvent : public QEvent {
public:
    explicit FinishEvent(UploadResult result)
        : QEvent(type())
        , result(std::move(result))
    {}
    static QEvent::Type type()
    {
        static const auto registered = QEvent::Type(QEvent::registerEventType());
        return registered;
    }
    UploadResult result;
};

// The tasks' weak reference to their queue. Posting to a QObject from another thread is safe only while it
// lives, so posts happen under the mutex and the queue's destructor clears the pointer under it.
struct UploadQueue::Link {
    std::mutex mutex;
    UploadQueue* queue = nullptr;

    template <typename Fn>
    void post(Fn&& fn)
    {
        std::lock_guard lock(mutex);
        if (queue) {
            QMetaObject::invokeMethod(
                queue, [q = queue, fn = std::forward<Fn>(fn)]() mutable { fn(q); }, Qt::QueuedConnection);
        }
    }
    void postFinish(UploadResult result)
    {
        std::lock_guard lock(mutex);
        if (queue) {
            QCoreApplication::postEvent(queue, new FinishEvent(std::move(result)), Qt::HighEventPriority);
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

void UploadQueue::setCallbacks(PerformUpload performUpload, JobCompletedHandler onJobCompleted,
                               JobUpdateHandler onJobUpdate)
{
    m_performUpload = std::move(performUpload);
    m_onJobCompleted = std::move(onJobCompleted);
    m_onJobUpdate = std::move(onJobUpdate);
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
                link->post([id, sent, total](UploadQueue* queue) { queue->updateProgress(id, sent, total); });
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
    if (event->type() == FinishEvent::type()) {
        finish(static_cast<FinishEvent*>(event)->result);
        return true;
    }
    return QObject::event(event);
}

void UploadQueue::finish(const UploadResult& result)
{
    const int pendingBefore = pendingCount();
    const int activeBefore = activeCount();
    m_activeTasks.remove(result.job.id);
    // After cancelAll the job is gone already, and a new job for the same file may be queued: its path stays.
    if (m_active.remove(result.job.id) > 0) {
        m_queuedPaths.remove(result.job.localPath);
    }
    if (m_onJobCompleted) {
        QMetaObject::invokeMethod(
            this,
            [this, handler = m_onJobCompleted, result] {
                --m_running;
                handler(result);
            },
            Qt::QueuedConnection);
    } else {
        --m_running;
    }
    runStartStep();
    notifyCounts(pendingBefore, activeBefore);
}

void UploadQueue::postJobUpdate(const UploadJob& job)
{
    if (m_onJobUpdate) {
        QMetaObject::invokeMethod(
            this, [handler = m_onJobUpdate, job] { handler(job); }, Qt::QueuedConnection);
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
