#include "records/BackgroundWriter.h"

#include <pthread.h>

namespace ondrix {

BackgroundWriter::BackgroundWriter(Take take, const char* threadName)
    : BackgroundWriter(std::move(take), Pacing{}, threadName)
{}

BackgroundWriter::BackgroundWriter(Take take, Pacing pacing, const char* threadName)
    : m_take(std::move(take))
    , m_pacing(pacing)
    , m_threadName(threadName)
{}

BackgroundWriter::~BackgroundWriter()
{
    stop();
}

void BackgroundWriter::startIfNeeded()
{
    if (!m_thread.joinable() && !m_stopping) {
        m_thread = std::thread([this] {
            ::pthread_setname_np(::pthread_self(), m_threadName);
            run();
        });
    }
}

void BackgroundWriter::flush()
{
    std::unique_lock lock(m_mutex);
    const auto done = [this] { return (!m_pending && !m_busy) || !m_thread.joinable(); };
    if (done()) {
        return;
    }
    m_flushRequested = true;
    m_wake.notify_one();
    m_jobDone.wait(lock, done);
}

void BackgroundWriter::stop()
{
    std::thread thread;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        thread = std::move(m_thread);
    }
    m_wake.notify_one();
    if (thread.joinable()) {
        thread.join();
    }
    m_jobDone.notify_all();
}

void BackgroundWriter::run()
{
    const auto cutShort = [this] { return m_stopping || m_flushRequested; };
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending) {
            return; // stopping, and everything is done
        }
        if (m_pacing.gatherDelay.count() > 0) {
            m_wake.wait_for(lock, m_pacing.gatherDelay, cutShort);
        }
        // Busy until `take` has nothing more: an owner may hand its work over one piece per job.
        m_busy = true;
        for (;;) {
            m_pending = false;
            Job job = m_take();
            if (!job) {
                break;
            }
            lock.unlock();
            try {
                job();
            } catch (...) {
                // A failed write loses that write only; the writer goes on with the next.
            }
            job = nullptr; // what the job holds goes with it, outside the lock
            lock.lock();
            m_jobDone.notify_all();
        }
        m_busy = false;
        m_flushRequested = false;
        m_jobDone.notify_all();
        if (m_pacing.minInterval.count() > 0) {
            m_wake.wait_for(lock, m_pacing.minInterval, cutShort);
        }
    }
}

} // namespace ondrix
