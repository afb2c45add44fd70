#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <type_traits>

namespace ondrix {

// A thread that does its owner's file writes, so that callers never wait for the disk. The owner keeps its
// pending work (lines to append, a changed list, a queue of files) in its own members and touches them only
// inside `submit`, `whenReady` and `withLock`, which hold the writer's lock; on the writer thread, `take`
// collects that work and the job it returns does it without the lock.
//
// `take` runs on the writer thread with the lock held. It moves the pending work out and returns the job that
// does it, or an empty function when nothing is pending. It is called again after every job (so it may also
// note that the previous job is done) until it returns an empty one; only then does the writer count as idle.
//
// Pacing: with `gatherDelay`, the writer waits that long after it is woken before it takes any work, so that
// requests arriving together collapse into one job; with `minInterval`, it waits at least that long after a
// round of jobs before it starts the next. `flush` and `stop` cut both waits short.
//
// The thread starts with the first submission and carries `threadName` (at most 15 bytes show; for `top -H`
// and profiles). The owner calls `stop` in its destructor, before the members
// `take` reads are destroyed; afterwards nothing is written any more.
class BackgroundWriter {
public:
    using Job = std::function<void()>;
    using Take = std::function<Job()>;

    struct Pacing {
        std::chrono::milliseconds gatherDelay{0};
        std::chrono::milliseconds minInterval{0};
    };

    explicit BackgroundWriter(Take take, const char* threadName = "ondrix-writer");
    BackgroundWriter(Take take, Pacing pacing, const char* threadName = "ondrix-writer");
    // Stops (see `stop`) if the owner has not.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // Runs `change` under the lock (where it adds to the owner's pending work), then wakes the writer.
    // Returns what `change` returns. Any thread.
    template <typename Change>
    decltype(auto) submit(Change&& change)
    {
        std::unique_lock lock(m_mutex);
        startIfNeeded();
        const bool wake = !m_pending;
        m_pending = true;
        if constexpr (std::is_void_v<std::invoke_result_t<Change>>) {
            change();
            lock.unlock();
            if (wake) {
                m_wake.notify_one();
            }
        } else {
            auto result = change();
            lock.unlock();
            if (wake) {
                m_wake.notify_one();
            }
            return result;
        }
    }

    // Runs `read` under the lock once `ready()` holds (tested again after every job) and returns its result.
    // For a caller that must not overtake a job in progress, like one that writes an item itself.
    template <typename Ready, typename Read>
    decltype(auto) whenReady(Ready&& ready, Read&& read)
    {
        std::unique_lock lock(m_mutex);
        m_jobDone.wait(lock, ready);
        return read();
    }

    // Runs `read` under the lock, without waking the writer.
    template <typename Read>
    decltype(auto) withLock(Read&& read)
    {
        std::lock_guard lock(m_mutex);
        return read();
    }

    // Blocks until everything submitted before the call has been done; the pacing's waits are cut short.
    void flush();
    // Does what is still pending, then ends the thread. Idempotent.
    void stop();

private:
    void startIfNeeded();
    void run();

    const Take m_take;
    const Pacing m_pacing;
    const char* const m_threadName;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_jobDone;
    bool m_pending = false; // something was submitted since `take` last ran
    bool m_busy = false;    // jobs are being taken and done
    bool m_flushRequested = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace ondrix
