#pragma once

#include <QtGlobal>

#include <atomic>
#include <functional>
#include <memory>
#include <utility>

namespace ondrix {

// What the queue hands to the upload function next to the job, on the transfer thread: a way to report
// progress back to the queue and to see whether the queue asked the task to stop. Both are safe from any
// thread and stay harmless after the queue is gone. Cancellation is cooperative: a transfer that is already
// under way may ignore it, and its result is still reported.
class UploadTaskControl {
public:
    using ProgressSink = std::function<void(qint64 sent, qint64 total)>;

    UploadTaskControl() = default;
    UploadTaskControl(ProgressSink progress, std::shared_ptr<const std::atomic_bool> cancelled)
        : m_progress(std::move(progress))
        , m_cancelled(std::move(cancelled))
    {}

    // Posts the queue's updateProgress for this job to the queue's thread.
    void reportProgress(qint64 sent, qint64 total) const
    {
        if (m_progress) {
            m_progress(sent, total);
        }
    }
    bool isCancellationRequested() const { return m_cancelled && m_cancelled->load(); }

private:
    ProgressSink m_progress;
    std::shared_ptr<const std::atomic_bool> m_cancelled;
};

} // namespace ondrix
