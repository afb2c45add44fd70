#pragma once

#include "engine/UploadJob.h"
#include "engine/UploadResult.h"
#include "engine/UploadTaskControl.h"
#include "model/NextTurn.h"
#include "model/PushConnection.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QUuid>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QThreadPool;

namespace ondrix {

// Schedules the upload jobs of one connection: jobs wait in arrival order and start while fewer than
// maxConcurrent run; the upload function performs each one on the transfer thread pool; starts, progress and
// outcomes come back through two callbacks. The queue knows nothing about files or servers.
//
// Lives on the main thread: its operations run there one at a time. A transfer thread that finishes a job
// goes on with the next waiting one by itself: the queue hands the first few waiting jobs over in advance,
// so a connection never idles while the main thread is busy with earlier results. Callbacks are queued on the
// main thread in the order the queue learns of things and handed over together: one queued call delivers
// everything that piled up since the last one, so a burst of small files costs a few wake-ups of the main
// thread instead of several per file. Transfers that end together are handed over as one list.
class UploadQueue : public QObject {
    Q_OBJECT
    Q_PROPERTY(int maxConcurrent READ maxConcurrent)
    Q_PROPERTY(bool isPaused READ isPaused NOTIFY isPausedChanged)
    Q_PROPERTY(int pendingCount READ pendingCount NOTIFY pendingCountChanged)
    Q_PROPERTY(int activeCount READ activeCount NOTIFY activeCountChanged)

public:
    // Performs one job and returns its outcome. Runs on the transfer thread pool, never on the main thread.
    using PerformUpload = std::function<UploadResult(const UploadJob&, const UploadTaskControl&)>;
    // Results in the order the transfers ended; never empty.
    using JobsCompletedHandler = std::function<void(const QList<UploadResult>&)>;
    using JobUpdateHandler = std::function<void(const UploadJob&)>;
    // After each delivery of updates and results, once they have all been handed over.
    using DeliveredHandler = std::function<void()>;

    static constexpr int kMinConcurrent = int(PushConnection::kMinSimultaneousUploads);
    static constexpr int kMaxConcurrent = int(PushConnection::kMaxSimultaneousUploads);

    // `transferPool` runs the upload functions; it is shared by all connections and must outlive the
    // transfers started here (the queue itself may go first: results of its running transfers are dropped).
    UploadQueue(int requestedConcurrency, QThreadPool* transferPool, QObject* parent = nullptr);
    ~UploadQueue() override;

    static int clampConcurrency(int requested);

    // Stored once by the owner right after creation.
    void setCallbacks(PerformUpload performUpload, JobsCompletedHandler onJobsCompleted,
                      JobUpdateHandler onJobUpdate, DeliveredHandler onDelivered = {});

    // Drops the job when a job for the same local file is pending or active; otherwise appends it and starts
    // what may start.
    void enqueue(UploadJob job);
    // How many jobs may run at once from now on. Running jobs go on; fewer only means that fewer start.
    void setMaxConcurrent(int requested);
    // Stops starting jobs; running jobs go on and are reported.
    void pause();
    void resume();
    // Forgets pending jobs without a word and asks running tasks to stop. A transfer already under way
    // still reports its result when it ends, but no longer counts against maxConcurrent. Returns those
    // transfers, including jobs a transfer thread took up whose start has not reached the main thread yet.
    QList<UploadJob> cancelAll();
    // Records progress of an active job and reports it; ignored for a job that is not active (late reports
    // of finished or cancelled jobs).
    void updateProgress(const QUuid& jobId, qint64 sent, qint64 total);

    int maxConcurrent() const { return m_maxConcurrent; }
    bool isPaused() const { return m_isPaused; }
    // Jobs handed over in advance count as pending until their start is reported.
    int pendingCount() const { return int(m_pending.size()); }
    int activeCount() const { return int(m_active.size()); }
    const QList<UploadJob>& pendingJobs() const { return m_pending; }
    // Active jobs with their latest progress, in no particular order.
    QList<UploadJob> activeJobs() const { return m_active.values(); }
    // Transfers started whose results have not yet been handed to onJobsCompleted, including those that
    // cancelAll no longer counts as active, and the jobs handed over in advance (any may be under way).
    int runningCount() const { return m_running; }

Q_SIGNALS:
    void isPausedChanged(bool isPaused);
    void pendingCountChanged(int pendingCount);
    void activeCountChanged(int activeCount);

protected:
    bool event(QEvent* event) override;

private:
    struct Link;
    struct ReadyJob;
    struct Arrival;
    class ArrivalEvent;
    // What waits to be handed to the callbacks: a job update, or a result when `result` is set.
    struct Notice {
        UploadJob job;
        std::optional<UploadResult> result;
    };

    void runStartStep();
    UploadJob prepareStart(UploadJob job) const;
    UploadTaskControl makeControl(const QUuid& jobId);
    void startTransfers(ReadyJob first, quint64 generation);
    void announceStart(const UploadJob& job);
    // Takes back the jobs handed over in advance that no transfer took up; they wait again.
    void takeBackHandedOver();
    void takeArrivals();
    void finish(UploadResult result);
    void postJobUpdate(const UploadJob& job);
    void post(Notice notice);
    void deliver();
    void setPaused(bool paused);
    void notifyCounts(int pendingBefore, int activeBefore);

    int m_maxConcurrent;
    QThreadPool* const m_pool;
    // Shared with the tasks so they can tell whether the queue still exists.
    std::shared_ptr<Link> m_link;
    // Waiting jobs in arrival order. The first m_handedOver of them were handed over in advance: each either
    // waits in the link for a transfer thread or was taken up by one that has not reported the start yet.
    QList<UploadJob> m_pending;
    int m_handedOver = 0;
    QHash<QUuid, UploadJob> m_active;
    // The cancellation flag of each active task, keyed like m_active.
    QHash<QUuid, std::shared_ptr<std::atomic_bool>> m_activeTasks;
    // The local file of every pending and active job, for the duplicate test.
    QSet<QString> m_queuedPaths;
    bool m_isPaused = false;
    int m_running = 0;
    PerformUpload m_performUpload;
    JobsCompletedHandler m_onJobsCompleted;
    JobUpdateHandler m_onJobUpdate;
    DeliveredHandler m_onDelivered;
    QList<Notice> m_outbox;
    NextTurn m_delivery{this, [this] { deliver(); }};
    // Arrivals are being taken: what they post is handed over when that ends.
    bool m_takingArrivals = false;
};

} // namespace ondrix
